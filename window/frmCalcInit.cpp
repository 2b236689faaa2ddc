// The window's load step: captions, fonts, unit and range texts, lists and
// the default selections, in the run's language and unit system.
#include <QPalette>
#include <QSignalBlocker>

#include "rules/FieldRefusal.h"
#include "rules/UnitTexts.h"
#include "text/TextTable.h"
#include "window/frmCalc.h"
#include "window/frmCalcLayout.h"

namespace {

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

// Every font of the window carries the caption font name of the run; the
// groups differ only in size and weight (a fresh font is never italic,
// underlined or struck out).
QFont frmCalc::GroupFont(double points, bool bold) const {
    QFont font(startup_.CaptionFontName);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void frmCalc::Form_Load() {
    // Fixed single border: the user cannot drag the window to another size.
    setFixedSize(TwipsToPixels(kWindowWidthTwips), TwipsToPixels(kWindowHeightTwips));
    SetCaptions();
    setWindowTitle(ComposedWindowTitle(startup_.LangOffset));
    SetUnitAndRangeTexts();
    FillLists();
    SetResultLook();
    SetMarks();
    SelectDefaultEntries();
}

void frmCalc::SetCaptions() {
    const QFont captionFont = GroupFont(12, true);
    std::vector<std::pair<QWidget*, QString>> captions;
    for (const InputDescriptor& input : Inputs()) {
        captions.emplace_back(ControlsOf(input.id).caption, startup_.Text(input.captionTextId));
    }
    captions.emplace_back(MOUNT_SIZE1, ComposedMountSizeCaption(1, startup_.LangOffset));
    captions.emplace_back(MOUNT_SIZE2, ComposedMountSizeCaption(2, startup_.LangOffset));
    captions.emplace_back(ExecuteCalcButton, startup_.Text(3922));
    captions.emplace_back(fraResult, startup_.Text(3926));
    for (const auto& [control, caption] : captions) {
        SetCaption(control, caption);
        control->setFont(captionFont);
    }
}

void frmCalc::SetUnitAndRangeTexts() {
    const QFont unitFont = GroupFont(8, false);
    setFont(unitFont);
    const std::int16_t units = startup_.UnitFlag;
    // Each number's unit, and the result's, which is a length.
    Label4->setText(FncUnitCaption(Quantity::Length, units));
    Label4->setFont(unitFont);
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind != InputKind::Number) continue;
        const InputControls& controls = ControlsOf(input.id);
        controls.unit->setText(FncUnitCaption(input.quantity, units));
        controls.unit->setFont(unitFont);
        // The range labels keep their design font for the whole run.
        controls.range->setText(FncRangeCaption(input, units));
        // A field takes as many characters as its upper limit has.
        FieldOf(input)->setMaxLength(FncMaxInputLength(input, units));
    }
}

void frmCalc::FillLists() {
    const QFont listFont = GroupFont(12, false);
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind == InputKind::Number) {
            FieldOf(input)->setFont(listFont);
            continue;
        }
        QComboBox* list = ListOf(input);
        // Adding the first entry selects it by itself; the handlers are meant
        // to run for the default selections only, once the lists are complete.
        const QSignalBlocker blocker(list);
        // The font goes on while the list is still empty: a font change makes
        // the list's popup lay out all its entries again, which costs nothing
        // now.
        list->setFont(listFont);
        list->addItems(input.entryNames(startup_.LangOffset));
        list->setCurrentIndex(-1);
    }
}

void frmCalc::SetResultLook() {
    const QFont resultFont = GroupFont(12, true);
    for (QLineEdit* result : {txtResult1Text, txtResult2Text}) {
        result->setFont(resultFont);
        QPalette palette = result->palette();
        palette.setColor(QPalette::Text, QColor(255, 0, 0));
        result->setPalette(palette);
    }
    lblMount2Sensor->setText(QStringLiteral("(TA_01,TA_02)"));
    lblMount2Sensor->setFont(GroupFont(10, false));
}

void frmCalc::SetMarks() {
    const QFont markFont = GroupFont(startup_.LangFlag != 0 ? 14 : 12, true);
    for (QLabel* mark : lblRequired) {
        mark->setText(QStringLiteral("*"));
        mark->setFont(markFont);
    }
    lblInputRequired->setText(ComposedInputRequiredLegend(startup_.LangOffset));
    lblInputRequired->setFont(markFont);
}

void frmCalc::SelectDefaultEntries() {
    // Each selection locks or unlocks what depends on its list before the
    // next one is set; every dependent number ends locked.
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind == InputKind::List) ListOf(input)->setCurrentIndex(0);
    }
}

void frmCalc::SetUpAccessibility() {
    for (const auto& [caption, field] : CaptionedFields()) {
        field->setAccessibleName(caption->text());
    }
}
