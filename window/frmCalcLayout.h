#pragma once
// The design of the calculator window as one table: every control with its
// container, position, size, design font, the window member
// that holds it and the part it plays for an input of the request. The
// window is built from this table alone.

#include <QFont>
#include <QString>
#include <array>
#include <span>
#include <variant>
#include <vector>

#include "rules/InputDescriptors.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class frmCalc;

enum class DesignFont { System, Terminal };

// What a control is to the input it belongs to. The required marks need no
// entry: mark i stands beside the input at focus position i.
enum class InputPart { None, Caption, Entry, Unit, Range };

// The member of the window that holds a control, which also gives the
// control's type: a typed pointer, or an array of labels holding the items
// of a control array by index.
using ControlSlot =
    std::variant<QLabel * frmCalc::*, QLineEdit * frmCalc::*, QComboBox * frmCalc::*,
                 QGroupBox * frmCalc::*, QPushButton * frmCalc::*,
                 std::array<QLabel*, 1> frmCalc::*, std::array<QLabel*, 2> frmCalc::*,
                 std::array<QLabel*, 11> frmCalc::*>;

struct ControlSpec {
    const char* name;
    int index;                     // item of a control array, or -1
    const char* container;         // nullptr: the window itself; else a frame's name
    int left, top, width, height;  // twips, relative to the container
    DesignFont font;
    ControlSlot slot;
    InputPart part = InputPart::None;
    InputId input = InputId::OuterDiameter;  // when part is not None
};

// Client area of the window in twips.
inline constexpr int kWindowWidthTwips = 13890;
inline constexpr int kWindowHeightTwips = 7065;

// Twips to pixels at 96 dots per inch (15 twips a pixel).
constexpr int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

std::span<const ControlSpec> WindowLayout();

// objectName of a control: its name, or name_index for an item of an array.
QString ControlObjectName(const ControlSpec& spec);

QFont DesignFontOf(DesignFont font);

// Creates every control of the table as a child of `window` (or of its
// frame), with objectName, geometry and the "Terminal" design
// font. The "System" design font is not set: initialisation replaces it on
// every control that has it before the window is first shown. Each control is
// stored in the window member its row names. Returns the controls in the
// order of the table.
std::vector<QWidget*> BuildWindowControls(frmCalc* window);
