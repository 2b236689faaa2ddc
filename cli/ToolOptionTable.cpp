#include "cli/ToolOptionTable.h"

#include <string_view>
#include <vector>

#include "rules/GivenValues.h"
#include "rules/ListPositions.h"
#include "rules/NameLists.h"
#include "rules/ResultColumns.h"
#include "text/TextTable.h"

namespace {

// A given field past the inputs; an input's option is made from its
// descriptor, described by the window's English caption.
struct FurtherFieldRow {
    std::size_t field;
    std::string_view valueName;
    std::string_view description;
};

constexpr FurtherFieldRow kFurtherFieldRows[] = {
    {kPipeSizeField, "SIZE",
     "a nominal size of the table of --schedule (100A, 4,\n"
     "1-1/4, 13): its outer diameter and wall, and the pipe\n"
     "material the table implies unless --pipe is given"},
    {kScheduleField, "NAME",
     "SGP, STPG Sch40, SUS Sch10S, ASME Sch40, ASME STD,\n"
     "PVC VP, ... (see --list)"},
    // Followed by the fluids that take it.
    {kFluidTemperatureField, "NUMBER",
     "the fluid's sound velocity from its temperature by\n"
     "the fluid's published model, in degrees Celsius\n"
     "(Fahrenheit with --units inch); with --fluid\n"},
    {kWaterTemperatureField, "NUMBER",
     "the same of water alone: with --fluid WATER,\n"
     "DIST. WATER or none"},
    {kSalinityField, "NUMBER",
     "seawater's practical salinity, 0-40 (35 unless given),\n"
     "with --fluid SEAWATER and --fluid-temperature"},
};
static_assert(std::size(kFurtherFieldRows) == kGivenCount - kInputCount);

struct OwnRow {
    OwnOption option;
    OptionGroup group;
    std::string_view name;
    std::string_view valueName;
    std::string_view description;
    std::string_view alias = {};
};

constexpr OwnRow kOwnRows[] = {
    {OwnOption::Csv, OptionGroup::ManyPoints, "csv", "FILE",
     "read points from CSV (\"-\": standard input) whose header names\n"
     "the columns as the options above, without \"--\", or as the\n"
     "window's captions; write the input with the columns\n"},
    {OwnOption::Encoding, OptionGroup::ManyPoints, "encoding", "utf-8|cp932",
     "the list's encoding (default: a byte order mark or valid\n"
     "UTF-8 at its start, else code page 932); the output keeps it"},
    {OwnOption::Units, OptionGroup::Settings, "units", "mm|inch",
     "millimetres and m/s, or inches and ft/s"},
    {OwnOption::Lang, OptionGroup::Settings, "lang", "ja|en", "Japanese or English texts"},
    {OwnOption::Json, OptionGroup::Output, "json", "", "one point as a JSON object"},
    {OwnOption::Compare, OptionGroup::Output, "compare", "",
     "a table of every sensor with every method on the point's\n"
     "entries (given without --sensor and --method); with --json\n"
     "an array of one object per sensor and method. Exit status 0\n"
     "once it is printed, even where a sensor cannot be mounted"},
    {OwnOption::Sheet, OptionGroup::Output, "sheet", "FILE",
     "also write the mounting sheet as a PDF: the point's page,\n"
     "or a page per computed row of --csv (its column tag as\n"
     "the title) and a last page of the rows refused"},
    {OwnOption::List, OptionGroup::Output, "list", "",
     "the sensors, materials, fluids and methods to choose from"},
    {OwnOption::Help, OptionGroup::Output, "help", "", "this text", "h"},
    {OwnOption::Version, OptionGroup::Output, "version", "", "the version"},
};

constexpr bool InOptionOrder() {
    for (std::size_t row = 0; row < std::size(kOwnRows); ++row) {
        if (kOwnRows[row].option != OwnOption(row)) return false;
    }
    return true;
}
static_assert(InOptionOrder(), "kOwnRows follows the order of OwnOption");

// "WATER, SEAWATER, ... or none": the fluids with a model of their
// temperature, as --fluid names them, in lines no wider than the hand-made
// ones of the description and with no name broken.
std::string TemperatureFluids() {
    constexpr qsizetype kWidth = 52;
    const QStringList names = FluidNameList(Language::English);
    QStringList taking;
    for (int position = 0; position < kFluidTypedVelocityEntry; ++position) {
        if (FncFluidTakesTemperature(position)) taking.append(names[position] + u',');
    }
    taking.last().chop(1);
    taking.last() += QStringLiteral(" or none");
    QString text, line;
    for (const QString& name : taking) {
        if (!line.isEmpty() && line.size() + 1 + name.size() > kWidth) {
            text += line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + name;
    }
    return (text + line).toStdString();
}

std::vector<ToolOption> MadeTable() {
    std::vector<ToolOption> table(kGivenCount);
    for (const InputDescriptor& input : Inputs()) {
        ToolOption& row = table[FocusPosition(input.id)];
        row.valueName = input.kind == InputKind::Number ? "NUMBER" : "NAME";
        row.description = FncGetText(input.captionTextId, Language::English).toStdString();
    }
    for (const FurtherFieldRow& further : kFurtherFieldRows) {
        table[further.field].valueName = further.valueName;
        table[further.field].description = further.description;
    }
    table[kFluidTemperatureField].description += TemperatureFluids();
    for (std::size_t field = 0; field < kGivenCount; ++field) {
        table[field].group = OptionGroup::OnePoint;
        table[field].name = GivenFields()[field].optionName;
    }
    for (const OwnRow& own : kOwnRows) {
        table.push_back({own.group, std::string(own.name), std::string(own.valueName),
                         std::string(own.description), std::string(own.alias)});
    }
    // Followed by the result columns.
    const auto metric = FncResultColumnNames(Units::Metric);
    const auto japanese = FncResultColumnNames(Units::Metric, ColumnNaming::JapaneseCaptions);
    table[RowIndex(OwnOption::Csv)].description +=
        metric[0] + " (or " + FncResultColumnNames(Units::Inch)[0] + "), " + metric[1] + " and " +
        metric[2] + " added\n(" + japanese[0] + ", " + japanese[1] + " and " + japanese[2] +
        " in a list\nheaded by the window's Japanese captions)";
    return table;
}

}  // namespace

std::span<const ToolOption> ToolOptionTable() {
    static const std::vector<ToolOption> table = MadeTable();
    return table;
}

std::size_t RowIndex(OwnOption option) {
    return kGivenCount + static_cast<std::size_t>(option);
}

const ToolOption& OptionRow(OwnOption option) {
    return ToolOptionTable()[RowIndex(option)];
}
