#pragma once
// Builds the calculator window for one language and unit system, the way
// start-up would, and puts the start-up values back afterwards.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <ostream>

#include "app/ModCommonProc.h"
#include "support/TestSupport.h"
#include "text/TextTable.h"
#include "window/frmCalc.h"

struct RunSettings {
    std::int16_t lang;  // LangFlag: 0 Japanese
    std::int16_t unit;  // UnitFlag: 0 metric
    bool english() const { return lang != 0; }
    bool inch() const { return unit != 0; }
};

inline std::ostream& operator<<(std::ostream& os, const RunSettings& s) {
    return os << (s.english() ? "English" : "Japanese") << '/' << (s.inch() ? "inch" : "metric");
}

class ScopedStartupValues {
public:
    explicit ScopedStartupValues(RunSettings settings)
        : unit_(ModCommonProc::UnitFlag),
          lang_(ModCommonProc::LangFlag),
          offset_(ModCommonProc::LangOffset),
          font_(ModCommonProc::CaptionFontName) {
        ModCommonProc::UnitFlag = settings.unit;
        ModCommonProc::LangFlag = settings.lang;
        ModCommonProc::LangOffset = settings.lang == 0 ? 0 : 5000;
        ModCommonProc::CaptionFontName = FncGetText(1);
    }
    ~ScopedStartupValues() {
        ModCommonProc::UnitFlag = unit_;
        ModCommonProc::LangFlag = lang_;
        ModCommonProc::LangOffset = offset_;
        ModCommonProc::CaptionFontName = font_;
    }
    ScopedStartupValues(const ScopedStartupValues&) = delete;
    ScopedStartupValues& operator=(const ScopedStartupValues&) = delete;

private:
    std::int16_t unit_, lang_, offset_;
    QString font_;
};

// The window with its start-up values; the values stay set for the life of
// the object because the window reads them (the validators, for example).
class WindowUnderTest {
public:
    explicit WindowUnderTest(RunSettings settings)
        : values_(settings), window_(std::make_unique<frmCalc>()) {}
    frmCalc* operator->() const { return window_.get(); }
    frmCalc& operator*() const { return *window_; }

private:
    ScopedStartupValues values_;
    std::unique_ptr<frmCalc> window_;
};

inline const RunSettings kAllRunSettings[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};

inline QColor ButtonFaceColour() {
    return QApplication::palette().color(QPalette::Button);
}
inline QColor WindowBackgroundColour() {
    return QApplication::palette().color(QPalette::Base);
}

inline bool LooksLocked(QLineEdit* field) {
    return field->isReadOnly() && field->palette().color(QPalette::Base) == ButtonFaceColour();
}
inline bool LooksUnlocked(QLineEdit* field) {
    return !field->isReadOnly() &&
           field->palette().color(QPalette::Base) == WindowBackgroundColour();
}

inline QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}
