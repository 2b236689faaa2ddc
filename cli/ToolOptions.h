#pragma once
// The command line of velkara-spacing: what to do, and the entries of one
// point named after the window's fields.

#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <variant>

#include "list/CsvEncoding.h"
#include "rules/GivenValues.h"

struct ToolOptions {
    // Compare: every sensor and method on the point's entries.
    enum class Action { Point, Compare, Csv, List, Help, Version };
    Action action = Action::Point;
    // Per given field (GivenFields()), UTF-8; `given` tells an option from none.
    std::array<std::string, kGivenCount> values;
    std::array<bool, kGivenCount> given{};
    // Overrides of the settings file for this run.
    std::optional<Units> units;
    std::optional<Language> language;
    std::string csvPath;                  // "-": standard input
    std::string sheetPath;                // the mounting sheet's PDF; empty: none
    std::optional<CsvEncoding> encoding;  // of the CSV list; detected when not given
    bool json = false;
};

// The options, or the reason they cannot be used (for "velkara-spacing:
// <reason>"). `arguments` excludes the program name.
std::variant<ToolOptions, std::string> ParseToolOptions(const QStringList& arguments);
