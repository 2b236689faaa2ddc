#pragma once
// The fluid's sound velocity from the temperature of water, offered from the
// fluid list and the fluid velocity field: the user types the temperature in
// the run's unit and reads, as they type, the velocity at it or why the text
// is refused; the window then takes the velocity.

#include <QDialog>

#include "rules/WaterTemperature.h"
#include "settings/ModCommonProc.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class WaterTemperatureDialog : public QDialog {
    Q_OBJECT

public:
    explicit WaterTemperatureDialog(const StartupValues& startup, QWidget* parent = nullptr);

    // The temperature as it stands; the dialog is accepted only with one
    // that is not refused.
    const WaterReading& Reading() const { return reading_; }

private:
    void AddTemperatureRow(QGridLayout* layout);
    QLabel* NewVelocityLine();
    void ShowReading();

    const StartupValues startup_;
    QLineEdit* temperature_ = nullptr;
    QLabel* velocity_ = nullptr;
    QPushButton* ok_ = nullptr;
    WaterReading reading_;
};
