#include "window/LiquidTemperatureDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "rules/ListPositions.h"
#include "rules/Materials.h"
#include "rules/NameLists.h"
#include "rules/NumberText.h"
#include "rules/UnitTexts.h"
#include "window/DialogLook.h"
#include "window/frmCalcLayout.h"

using enum TextId;

LiquidTemperatureDialog::LiquidTemperatureDialog(const StartupValues& startup, int fluidPosition,
                                                 QWidget* parent)
    : QDialog(parent), startup_(startup) {
    SetUpDialog(this, startup_, QStringLiteral("LiquidTemperatureDialog"), LiquidTitle);
    const Units units = startup_.format.units;
    auto* layout = new QGridLayout(this);

    auto* caption = new QLabel(startup_.Text(LiquidCaption), this);
    caption->setFont(WindowFont(startup_, 12, true));
    liquid_ = new QComboBox(this);
    liquid_->setObjectName(QStringLiteral("liquid"));
    const QStringList names = FluidNameList(startup_.language);
    for (const int position : FncLiquidEntries()) liquid_->addItem(names[position], position);
    caption->setBuddy(liquid_);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(liquid_, 0, 1, 1, 3);

    temperatureRange_ = new QLabel(this);
    temperature_ = AddNumberRow(layout, 1, LiquidTemperatureCaption,
                                FncUnitCaption(Quantity::Temperature, units), temperatureRange_,
                                "temperature");
    const Range salinity = FncSalinityRange();
    salinity_ = AddNumberRow(
        layout, 2, SalinityCaption, QString(),
        new QLabel(FncLimitText(salinity.lower) + u'-' + FncLimitText(salinity.upper), this),
        "salinity");
    salinity_->setText(FncPlainNumberText(kSalinityDefault, startup_.format.locale));

    // Each line as wide as its widest text, so the dialog keeps its size.
    const InputDescriptor& field = Describe(InputId::FluidVelocity);
    QStringList velocities = {
        startup_.Text(field.captionTextId) + QStringLiteral(": ") +
        FncWithUnit(FncLimitText(RangeOf(field, units).upper), Quantity::Velocity, units)};
    for (const Reason reason : {Reason::NotANumber, Reason::OutOfRange})
        velocities << FncReasonText(reason, startup_.language);
    QStringList sources, notes;
    for (const TemperatureModel& model : kTemperatureModels) {
        sources << FncLiquidSourceCaption(model, startup_.language, units);
        LiquidReading warmest;
        warmest.temperature = RangeOf(model, units).upper.value;
        notes << FncLiquidSaturatedNote(model, warmest, startup_.language, units);
    }
    for (const QString& name : names) notes << startup_.Text(LiquidNoModel).arg(name);
    velocity_ = AddLine(layout, 3, "velocity", velocities);
    source_ = AddLine(layout, 4, "source", sources);
    note_ = AddLine(layout, 5, "note", notes);
    note_->setWordWrap(true);

    QDialogButtonBox* buttons = NewOkCancelButtons(this, startup_);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons, 6, 0, 1, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The fluid list's entry when it has a model; else water, and why.
    const int start = liquid_->findData(fluidPosition);
    liquid_->setCurrentIndex(std::max(start, 0));
    connect(liquid_, &QComboBox::currentIndexChanged, this, &LiquidTemperatureDialog::ShowModel);
    connect(temperature_, &QLineEdit::textChanged, this, &LiquidTemperatureDialog::ShowReading);
    connect(salinity_, &QLineEdit::textChanged, this, &LiquidTemperatureDialog::ShowReading);
    ShowModel();
    if (start < 0 && fluidPosition >= 0 && fluidPosition < kFluidTypedVelocityEntry)
        note_->setText(startup_.Text(LiquidNoModel).arg(names[fluidPosition]));
    temperature_->setFocus(Qt::OtherFocusReason);
}

const TemperatureModel& LiquidTemperatureDialog::Model() const {
    return *FncTemperatureModelOf(Fluid());
}

int LiquidTemperatureDialog::Fluid() const {
    return liquid_->currentData().toInt();
}

// One row as the window shows a number: caption, field, unit and range.
QLineEdit* LiquidTemperatureDialog::AddNumberRow(QGridLayout* layout, int row, TextId caption,
                                                 const QString& unit, QLabel* range,
                                                 const char* name) {
    auto* label = new QLabel(startup_.Text(caption), this);
    label->setFont(WindowFont(startup_, 12, true));
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setAccessibleName(label->text());
    // The size of the fluid velocity field it fills.
    for (const ControlSpec& spec : WindowLayout()) {
        if (spec.role == Role::Entry && spec.input == InputId::FluidVelocity)
            field->setFixedSize(TwipsToPixels(spec.width), TwipsToPixels(spec.height));
    }
    label->setBuddy(field);
    auto* unitLabel = new QLabel(unit, this);
    unitLabel->setFont(WindowFont(startup_, 8));
    range->setFont(DesignFontOf(DesignFont::Terminal));
    layout->addWidget(label, row, 0);
    layout->addWidget(field, row, 1);
    layout->addWidget(unitLabel, row, 2);
    layout->addWidget(range, row, 3);
    return field;
}

QLabel* LiquidTemperatureDialog::AddLine(QGridLayout* layout, int row, const char* name,
                                         const QStringList& widest) {
    auto* line = new QLabel(this);
    line->setObjectName(QString::fromLatin1(name));
    const QFontMetrics metrics(line->font());
    int width = 0;
    for (const QString& text : widest) width = std::max(width, metrics.horizontalAdvance(text));
    line->setMinimumSize(width, metrics.height());
    layout->addWidget(line, row, 0, 1, 4);
    return line;
}

// A liquid picked: its range and source, the salinity only for seawater.
void LiquidTemperatureDialog::ShowModel() {
    const TemperatureModel& model = Model();
    const Units units = startup_.format.units;
    temperatureRange_->setText(FncLiquidRangeCaption(model, units));
    source_->setText(FncLiquidSourceCaption(model, startup_.language, units));
    salinity_->setEnabled(FncLiquidModelFacts(model.liquid).takesSalinity);
    ShowReading();
}

// The velocity at what is typed, or why the text is refused; an empty
// temperature, not yet typed in, is not reproached.
void LiquidTemperatureDialog::ShowReading() {
    const TemperatureModel& model = Model();
    reading_ = FncReadLiquid(model, temperature_->text(), salinity_->text(), startup_.format);
    ok_->setEnabled(!reading_.refusal);
    note_->clear();
    if (!reading_.refusal) {
        velocity_->setText(startup_.Text(Describe(InputId::FluidVelocity).captionTextId) +
                           QStringLiteral(": ") +
                           FncLiquidVelocityCaption(reading_, startup_.format.units));
        note_->setText(
            FncLiquidSaturatedNote(model, reading_, startup_.language, startup_.format.units));
    } else if (temperature_->text().isEmpty()) {
        velocity_->clear();
    } else {
        const QString field = reading_.salinityRefused
                                  ? startup_.Text(SalinityCaption) + QStringLiteral(": ")
                                  : QString();
        velocity_->setText(field + FncReasonText(*reading_.refusal, startup_.language));
    }
}
