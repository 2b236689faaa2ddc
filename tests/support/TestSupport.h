#pragma once
// Helpers shared by the test suites.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <ostream>

#include "app/ModCommonProc.h"

// Lets GoogleTest print QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Fixed locales for number texts: point decimal with comma grouping, and
// comma decimal with point grouping.
inline const QLocale kUs(QLocale::English, QLocale::UnitedStates);
inline const QLocale kGerman(QLocale::German, QLocale::Germany);

// Sets the run's language (LangOffset) for one scope and restores it after.
class LanguageScope {
public:
    explicit LanguageScope(std::int16_t offset) : saved_(ModCommonProc::LangOffset) {
        ModCommonProc::LangOffset = offset;
    }
    ~LanguageScope() { ModCommonProc::LangOffset = saved_; }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    std::int16_t saved_;
};
