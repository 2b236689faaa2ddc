#include "cli/ToolOptions.h"

#include <QCommandLineParser>
#include <array>

#include "cli/ToolOptionTable.h"

namespace {

using Action = ToolOptions::Action;

// `choices[0]` for the first word of the option's value name ("mm|inch"),
// `choices[1]` for the second; any other word is refused.
template <typename Choice>
std::optional<std::string> Choose(const ToolOption& option, const std::string& value,
                                  const std::array<Choice, 2>& choices,
                                  std::optional<Choice>& chosen) {
    const std::size_t bar = option.valueName.find('|');
    const std::string first = option.valueName.substr(0, bar),
                      second = option.valueName.substr(bar + 1);
    if (value == first || value == second) {
        chosen = choices[value == first ? 0 : 1];
        return std::nullopt;
    }
    return "--" + option.name + " takes " + first + " or " + second + ", not '" + value + "'";
}

QCommandLineOption ParserOption(const ToolOption& option) {
    QStringList names(QString::fromStdString(option.name));
    if (!option.alias.empty()) names.prepend(QString::fromStdString(option.alias));
    return QCommandLineOption(names, QString::fromStdString(option.description),
                              QString::fromStdString(option.valueName));
}

}  // namespace

std::variant<ToolOptions, std::string> ParseToolOptions(const QStringList& arguments) {
    QList<QCommandLineOption> declared;
    for (const ToolOption& option : ToolOptionTable()) declared.append(ParserOption(option));
    QCommandLineParser parser;
    parser.addOptions(declared);
    const auto own = [&](OwnOption option) -> const QCommandLineOption& {
        return declared[qsizetype(RowIndex(option))];
    };
    // The parser takes the program's name first.
    const bool parsed = parser.parse(QStringList(QStringLiteral("velkara-spacing")) + arguments);

    ToolOptions options;
    // Asked for help, a user gets it, whatever else the command holds.
    if (parser.isSet(own(OwnOption::Help)) || parser.isSet(own(OwnOption::Version))) {
        options.action = parser.isSet(own(OwnOption::Help)) ? Action::Help : Action::Version;
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
        options.given[field] = parser.isSet(declared[qsizetype(field)]);
        options.values[field] = parser.value(declared[qsizetype(field)]).toStdString();
    }
    const auto chosen = [&](OwnOption option) { return parser.value(own(option)).toStdString(); };
    const auto choose = [&]<typename Choice>(OwnOption option, std::array<Choice, 2> choices,
                                             std::optional<Choice>& result) {
        return parser.isSet(own(option))
                   ? Choose(OptionRow(option), chosen(option), choices, result)
                   : std::nullopt;
    };
    std::optional<std::string> problem =
        choose(OwnOption::Units, std::array{Units::Metric, Units::Inch}, options.units);
    if (!problem)
        problem = choose(OwnOption::Lang, std::array{Language::Japanese, Language::English},
                         options.language);
    if (!problem)
        problem = choose(OwnOption::Encoding, std::array{CsvEncoding::Utf8, CsvEncoding::Cp932},
                         options.encoding);
    if (problem) return *problem;
    options.csvPath = chosen(OwnOption::Csv);
    options.json = parser.isSet(own(OwnOption::Json));
    if (parser.isSet(own(OwnOption::Sheet))) {
        options.sheetPath = chosen(OwnOption::Sheet);
        // A PDF is written into a file of its own name, then renamed into
        // place: standard output cannot take it.
        if (options.sheetPath.empty() || options.sheetPath == "-")
            return std::string("--sheet takes the name of a PDF file, not standard output");
    }

    if (parser.isSet(own(OwnOption::List))) {
        if (!options.sheetPath.empty())
            return std::string("--sheet is for a point or a --csv list; it cannot go with --list");
        options.action = Action::List;
        return options;
    }
    if (options.encoding && options.csvPath.empty())
        return std::string("--encoding is for a CSV list; it goes with --csv");
    const bool compare = parser.isSet(own(OwnOption::Compare));
    if (!options.csvPath.empty()) {
        if (options.json) return std::string("--json is for one point; it cannot go with --csv");
        if (compare) return std::string("--compare is for one point; it cannot go with --csv");
        for (const bool given : options.given) {
            if (given)
                return std::string("a point is given either by options or by --csv, not both");
        }
        options.action = Action::Csv;
    } else if (compare) {
        if (!options.sheetPath.empty())
            return std::string(
                "--sheet is for a point or a --csv list; it cannot go with --compare");
        // Every value given is used or refused: the comparison tries them all.
        for (const InputId tried : {InputId::SensorType, InputId::MountingMethod}) {
            if (options.given[FocusPosition(tried)])
                return "--" + std::string(GivenFields()[FocusPosition(tried)].optionName) +
                       " cannot go with --compare, which tries every one";
        }
        options.action = Action::Compare;
    }
    return options;
}
