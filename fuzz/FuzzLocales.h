#pragma once
// Locales the fuzz targets read and write numbers in: point and comma
// decimals, other group separators, and one with its own decimal sign.
#include <QLocale>
#include <iterator>

inline const QLocale& FuzzLocale(std::size_t selector) {
    static const QLocale locales[] = {QLocale::c(),
                                      QLocale(QLocale::English),
                                      QLocale(QLocale::Japanese),
                                      QLocale(QLocale::German),
                                      QLocale(QLocale::French),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    return locales[selector % std::size(locales)];
}
