#pragma once
// Point and comma decimals, other group separators, and an own decimal sign.
#include <QLocale>

inline const QLocale& FuzzLocale(std::size_t selector) {
    using L = QLocale;
    static const L locales[] = {L::c(),       L(L::English), L(L::Japanese),
                                L(L::German), L(L::French),  L(L::Arabic, L::Egypt)};
    return locales[selector % std::size(locales)];
}
