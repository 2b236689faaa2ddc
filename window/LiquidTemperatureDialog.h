#pragma once
// The fluid's sound velocity from the temperature of a liquid with a
// published model, offered from the fluid list and the fluid velocity field:
// the user picks the liquid (the fluid list's entry when it has a model, else
// water), types the temperature in the run's unit, and for seawater its
// salinity, and reads as they type the velocity at it with the model's
// source and range, or why the text is refused; the window then takes the
// velocity.

#include <QDialog>

#include "rules/LiquidTemperature.h"
#include "settings/ModCommonProc.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class LiquidTemperatureDialog : public QDialog {
    Q_OBJECT

public:
    // `fluidPosition`: the fluid list's entry when the dialog opens.
    LiquidTemperatureDialog(const StartupValues& startup, int fluidPosition,
                            QWidget* parent = nullptr);

    // The liquid and what was typed for it; the dialog is accepted only with
    // a reading that is not refused.
    const TemperatureModel& Model() const;
    int Fluid() const;  // the liquid's entry of the fluid list
    const LiquidReading& Reading() const { return reading_; }

private:
    QLineEdit* AddNumberRow(QGridLayout* layout, int row, TextId caption, const QString& unit,
                            QLabel* range, const char* name);
    QLabel* AddLine(QGridLayout* layout, int row, const char* name, const QStringList& widest);
    void ShowModel();
    void ShowReading();

    const StartupValues startup_;
    QComboBox* liquid_ = nullptr;
    QLineEdit* temperature_ = nullptr;
    QLabel* temperatureRange_ = nullptr;
    QLineEdit* salinity_ = nullptr;
    QLabel* velocity_ = nullptr;
    QLabel* source_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
    LiquidReading reading_;
};
