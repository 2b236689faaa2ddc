#include "window/UserNumberLocale.h"

namespace {

std::optional<QLocale>& Override() {
    static std::optional<QLocale> locale;
    return locale;
}

}  // namespace

QLocale UserNumberLocale() {
    return Override().value_or(QLocale::system());
}

void SetUserNumberLocaleOverride(std::optional<QLocale> locale) {
    Override() = std::move(locale);
}
