#pragma once
// Drives a real frmCalc the way a user does: mouse clicks into fields, typed
// keys, keyboard picks in the lists, a click on Execute. The start-up values
// and the number locale are set for the window's whole life and restored
// afterwards.

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <memory>

#include "window/frmCalc.h"

// Start-up values and number locale of one run of the program.
struct CalcRun {
    std::int16_t unitFlag = 0;  // 0 metric
    std::int16_t langFlag = 0;  // 0 Japanese
    QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates);
};

class ScopedCalcRun {
public:
    explicit ScopedCalcRun(const CalcRun& run);
    ~ScopedCalcRun();
    ScopedCalcRun(const ScopedCalcRun&) = delete;
    ScopedCalcRun& operator=(const ScopedCalcRun&) = delete;

private:
    std::int16_t unitFlag_, langFlag_, langOffset_;
    QString captionFontName_;
};

class CalcWindowDriver {
public:
    explicit CalcWindowDriver(const CalcRun& run = {});
    ~CalcWindowDriver();

    frmCalc& window() { return *window_; }
    frmCalc* operator->() { return window_.get(); }

    // Clicks into the field and replaces its text by typing.
    void TypeInto(QLineEdit* field, const QString& text);
    // Gives the list the focus and walks to `position` with the arrow keys.
    void Pick(QComboBox* list, int position);
    // A left click on the Execute button.
    void ClickExecute();
    // Settles queued events; call after each action that may show a box.
    void Settle();

    QString Result1() const { return window_->txtResult1Text->text(); }
    QString Result2() const { return window_->txtResult2Text->text(); }

private:
    ScopedCalcRun run_;
    std::unique_ptr<frmCalc> window_;
};

// List positions used by the tests.
namespace Pos {
inline constexpr int kCarbonSteel = 0;
inline constexpr int kPipeSV = 12;
inline constexpr int kNoLining = 0;
inline constexpr int kTarEpoxy = 1;
inline constexpr int kLiningSV = 7;
inline constexpr int kWater = 0;
inline constexpr int kFluidSV = 17;
inline constexpr int kVMethod = 0;
inline constexpr int kZMethod = 1;
inline constexpr int kTA01 = 2;
inline constexpr int kTB01 = 4;
inline constexpr int kTB04 = 7;
inline constexpr int kTB05 = 8;
}  // namespace Pos
