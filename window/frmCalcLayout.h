#pragma once
// The design of the calculator window as one table of plain data: every
// control with its name, container, position, size, design font and the
// role it plays in the window. The window creates its controls from this
// table alone, in the table's order.

#include <QFont>
#include <QString>
#include <span>

#include "rules/InputDescriptors.h"

class QComboBox;
class QWidget;

enum class DesignFont { System, Terminal };

// What a control is in the window. The first five belong to an input of the
// request (ControlSpec::input says which): its caption, its field or list,
// the unit and range labels of a number, and the required mark.
enum class Role {
    Caption,
    Entry,
    Unit,
    Range,
    Mark,
    ResultFrame,
    ResultCaption1,
    ResultCaption2,
    Result1,
    Result2,
    ResultUnit,
    RailNote,  // names the sensors whose spacing is also given in rail steps
    Legend,    // explains the required mark
    Execute,
};

struct ControlSpec {
    const char* name;
    int index;                     // item of a control array, or -1
    const char* container;         // nullptr: the window itself; else a frame's name
    int left, top, width, height;  // twips, relative to the container
    DesignFont font;
    Role role;
    InputId input = InputId::OuterDiameter;  // for the roles of an input
};

// Client area of the window in twips.
inline constexpr int kWindowWidthTwips = 13890;
inline constexpr int kWindowHeightTwips = 7065;

// Twips to pixels at 96 dots per inch (15 twips a pixel).
constexpr int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// In the order of creation; a frame comes before the controls it holds.
std::span<const ControlSpec> WindowLayout();

// objectName of a control: its name, or name_index for an item of an array.
QString ControlObjectName(const ControlSpec& spec);

QFont DesignFontOf(DesignFont font);

// Gives a new control its objectName, geometry and the "Terminal" design
// font. The "System" design font is not set: initialisation replaces it on
// every control that has it before the window is first shown.
void PlaceControl(const ControlSpec& spec, QWidget* control);

template <typename Control>
Control* CreateControl(const ControlSpec& spec, QWidget* parent) {
    auto* control = new Control(parent);
    PlaceControl(spec, control);
    return control;
}

// A selection-only drop-down list.
QComboBox* CreateDropDownList(const ControlSpec& spec, QWidget* parent);
