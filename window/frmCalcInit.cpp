// The window's load step: captions, fonts, unit and range texts, lists and
// the default selections, in the run's language and unit system.
#include <QPalette>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/settings/ModCommonProc.h"
#include "text/TextTable.h"
#include "window/NameLists.h"
#include "window/frmCalc.h"
#include "window/frmCalcLayout.h"

using ModCommonProc::FncGetText;

namespace {

// Every font of the window carries the caption font name of the run; the
// groups differ only in size and weight (a fresh font is never italic,
// underlined or struck out).
QFont GroupFont(double points, bool bold) {
    QFont font(ModCommonProc::CaptionFontName);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetCaption(QWidget* control, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(caption);
    }
}

}  // namespace

void frmCalc::Form_Load() {
    using ModCommonProc::LangFlag;
    using ModCommonProc::UnitFlag;

    // Fixed single border: the user cannot drag the window to another size.
    setFixedSize(TwipsToPixels(kWindowWidthTwips), TwipsToPixels(kWindowHeightTwips));

    const QFont captionFont = GroupFont(12, true);
    const std::pair<QWidget*, QString> captions[] = {
        {OUTER_DIAMETER, FncGetText(1240)},
        {PIPE_MATERIAL, FncGetText(2060)},
        {WALL_THICKNESS, FncGetText(2880)},
        {TRANS_FREQUENCY, FncGetText(2050)},
        {LINING_MATERIAL, FncGetText(1120)},
        {LINING_THICKNESS, FncGetText(1110)},
        {LINING_S_V, FncGetText(1100)},
        {KIND_OF_FLUID, FncGetText(2210)},
        {FLUID_S_V, FncGetText(2200)},
        {SENSOR_MOUNT, FncGetText(790)},
        {SENSOR_TYPE, FncGetText(800)},
        {MOUNT_SIZE1, ComposedMountSizeCaption(1, ModCommonProc::LangOffset)},
        {MOUNT_SIZE2, ComposedMountSizeCaption(2, ModCommonProc::LangOffset)},
        {ExecuteCalcButton, FncGetText(3922)},
        {fraResult, FncGetText(3926)},
    };
    for (const auto& [control, caption] : captions) {
        SetCaption(control, caption);
        control->setFont(captionFont);
    }

    const QFont unitFont = GroupFont(8, false);
    setWindowTitle(ComposedWindowTitle(ModCommonProc::LangOffset));
    setFont(unitFont);

    SubGetUnitForm1(UnitFlag);
    // Each field's unit, and the result's, which is a length.
    std::vector<std::pair<QLabel*, QString>> unitLabels;
    for (const NumericField& row : NumericFields()) {
        unitLabels.emplace_back(row.unitLabel, UnitCaption(row.quantity));
    }
    unitLabels.emplace_back(Label4, UnitCaption(Quantity::Length));
    for (const auto& [label, caption] : unitLabels) {
        label->setText(caption);
        label->setFont(unitFont);
    }

    // The range labels keep their design font for the whole run.
    SubGetUnitRange(UnitFlag);
    for (const NumericField& row : NumericFields()) row.rangeLabel->setText(RangeCaption(row));

    PipeNameList = BuildPipeNameList();
    FluidNameList = BuildFluidNameList();
    LiningNameList = BuildLiningNameList();
    MountNameList = BuildMountNameList();
    SensorNameList = BuildSensorNameList();

    const QFont listFont = GroupFont(12, false);
    FillList(PIPE_MATERIALCombo, PipeNameList, listFont);
    FillList(KIND_OF_FLUIDCombo, FluidNameList, listFont);
    FillList(LINING_MATERIALCombo, LiningNameList, listFont);
    FillList(SENSOR_MOUNTCombo, MountNameList, listFont);
    FillList(SENSOR_TYPECombo, SensorNameList, listFont);
    for (const NumericField& row : NumericFields()) row.field->setFont(listFont);

    const QFont resultFont = GroupFont(12, true);
    for (QLineEdit* result : {txtResult1Text, txtResult2Text}) {
        result->setFont(resultFont);
        QPalette palette = result->palette();
        palette.setColor(QPalette::Text, QColor(255, 0, 0));
        result->setPalette(palette);
    }

    const QFont markFont = GroupFont(LangFlag != 0 ? 14 : 12, true);
    for (QLabel* mark : lblRequired) {
        mark->setText(QStringLiteral("*"));
        mark->setFont(markFont);
    }
    lblInputRequired->setText(ComposedInputRequiredLegend(ModCommonProc::LangOffset));
    lblInputRequired->setFont(markFont);

    const QFont noteFont = GroupFont(10, false);
    lblMount2Sensor->setText(QStringLiteral("(TA_01,TA_02)"));
    lblMount2Sensor->setFont(noteFont);

    // The property tables are constant data (calc/PropertyTables.h), ready
    // before any list gets its first selection.

    // Each selection runs the list's handler before the next one is set.
    for (QComboBox* list : {PIPE_MATERIALCombo, SENSOR_MOUNTCombo, SENSOR_TYPECombo,
                            LINING_MATERIALCombo, KIND_OF_FLUIDCombo}) {
        list->setCurrentIndex(0);
    }

    for (QLineEdit* field :
         {TRANS_FREQUENCYText, LINING_S_VText, LINING_THICKNESSText, FLUID_S_VText}) {
        SetFieldLocked(field, true);
    }

    // A field takes as many characters as its upper limit has.
    for (const NumericField& row : NumericFields()) {
        row.field->setMaxLength(static_cast<int>(RangeText[row.lowerLimitSlot + 1].size()));
    }
}

void frmCalc::FillList(QComboBox* list, const QStringList& names, const QFont& font) {
    // Adding the first entry selects it by itself; the handlers are meant to
    // run for the default selections only, once the lists are complete.
    const QSignalBlocker blocker(list);
    list->clear();
    // The font goes on while the list is still empty: a font change makes
    // the list's popup lay out all its entries again, which costs nothing
    // now. The list ends with the same font as when it follows every entry.
    list->setFont(font);
    const int count = std::clamp(names.value(0).toInt(), 0, static_cast<int>(names.size()) - 1);
    list->addItems(names.mid(1, count));
    list->setCurrentIndex(-1);
}

void frmCalc::SetUpAccessibility() {
    for (const auto& [caption, field] : CaptionedFields()) {
        field->setAccessibleName(caption->text());
    }
}
