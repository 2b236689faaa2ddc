#pragma once
// Helpers shared by the test suites.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <ostream>

#include "app/ModCommonProc.h"

// Lets GoogleTest print QString values in failure messages.
inline std::ostream& operator<<(std::ostream& os, const QString& text) {
    return os << '"' << text.toStdString() << '"';
}

// Number locales: point decimal with comma grouping, and the reverse.
inline const QLocale kUs(QLocale::English, QLocale::UnitedStates);
inline const QLocale kGerman(QLocale::German, QLocale::Germany);

// Sets the run's language (LangOffset) for one scope and restores it after.
struct LanguageScope {
    explicit LanguageScope(std::int16_t offset) : saved(ModCommonProc::LangOffset) {
        ModCommonProc::LangOffset = offset;
    }
    ~LanguageScope() { ModCommonProc::LangOffset = saved; }
    const std::int16_t saved;
};
