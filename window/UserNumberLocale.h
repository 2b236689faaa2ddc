#pragma once
// The locale in which the user types numbers and reads results.

#include <QLocale>
#include <optional>

// The system's locale, unless an override is installed.
QLocale UserNumberLocale();

// Installs (or, with std::nullopt, removes) a locale that replaces the
// system's. QLocale::setDefault cannot do this: QLocale::system() ignores it.
void SetUserNumberLocaleOverride(std::optional<QLocale> locale);
