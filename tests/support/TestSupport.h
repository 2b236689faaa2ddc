#pragma once
// Helpers shared by the test suites.

#include <QString>
#include <cstdint>
#include <ostream>

#include "app/ModCommonProc.h"

// Lets GoogleTest print QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

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
