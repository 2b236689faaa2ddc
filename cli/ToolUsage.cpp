#include "cli/ToolUsage.h"

#include <string_view>

#include "cli/ExitStatus.h"
#include "cli/ToolOptionTable.h"

namespace {

struct GroupLayout {
    OptionGroup group;
    std::string_view heading;
    // Descriptions start in this column; an option too long for it has its
    // description on the lines below.
    std::size_t descriptionColumn;
    std::string_view note = {};  // lines after the group's options
};

constexpr GroupLayout kGroups[] = {
    {OptionGroup::OnePoint, "One point:", 30,
     "  A list not given takes its first entry, as the window does at start; a number\n"
     "  not given is empty and refused where the window requires it. A velocity\n"
     "  given alone selects its list's typed-velocity entry; a value that the entry\n"
     "  given does not read is refused. Names match without regard to case, in\n"
     "  Japanese or English (see --list). Numbers use a decimal point and no\n"
     "  grouping.\n"},
    {OptionGroup::ManyPoints, "Many points:", 20},
    {OptionGroup::Settings, "Settings (default: Velkara.ini beside the program):", 20},
    {OptionGroup::Output, "Output:", 20},
};

std::string OptionLines(const ToolOption& option, std::size_t column) {
    std::string lines = "  --" + option.name;
    if (!option.valueName.empty()) lines += ' ' + option.valueName;
    if (lines.size() < column) {
        lines.resize(column, ' ');
    } else {
        lines += '\n' + std::string(column, ' ');
    }
    for (const char c : option.description) {
        lines += c;
        if (c == '\n') lines.append(column, ' ');
    }
    return lines + '\n';
}

std::string Status(ExitStatus status) {
    return std::to_string(static_cast<int>(status));
}

}  // namespace

std::string ToolUsage() {
    std::string usage =
        "Usage: velkara-spacing [OPTION]...\n"
        "Computes the axial spacing of the two sensors of a clamp-on transit-time\n"
        "ultrasonic flow meter, with the checks and texts of the Velkara window.\n"
        "\n";
    for (const GroupLayout& group : kGroups) {
        usage += std::string(group.heading) + '\n';
        for (const ToolOption& option : ToolOptionTable()) {
            if (option.group == group.group) usage += OptionLines(option, group.descriptionColumn);
        }
        usage += std::string(group.note) + '\n';
    }
    return usage + "Exit status: " + Status(ExitStatus::Success) + " every point computed; " +
           Status(ExitStatus::PointNotComputed) + " a point refused or failed; " +
           Status(ExitStatus::UsageError) + " a usage or\ninput/output error.\n";
}
