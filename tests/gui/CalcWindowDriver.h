#pragma once
// Drives a real, shown frmCalc the way a user does: clicks into fields, typed
// keys, keyboard picks in the lists, a click on Execute. The start-up values
// and the number locale are set for the window's whole life (the validators
// read them) and restored afterwards.

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <cstdint>
#include <memory>
#include <ostream>

#include "window/frmCalc.h"

// Start-up values and number locale of one run of the program.
struct CalcRun {
    std::int16_t unitFlag = 0;  // 0 metric
    std::int16_t langFlag = 0;  // 0 Japanese
    QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates);
    bool english() const { return langFlag != 0; }
    bool inch() const { return unitFlag != 0; }
};

inline std::ostream& operator<<(std::ostream& os, const CalcRun& r) {
    return os << (r.english() ? "English" : "Japanese") << (r.inch() ? "Inch" : "Metric");
}

inline const CalcRun kAllRuns[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};

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
    void ClickExecute();
    // Settles queued events; call after each action that may show a box.
    void Settle();

    QString Result1() const { return window_->txtResult1Text->text(); }
    QString Result2() const { return window_->txtResult2Text->text(); }

private:
    std::int16_t unitFlag_, langFlag_;
    std::unique_ptr<frmCalc> window_;
};

// Locked: read-only on the button face; unlocked: editable on the window colour.
bool LooksLocked(QLineEdit* field);
bool LooksUnlocked(QLineEdit* field);

// List positions used by the tests.
namespace Pos {
inline constexpr int CarbonSteel = 0, PipeSV = 12;
inline constexpr int NoLining = 0, TarEpoxy = 1, LiningSV = 7;
inline constexpr int Water = 0, FluidSV = 17;
inline constexpr int VMethod = 0, ZMethod = 1;
inline constexpr int TA01 = 2, TB01 = 4, TB04 = 7, TB05 = 8;
}  // namespace Pos
