#include "window/frmCalc.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <exception>

#include "rules/FieldRefusal.h"
#include "rules/ListPositions.h"
#include "rules/NameLists.h"
#include "rules/SpacingComparison.h"
#include "rules/SpacingRun.h"
#include "rules/UnitTexts.h"
#include "text/TextTable.h"
#include "window/ComparisonDialog.h"
#include "window/ContextMenuEntries.h"
#include "window/DialogLook.h"
#include "window/FieldValidator.h"
#include "window/FontSubstitutions.h"
#include "window/LiquidTemperatureDialog.h"
#include "window/MessageBox.h"
#include "window/PipeSizeDialog.h"
#include "window/TypeIntoField.h"
#include "window/WheelGuard.h"
#include "window/frmCalcLayout.h"

// The icons live in a static library: its resources must be registered by
// hand. Q_INIT_RESOURCE has to stand outside any namespace.
static void InitResources() {
    Q_INIT_RESOURCE(velkara);
}

namespace {

// Locked: read-only on the button-face colour. Unlocked: editable on the
// window-background colour.
void SetFieldLocked(QLineEdit* field, bool locked) {
    field->setReadOnly(locked);
    // QLineEdit turns the input method back on whenever it becomes editable.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    const QPalette system = QApplication::palette();
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, system.color(locked ? QPalette::Button : QPalette::Base));
    field->setPalette(palette);
}

}  // namespace

frmCalc::frmCalc(const StartupValues& startup, QWidget* parent)
    : QWidget(parent), startup_(startup) {
    InitResources();
    InstallFontSubstitutions();
    setObjectName(QStringLiteral("frmCalc"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velkara-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/velkara-32.png"), QSize(32, 32));
    setWindowIcon(icon);

    CreateControls();
    SetUpControls();
    SetUpFocusOrder();
    // Fixed single border: the user cannot drag the window to another size.
    setFixedSize(TwipsToPixels(kWindowWidthTwips), TwipsToPixels(kWindowHeightTwips));
    // Every text and font in the run's language and unit system.
    SetCaptions();
    SetUnitsAndRanges();
    SetResultLook();
    SetMarks();
    FillLists();
    ConnectHandlers();
    // Each selection runs its list's handler: every dependent number ends
    // locked.
    SelectDefaultEntries();
    SetUpAccessibility();
    ControlsOf(InputId::OuterDiameter).entry->setFocus(Qt::OtherFocusReason);
    SetUpValidators();
    SetUpPipeSizeTable();
    SetUpLiquidTemperature();
    SetUpComparison();
    SetUpSheet();
    SetUpList();
}

frmCalc::~frmCalc() = default;

// --- Construction ----------------------------------------------------------

void frmCalc::CreateControls() {
    for (const ControlSpec& spec : WindowLayout()) {
        QWidget* container = this;
        if (spec.container != nullptr) {
            container = findChild<QWidget*>(QString::fromLatin1(spec.container),
                                            Qt::FindDirectChildrenOnly);
        }
        Q_ASSERT(container != nullptr);
        AddControl(spec, container);
    }
}

void frmCalc::AddControl(const ControlSpec& spec, QWidget* container) {
    InputControls& input = inputs_[FocusPosition(spec.input)];
    switch (spec.role) {
        case Role::Caption:
            input.caption = CreateControl<QLabel>(spec, container);
            break;
        case Role::Entry:
            if (Describe(spec.input).kind == InputKind::Number) {
                input.entry = CreateControl<QLineEdit>(spec, container);
            } else {
                input.entry = CreateDropDownList(spec, container);
            }
            break;
        case Role::Unit:
            input.unit = CreateControl<QLabel>(spec, container);
            break;
        case Role::Range:
            input.range = CreateControl<QLabel>(spec, container);
            break;
        case Role::Mark:
            input.mark = CreateControl<QLabel>(spec, container);
            break;
        case Role::ResultFrame:
            resultFrame_ = CreateControl<QGroupBox>(spec, container);
            break;
        case Role::ResultCaption1:
        case Role::ResultCaption2:
            resultCaptions_[spec.role == Role::ResultCaption2] =
                CreateControl<QLabel>(spec, container);
            break;
        case Role::Result1:
        case Role::Result2:
            results_[spec.role == Role::Result2] = CreateControl<QLineEdit>(spec, container);
            break;
        case Role::ResultUnit:
            resultUnit_ = CreateControl<QLabel>(spec, container);
            break;
        case Role::RailNote:
            railNote_ = CreateControl<QLabel>(spec, container);
            break;
        case Role::Legend:
            legend_ = CreateControl<QLabel>(spec, container);
            break;
        case Role::Execute:
            execute_ = CreateControl<QPushButton>(spec, container);
            break;
    }
}

void frmCalc::SetUpControls() {
    // A list may change only while the user works in it, never because the
    // wheel turned over it on the way to another control.
    auto* wheelGuard = new WheelGuard(this);
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind == InputKind::List) {
            wheelGuard->Guard(ListOf(input));
            continue;
        }
        QLineEdit* field = FieldOf(input);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Numbers only: an input method editor would just get in the way.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    for (QLineEdit* result : results_) {
        result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetFieldLocked(result, true);
        // The results lie inside the frame's rectangle but belong to the
        // window; they must be drawn over the frame.
        result->raise();
    }
    for (const auto& [caption, field] : CaptionedFields()) caption->setBuddy(field);
}

void frmCalc::SetUpFocusOrder() {
    // The inputs in their order, then Execute and the results.
    QList<QWidget*> order;
    for (const InputControls& input : inputs_) order.append(input.entry);
    order << execute_ << results_[0] << results_[1];
    // Only the controls of the layout; the lists' own popups keep theirs.
    QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls += resultFrame_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (!order.contains(control)) control->setFocusPolicy(Qt::NoFocus);
    }
    for (QWidget* control : order) control->setFocusPolicy(Qt::StrongFocus);
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmCalc::SetCaptions() {
    setWindowTitle(ComposedWindowTitle(startup_.language));
    const QFont captionFont = WindowFont(startup_, 12, true);
    for (const InputDescriptor& input : Inputs()) {
        QLabel* caption = ControlsOf(input.id).caption;
        caption->setText(startup_.Text(input.captionTextId));
        caption->setFont(captionFont);
    }
    for (int i = 0; i < 2; ++i) {
        resultCaptions_[i]->setText(ComposedMountSizeCaption(i + 1, startup_.language));
        resultCaptions_[i]->setFont(captionFont);
    }
    execute_->setText(startup_.Text(TextId::CaptionExecute));
    execute_->setFont(captionFont);
    resultFrame_->setTitle(startup_.Text(TextId::CaptionResultFrame));
    resultFrame_->setFont(captionFont);
}

void frmCalc::SetUnitsAndRanges() {
    const QFont unitFont = WindowFont(startup_, 8);
    setFont(unitFont);
    const Units units = startup_.format.units;
    // Each number's unit, and the result's, which is a length.
    resultUnit_->setText(FncUnitCaption(Quantity::Length, units));
    resultUnit_->setFont(unitFont);
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

void frmCalc::SetResultLook() {
    const QFont resultFont = WindowFont(startup_, 12, true);
    for (QLineEdit* result : results_) {
        result->setFont(resultFont);
        QPalette palette = result->palette();
        palette.setColor(QPalette::Text, QColor(255, 0, 0));
        result->setPalette(palette);
    }
    railNote_->setText(u'(' + RailSensorNames().join(u',') + u')');
    railNote_->setFont(WindowFont(startup_, 10));
}

void frmCalc::SetMarks() {
    const QFont markFont =
        WindowFont(startup_, startup_.language == Language::English ? 14 : 12, true);
    for (const InputControls& input : inputs_) {
        input.mark->setText(QStringLiteral("*"));
        input.mark->setFont(markFont);
    }
    legend_->setText(ComposedInputRequiredLegend(startup_.language));
    legend_->setFont(markFont);
}

void frmCalc::FillLists() {
    const QFont listFont = WindowFont(startup_, 12);
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
        list->addItems(input.entryNames(startup_.language));
        list->setCurrentIndex(-1);
    }
}

void frmCalc::ConnectHandlers() {
    // A list that numbers depend on locks and unlocks them. currentIndexChanged
    // covers selections set by the program, activated a user's pick of the
    // entry that is already selected.
    for (const InputDescriptor& list : Inputs()) {
        const auto dependsOnList = [&](const InputDescriptor& input) {
            return input.lock && input.lock->list == list.id;
        };
        if (std::none_of(Inputs().begin(), Inputs().end(), dependsOnList)) continue;
        const auto handler = [this, id = list.id] { ApplyLockRules(id); };
        connect(ListOf(list), &QComboBox::currentIndexChanged, this, handler);
        connect(ListOf(list), &QComboBox::activated, this, handler);
    }
    connect(execute_, &QPushButton::clicked, this, &frmCalc::ExecuteCalc);
    // Outside dialogs a push button ignores Enter unless it is auto-default;
    // keyboard users expect Enter on the focused Execute button to calculate.
    execute_->setAutoDefault(true);
}

void frmCalc::SelectDefaultEntries() {
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind == InputKind::List) ListOf(input)->setCurrentIndex(0);
    }
}

void frmCalc::SetUpAccessibility() {
    for (const auto& [caption, field] : CaptionedFields()) {
        field->setAccessibleName(caption->text());
    }
}

// Leaving a number field checks it; a refusal keeps the user there.
void frmCalc::SetUpValidators() {
    fieldValidator_ = new FieldValidator(this);
    for (const InputDescriptor& input : Inputs()) {
        if (input.kind != InputKind::Number) continue;
        fieldValidator_->Watch(
            FieldOf(input), [this, &input](const QString& text) -> std::optional<QString> {
                const FieldReading reading =
                    FncReadField(input, text, startup_.format, EmptyText::Accepted);
                if (!reading.refusal) return std::nullopt;
                return FncReasonText(*reading.refusal, startup_.language);
            });
    }
}

// The outer diameter offers the pipe size tables.
void frmCalc::SetUpPipeSizeTable() {
    OfferPipeSizeTable(FieldOf(Describe(InputId::OuterDiameter)),
                       startup_.Text(TextId::PipeSizeMenuEntry), [this] { OpenPipeSizeTable(); });
}

// The fluid list and the fluid velocity field offer the velocity of a liquid
// from its temperature; in the field, locked or not, so do Alt+Down and F4.
void frmCalc::SetUpLiquidTemperature() {
    const QString entry = startup_.Text(TextId::LiquidMenuEntry);
    const auto open = [this] { OpenLiquidTemperature(); };
    QLineEdit* velocity = FieldOf(Describe(InputId::FluidVelocity));
    AddContextMenuEntry(ListOf(Describe(InputId::Fluid)), entry, open);
    AddContextMenuEntry(velocity, entry, open);
    AddDropDownKeys(velocity, open);
}

// The sensor type list and both results offer every sensor with every method.
void frmCalc::SetUpComparison() {
    const QString entry = startup_.Text(TextId::CompareMenuEntry);
    const std::array<QWidget*, 3> controls = {ControlsOf(InputId::SensorType).entry, results_[0],
                                              results_[1]};
    for (QWidget* control : controls)
        AddContextMenuEntry(control, entry, [this] { OpenComparison(); });
}

// --- Handlers --------------------------------------------------------------

// Picking an entry of a list that numbers depend on: the numbers are locked
// or unlocked and their marks follow. Texts stay as they are; a locked sound
// velocity is taken from the property table when Execute runs.
void frmCalc::ApplyLockRules(InputId list) {
    const Entries entries = GatherEntries();
    for (const InputDescriptor& input : Inputs()) {
        if (!input.lock || input.lock->list != list) continue;
        const bool locked = IsLocked(input, entries);
        SetFieldLocked(FieldOf(input), locked);
        ControlsOf(input.id).mark->setEnabled(!locked);
    }
}

void frmCalc::ExecuteCalc() {
    RunAndShow(GatherEntries());
}

// Runs the spacing on what the window shows and writes the result, or says
// why it could not. A failed or refused run writes nothing, so the previous
// result stays readable.
std::optional<SpacingRun> frmCalc::RunAndShow(const Entries& entries) {
    try {
        SpacingRun run = FncRunSpacing(entries, startup_.format);
        if (run.outcome != SpacingRun::Outcome::Shown) {
            ShowNotComputed(run);
            return std::nullopt;
        }
        results_[1]->setText(run.texts.result2);
        results_[0]->setText(run.texts.result1);
        return run;
    } catch (const std::exception& failure) {
        // Not a failure the calculation expects; reporting it beats letting
        // it end the program from inside the button's handler.
        SubShowMessage(this, QString::fromLocal8Bit(failure.what()));
    }
    return std::nullopt;
}

void frmCalc::ShowNotComputed(const SpacingRun& run) {
    if (run.outcome == SpacingRun::Outcome::Refused) {
        // As on leaving the field: its text selected, the message, the focus
        // back in it.
        fieldValidator_->RefuseField(FieldOf(Describe(run.refusedInput)),
                                     FncReasonText(run.reason, startup_.language));
    } else {
        SubShowMessage(this, FncReasonText(run.reason, startup_.language));
    }
}

// A size picked from the tables goes into the outer diameter and the wall as
// if typed, and the pipe material follows the table; Cancel changes nothing.
void frmCalc::OpenPipeSizeTable() {
    QLineEdit* diameter = FieldOf(Describe(InputId::OuterDiameter));
    QLineEdit* wall = FieldOf(Describe(InputId::WallThickness));
    QComboBox* pipe = ListOf(Describe(InputId::PipeMaterial));
    PipeSizeDialog dialog(
        startup_,
        FncPipeSizeOfTexts(diameter->text(), wall->text(), pipe->currentIndex(), startup_.format),
        this);
    if (dialog.exec() != QDialog::Accepted) return;
    const PipeSizePick pick = dialog.Pick();
    pipeSizePick_ = pick;
    const PipeSizeTexts texts = FncPipeSizeTexts(SizeOf(pick), startup_.format);
    TypeIntoField(diameter, texts.outerDiameter);
    TypeIntoField(wall, texts.wall);
    pipe->setCurrentIndex(FncImpliedPipeEntry(ScheduleOf(pick)));
    // On to the input after the wall, as Tab from it would go.
    ControlsOf(Inputs()[FocusPosition(InputId::WallThickness) + 1].id)
        .entry->setFocus(Qt::TabFocusReason);
}

// A temperature accepted: the fluid list's typed-velocity entry is chosen
// (which unlocks the field), the velocity goes into the field as if typed,
// and the focus moves on as Tab from the field would. Esc changes nothing.
void frmCalc::OpenLiquidTemperature() {
    QComboBox* fluid = ListOf(Describe(InputId::Fluid));
    LiquidTemperatureDialog dialog(startup_, fluid->currentIndex(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    QLineEdit* velocity = FieldOf(Describe(InputId::FluidVelocity));
    fluid->setCurrentIndex(kFluidTypedVelocityEntry);
    TypeIntoField(velocity, dialog.Reading().velocityText);
    liquid_ = LiquidOrigin{dialog.Model().liquid, dialog.Fluid(), dialog.Reading()};
    QWidget* next = velocity->nextInFocusChain();
    while (next != velocity && !(next->focusPolicy() & Qt::TabFocus && next->isEnabled()))
        next = next->nextInFocusChain();
    next->setFocus(Qt::TabFocusReason);
}

// Entries that Execute would refuse are refused as it does, and no table
// opens. A cell taken selects its sensor and method and runs Execute, so the
// results show its spacing; Esc changes nothing.
void frmCalc::OpenComparison() {
    QComboBox* sensors = ListOf(Describe(InputId::SensorType));
    QComboBox* methods = ListOf(Describe(InputId::MountingMethod));
    SpacingComparison comparison;
    try {
        comparison = FncCompareSpacings(GatherEntries(), startup_.format);
    } catch (const std::exception& failure) {
        return SubShowMessage(this, QString::fromLocal8Bit(failure.what()));
    }
    if (comparison.refusal) return ShowNotComputed(*comparison.refusal);
    ComparisonDialog dialog(startup_, comparison,
                            {sensors->currentIndex(), methods->currentIndex()}, this);
    if (dialog.exec() != QDialog::Accepted) return;
    sensors->setCurrentIndex(dialog.Pick().sensorRow);
    methods->setCurrentIndex(dialog.Pick().methodPosition);
    ExecuteCalc();
}

// --- Helpers ---------------------------------------------------------------

const frmCalc::InputControls& frmCalc::ControlsOf(InputId id) const {
    return inputs_[FocusPosition(id)];
}

QLineEdit* frmCalc::FieldOf(const InputDescriptor& input) const {
    return static_cast<QLineEdit*>(ControlsOf(input.id).entry);
}

QComboBox* frmCalc::ListOf(const InputDescriptor& input) const {
    return static_cast<QComboBox*>(ControlsOf(input.id).entry);
}

std::array<std::pair<QLabel*, QWidget*>, kInputCount + 2> frmCalc::CaptionedFields() const {
    std::array<std::pair<QLabel*, QWidget*>, kInputCount + 2> pairs;
    for (std::size_t i = 0; i < kInputCount; ++i) pairs[i] = {inputs_[i].caption, inputs_[i].entry};
    pairs[kInputCount] = {resultCaptions_[0], results_[0]};
    pairs[kInputCount + 1] = {resultCaptions_[1], results_[1]};
    return pairs;
}

Entries frmCalc::GatherEntries() const {
    Entries entries;
    for (const InputDescriptor& input : Inputs()) {
        Entry& entry = entries[FocusPosition(input.id)];
        if (input.kind == InputKind::Number) {
            entry.text = FieldOf(input)->text();
        } else {
            entry.position = ListOf(input)->currentIndex();
        }
    }
    return entries;
}
