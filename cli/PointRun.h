#pragma once
// One measuring point as typed outside the window (an option, a CSV cell):
// names are looked up in the lists, then the point goes through exactly the
// checks and the calculation of the window's Execute button.

#include <QString>
#include <array>
#include <string_view>
#include <unordered_map>

#include "cli/ListNames.h"
#include "rules/SpacingRun.h"
#include "settings/ModCommonProc.h"

// What the tool runs with: the language, the unit system and its number
// format (a decimal point, no grouping, whatever the user's locale), and the
// list names to look entries up by.
struct ToolContext {
    explicit ToolContext(const StartupValues& values);
    StartupValues startup;
    ListNames names;

    // startup.Text(id), looked up once per run for the texts a point may need.
    QString Text(std::int16_t id) const;

private:
    std::unordered_map<std::int16_t, QString> texts_;
};

// The number format of the tool: the same on every machine.
QLocale ToolNumberLocale();

// UTF-8 text per input in focus order. A number not given is empty, like a
// field nobody typed in; a list not given takes its first entry, like the
// window at start; so does an empty name.
struct TypedPoint {
    std::array<std::string_view, kInputCount> values{};
    std::array<bool, kInputCount> given{};
};

struct PointOutcome {
    SpacingRun run;
    // Refused or failed: the window's message, after the caption of the
    // field it refuses ("WALL THICKNESS: The value is outside of range").
    QString message;
};

PointOutcome RunPoint(const TypedPoint& point, const ToolContext& context);
