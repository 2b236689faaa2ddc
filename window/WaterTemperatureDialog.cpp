#include "window/WaterTemperatureDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "rules/UnitTexts.h"
#include "window/frmCalcLayout.h"

using enum TextId;

WaterTemperatureDialog::WaterTemperatureDialog(const StartupValues& startup, QWidget* parent)
    : QDialog(parent), startup_(startup) {
    setObjectName(QStringLiteral("WaterTemperatureDialog"));
    setWindowTitle(startup_.Text(WaterTitle));
    setFont(WindowFont(12, false));
    const Units units = startup_.format.units;

    // One row as the window shows a number: caption, field, unit and range.
    auto* caption = new QLabel(startup_.Text(WaterTemperatureInput().captionTextId), this);
    caption->setFont(WindowFont(12, true));
    temperature_ = new QLineEdit(this);
    temperature_->setObjectName(QStringLiteral("temperature"));
    temperature_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    temperature_->setAttribute(Qt::WA_InputMethodEnabled, false);
    temperature_->setAccessibleName(caption->text());
    // The size of the fluid velocity field it fills.
    for (const ControlSpec& spec : WindowLayout()) {
        if (spec.role == Role::Entry && spec.input == InputId::FluidVelocity)
            temperature_->setFixedSize(TwipsToPixels(spec.width), TwipsToPixels(spec.height));
    }
    caption->setBuddy(temperature_);
    auto* unit = new QLabel(FncUnitCaption(Quantity::Temperature, units), this);
    unit->setFont(WindowFont(8, false));
    auto* range = new QLabel(FncWaterTemperatureRangeCaption(units), this);
    range->setFont(DesignFontOf(DesignFont::Terminal));

    velocity_ = new QLabel(this);
    velocity_->setObjectName(QStringLiteral("velocity"));
    // As wide as its widest text, so the dialog keeps its size while typing:
    // a reason, or a velocity as long as the field's upper limit.
    const InputDescriptor& field = Describe(InputId::FluidVelocity);
    const QFontMetrics metrics(velocity_->font());
    int width = metrics.horizontalAdvance(
        startup_.Text(field.captionTextId) + QStringLiteral(": ") +
        FncWithUnit(FncLimitText(RangeOf(field, units).upper), Quantity::Velocity, units));
    for (const Reason reason : {Reason::NotANumber, Reason::OutOfRange})
        width =
            std::max(width, metrics.horizontalAdvance(FncReasonText(reason, startup_.language)));
    velocity_->setMinimumSize(width, metrics.height());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(startup_.Text(DialogOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(startup_.Text(DialogCancel));
    // Enter accepts, but only while the temperature is not refused: a
    // disabled default button takes no Enter.
    ok_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(temperature_, 0, 1);
    layout->addWidget(unit, 0, 2);
    layout->addWidget(range, 0, 3);
    layout->addWidget(velocity_, 1, 0, 1, 4);
    layout->addWidget(buttons, 2, 0, 1, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(temperature_, &QLineEdit::textChanged, this, &WaterTemperatureDialog::ShowReading);
    ShowReading();
    temperature_->setFocus(Qt::OtherFocusReason);
}

// The velocity at the temperature typed, or why the text is refused; an
// empty field, not yet typed in, is not reproached.
void WaterTemperatureDialog::ShowReading() {
    reading_ = FncReadWaterTemperature(temperature_->text(), startup_.format);
    ok_->setEnabled(!reading_.refusal);
    if (!reading_.refusal) {
        velocity_->setText(startup_.Text(Describe(InputId::FluidVelocity).captionTextId) +
                           QStringLiteral(": ") +
                           FncWaterVelocityCaption(reading_, startup_.format));
    } else if (temperature_->text().isEmpty()) {
        velocity_->clear();
    } else {
        velocity_->setText(FncReasonText(*reading_.refusal, startup_.language));
    }
}

// The fonts of the window: its caption font name in the run's language.
QFont WaterTemperatureDialog::WindowFont(double points, bool bold) const {
    QFont font(startup_.CaptionFontName);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
