#include "cli/ToolOptions.h"

#include <QCommandLineParser>
#include <algorithm>
#include <vector>

#include "text/TextTable.h"

namespace {

using Action = ToolOptions::Action;

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

// An option that takes a value.
QCommandLineOption Valued(const char* name) {
    return QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
}

}  // namespace

std::variant<ToolOptions, std::string> ParseToolOptions(const QStringList& arguments) {
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version")), list(QStringLiteral("list")),
        json(QStringLiteral("json"));
    const QCommandLineOption units = Valued("units"), lang = Valued("lang"),
                             encoding = Valued("encoding"), csv = Valued("csv");
    QCommandLineParser parser;
    parser.addOptions({help, version, list, json, units, lang, encoding, csv});
    std::vector<QCommandLineOption> fields;
    for (const GivenField& field : GivenFields()) {
        fields.push_back(Valued(field.optionName));
        parser.addOption(fields.back());
    }
    // The parser takes the program's name first.
    const bool parsed = parser.parse(QStringList(QStringLiteral("velkara-spacing")) + arguments);

    ToolOptions options;
    // Asked for help, a user gets it, whatever else the command holds.
    if (parser.isSet(help) || parser.isSet(version)) {
        options.action = parser.isSet(help) ? Action::Help : Action::Version;
        return options;
    }
    if (!parsed) {
        QString reason = parser.errorText();
        if (reason.endsWith(u'.')) reason.chop(1);
        return reason.toStdString() + " (see --help)";
    }
    if (!parser.positionalArguments().isEmpty()) {
        return "unexpected argument '" + parser.positionalArguments().first().toStdString() +
               "' (see --help)";
    }
    for (std::size_t field = 0; field < kGivenCount; ++field) {
        options.given[field] = parser.isSet(fields[field]);
        options.values[field] = parser.value(fields[field]).toStdString();
    }
    const auto chosen = [&](const QCommandLineOption& option) {
        return parser.value(option).toStdString();
    };
    std::optional<std::string> problem;
    if (parser.isSet(units))
        problem = ChooseFlag("units", chosen(units), "mm", "inch", options.unitFlag);
    if (!problem && parser.isSet(lang))
        problem = ChooseFlag("lang", chosen(lang), "ja", "en", options.langFlag);
    std::optional<std::int16_t> cp932;
    if (!problem && parser.isSet(encoding))
        problem = ChooseFlag("encoding", chosen(encoding), "utf-8", "cp932", cp932);
    if (problem) return *problem;
    if (cp932) options.encoding = *cp932 != 0 ? CsvEncoding::Cp932 : CsvEncoding::Utf8;
    options.csvPath = chosen(csv);
    options.json = parser.isSet(json);
    const bool listAsked = parser.isSet(list);

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
        usage += line + FncGetText(input.captionTextId, Language::English).toStdString() + "\n";
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
