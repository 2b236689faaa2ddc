#pragma once
#include <QLocale>
#include <QString>
#include <ostream>

#include "app/settings/ModCommonProc.h"

inline std::ostream& operator<<(std::ostream& os, const QString& text) {
    return os << '"' << text.toStdString() << '"';
}

// Point decimal with comma grouping, and the reverse.
inline const QLocale kUs(QLocale::English, QLocale::UnitedStates);
inline const QLocale kGerman(QLocale::German, QLocale::Germany);

// The run's language (LangOffset) for one scope.
struct LanguageScope {
    explicit LanguageScope(int offset) { ModCommonProc::LangOffset = std::int16_t(offset); }
    ~LanguageScope() { ModCommonProc::LangOffset = saved; }
    const std::int16_t saved = ModCommonProc::LangOffset;
};
