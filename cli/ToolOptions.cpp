#include "cli/ToolOptions.h"

#include <algorithm>

#include "text/TextTable.h"

namespace {

using Action = ToolOptions::Action;

// The value of "--name=value" or of "--name value"; false when missing.
bool TakeValue(const QStringList& arguments, qsizetype& at, const QString& inlineValue,
               bool hasInline, std::string& value) {
    if (hasInline) {
        value = inlineValue.toStdString();
        return true;
    }
    if (at + 1 >= arguments.size()) return false;
    value = arguments[++at].toStdString();
    return true;
}

// Flag 0 for the first word, 1 for the second; any other word is refused.
std::optional<std::string> ChooseFlag(const char* option, const std::string& value,
                                      const char* zero, const char* one,
                                      std::optional<std::int16_t>& flag) {
    if (value == zero || value == one) {
        flag = value == zero ? 0 : 1;
        return std::nullopt;
    }
    return std::string("--") + option + " takes " + zero + " or " + one + ", not '" + value + "'";
}

std::optional<std::size_t> FieldNamed(const QString& name) {
    for (std::size_t field = 0; field < kGivenCount; ++field) {
        if (name == QLatin1String(GivenFields()[field].optionName)) return field;
    }
    return std::nullopt;
}

}  // namespace

std::variant<ToolOptions, std::string> ParseToolOptions(const QStringList& arguments) {
    ToolOptions options;
    bool listAsked = false;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments[at];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            options.action = Action::Help;
            return options;
        }
        if (argument == QLatin1String("--version")) {
            options.action = Action::Version;
            return options;
        }
        if (!argument.startsWith(QLatin1String("--")) || argument.size() == 2) {
            return "unexpected argument '" + argument.toStdString() + "' (see --help)";
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const bool hasInline = equals >= 0;
        const QString inlineValue = hasInline ? argument.mid(equals + 1) : QString();
        const auto flagOption = [&](bool& flag) -> std::optional<std::string> {
            if (hasInline) return "option --" + name.toStdString() + " takes no value";
            flag = true;
            return std::nullopt;
        };
        std::string value;
        const auto needValue = [&]() -> std::optional<std::string> {
            if (TakeValue(arguments, at, inlineValue, hasInline, value)) return std::nullopt;
            return "option --" + name.toStdString() + " needs a value";
        };
        std::optional<std::string> problem;
        if (const std::optional<std::size_t> field = FieldNamed(name)) {
            if (!(problem = needValue())) {
                options.values[*field] = value;
                options.given[*field] = true;
            }
        } else if (name == QLatin1String("units")) {
            if (!(problem = needValue()))
                problem = ChooseFlag("units", value, "mm", "inch", options.unitFlag);
        } else if (name == QLatin1String("lang")) {
            if (!(problem = needValue()))
                problem = ChooseFlag("lang", value, "ja", "en", options.langFlag);
        } else if (name == QLatin1String("encoding")) {
            std::optional<std::int16_t> cp932;
            if (!(problem = needValue()) &&
                !(problem = ChooseFlag("encoding", value, "utf-8", "cp932", cp932)))
                options.encoding = *cp932 != 0 ? CsvEncoding::Cp932 : CsvEncoding::Utf8;
        } else if (name == QLatin1String("csv")) {
            if (!(problem = needValue())) options.csvPath = value;
        } else if (name == QLatin1String("json")) {
            problem = flagOption(options.json);
        } else if (name == QLatin1String("list")) {
            problem = flagOption(listAsked);
        } else {
            problem = "unknown option --" + name.toStdString() + " (see --help)";
        }
        if (problem) return *problem;
    }
    if (listAsked) {
        options.action = Action::List;
        return options;
    }
    if (options.encoding && options.csvPath.empty())
        return std::string("--encoding is for a CSV list; it goes with --csv");
    if (!options.csvPath.empty()) {
        if (options.json) return std::string("--json is for one point; it cannot go with --csv");
        for (const bool given : options.given) {
            if (given)
                return std::string("a point is given either by options or by --csv, not both");
        }
        options.action = Action::Csv;
    }
    return options;
}

std::string OptionRefusalText(const GivenRefusal& refusal, const ToolOptions& options) {
    const auto option = [](std::size_t field) {
        return std::string("--") + GivenFields()[field].optionName;
    };
    const std::string& value = options.values[refusal.field];
    switch (refusal.reason) {
        case GivenRefusal::Reason::NotInList:
            break;
        case GivenRefusal::Reason::NotReadWith:
            return option(refusal.field) + " cannot be given with " + option(refusal.other) + " '" +
                   options.values[refusal.other] + "', which does not read it (see --list)";
        case GivenRefusal::Reason::Needs:
            return option(refusal.field) + " needs " + option(refusal.other) + " (see --list)";
        case GivenRefusal::Reason::NoSuchSize:
            return option(refusal.field) + ": " + refusal.quoted[0].toStdString() +
                   " has no size '" + value + "' (see --list)";
        case GivenRefusal::Reason::Differs:
            return option(refusal.field) + " " + value + " differs from the pipe size table, " +
                   "which gives " + refusal.quoted[0].toStdString() + " for " +
                   refusal.quoted[1].toStdString();
    }
    return option(refusal.field) + ": no entry is named '" + value +
           "', nor one alone starts so (see --list)";
}

std::string ToolUsage() {
    std::string usage =
        "Usage: velkara-spacing [OPTION]...\n"
        "Computes the axial spacing of the two sensors of a clamp-on transit-time\n"
        "ultrasonic flow meter, with the checks and texts of the Velkara window.\n"
        "\n"
        "One point:\n";
    for (const InputDescriptor& input : Inputs()) {
        // The window's English caption says what each one is.
        std::string line = std::string("  --") + input.optionName +
                           (input.kind == InputKind::Number ? " NUMBER" : " NAME");
        line.resize(std::max<std::size_t>(line.size() + 1, 30), ' ');
        usage += line + FncGetText(input.captionTextId, 5000).toStdString() + "\n";
    }
    usage +=
        "  --pipe-size SIZE            a nominal size of the table of --schedule (100A, 4,\n"
        "                              1-1/4, 13): its outer diameter and wall, and the pipe\n"
        "                              material the table implies unless --pipe is given\n"
        "  --schedule NAME             SGP, STPG Sch40, SUS Sch10S, ASME Sch40, ASME STD,\n"
        "                              PVC VP, ... (see --list)\n"
        "  A list not given takes its first entry, as the window does at start; a number\n"
        "  not given is empty and refused where the window requires it. A velocity\n"
        "  given alone selects its list's typed-velocity entry; a value that the entry\n"
        "  given does not read is refused. Names match without regard to case, in\n"
        "  Japanese or English (see --list). Numbers use a decimal point and no\n"
        "  grouping.\n"
        "\n"
        "Many points:\n"
        "  --csv FILE        read points from CSV (\"-\": standard input) whose header names\n"
        "                    the columns as the options above, without \"--\", or as the\n"
        "                    window's captions; write the input with the columns\n"
        "                    spacing-mm (or spacing-inch), steps and message added\n"
        "  --encoding utf-8|cp932\n"
        "                    the list's encoding (default: a byte order mark or valid\n"
        "                    UTF-8 at its start, else code page 932); the output keeps it\n"
        "\n"
        "Settings (default: Velkara.ini beside the program):\n"
        "  --units mm|inch   millimetres and m/s, or inches and ft/s\n"
        "  --lang ja|en      Japanese or English texts\n"
        "\n"
        "Output:\n"
        "  --json            one point as a JSON object\n"
        "  --list            the sensors, materials, fluids and methods to choose from\n"
        "  --help            this text\n"
        "  --version         the version\n"
        "\n"
        "Exit status: 0 every point computed; 1 a point refused or failed; 2 a usage or\n"
        "input/output error.\n";
    return usage;
}
