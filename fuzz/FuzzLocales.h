#pragma once
// Locales the fuzz targets read and write numbers in: point and comma
// decimals, different group separators, and one with non-Latin digits.

#include <QLocale>
#include <cstddef>
#include <iterator>

inline const QLocale& FuzzLocale(std::size_t selector) {
    static const QLocale locales[] = {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Arabic, QLocale::Egypt),
    };
    return locales[selector % std::size(locales)];
}
