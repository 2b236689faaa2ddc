#pragma once
#include <QLocale>
#include <QString>
#include <ostream>

inline std::ostream& operator<<(std::ostream& os, const QString& text) {
    return os << '"' << text.toStdString() << '"';
}

// Point decimal with comma grouping, and the reverse.
inline const QLocale kUs(QLocale::English, QLocale::UnitedStates);
inline const QLocale kGerman(QLocale::German, QLocale::Germany);
