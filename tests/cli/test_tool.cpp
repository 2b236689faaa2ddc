// velkara-spacing without a process: its options, one point as text and as
// JSON, a CSV list in and out, and the lists it prints.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <tuple>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "calc/SensorTable.h"
#include "cli/ComparisonOutput.h"
#include "cli/Listing.h"
#include "cli/PointOutput.h"
#include "cli/TextColumns.h"
#include "cli/ToolOptions.h"
#include "cli/ToolUsage.h"
#include "list/CsvEncoding.h"
#include "list/ListRun.h"
#include "rules/NameLists.h"
#include "support/Poppler.h"
#include "support/TestSupport.h"

namespace {

using Action = ToolOptions::Action;

const StartupValues kEnglish = ModCommonProc::FncStartupValues(0, 1);
const StartupValues kJapaneseInch = ModCommonProc::FncStartupValues(1, 0);
const StartupValues kJapanese = ModCommonProc::FncStartupValues(0, 0);

TEST(ToolOptions, ParsedOrRefusedWithAReason) {
    const struct {
        const char* name;
        QStringList arguments;
        Action action;
        const char* problem = "";  // the start of the reason, when refused
    } rows[] = {
        {"inputs", {"--outer-diameter", "114.3", "--wall=6", "--sensor", "TA_01"}, Action::Point},
        {"help whatever else is given", {"--bogus", "-h"}, Action::Help},
        {"help", {"--wall", "6", "--help"}, Action::Help},
        {"version", {"--version"}, Action::Version},
        {"list", {"--list", "--lang", "en"}, Action::List},
        {"csv", {"--csv", "-", "--units", "inch", "--encoding", "cp932"}, Action::Csv},
        {"csv and a point", {"--csv", "a.csv", "--wall", "6"}, Action::Point, "a point is given"},
        {"csv and json", {"--csv", "a.csv", "--json"}, Action::Point, "--json is for one point"},
        {"compare", {"--compare", "--wall", "6", "--json"}, Action::Compare},
        {"compare and csv", {"--csv", "a.csv", "--compare"}, Action::Point, "--compare is for one"},
        {"compare with a method",
         {"--compare", "--method", "V"},
         Action::Point,
         "--method cannot go"},
        {"encoding without csv", {"--encoding", "utf-8"}, Action::Point, "--encoding is for a CSV"},
        {"sheet with list",
         {"--list", "--sheet", "a.pdf"},
         Action::Point,
         "--sheet is for a point"},
        {"flag with a value", {"--json=yes"}, Action::Point, "Unexpected value after '--json'"},
        {"missing value", {"--wall"}, Action::Point, "Missing value after '--wall'"},
        {"unknown option", {"--walls", "6"}, Action::Point, "Unknown option 'walls' (see --help)"},
        {"bad units", {"--units", "cm"}, Action::Point, "--units takes mm or inch"},
        {"not an option", {"114.3"}, Action::Point, "unexpected argument '114.3'"},
        {"after '--'", {"--", "--wall"}, Action::Point, "unexpected argument '--wall'"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const auto parsed = ParseToolOptions(r.arguments);
        const auto* problem = std::get_if<std::string>(&parsed);
        const auto* options = std::get_if<ToolOptions>(&parsed);
        EXPECT_EQ(problem ? problem->substr(0, std::strlen(r.problem)) : "", r.problem);
        EXPECT_EQ(options ? options->action : Action::Point, r.action);
    }
}

// --help made from the table of options: a description in its group's column, or below an
// option too long for it, its further lines in that column too; the group's note after it.
TEST(ToolOptions, HelpShowsEachOptionInItsGroup) {
    const std::string usage = ToolUsage();
    for (const char* lines :
         {"One point:\n  --outer-diameter NUMBER     OUTER DIAMETER\n  --pipe NAME     ",
          "  --schedule NAME             SGP, STPG Sch40, SUS Sch10S, ASME Sch40, ASME STD,\n"
          "                              PVC VP, ... (see --list)\n  --fluid-temperature NUMBER  "
          "the fluid's sound velocity from its temperature by\n",
          "(Fahrenheit with --units inch); with --fluid\n"
          "                              WATER, SEAWATER, DIST. WATER, AMMONIA, BENZENE,\n"
          "                              ETHANOL, GLYCOL, TOLUOL, REFRIGERANT R410 or none\n"
          "  --water-temperature NUMBER",
          "with --fluid SEAWATER and --fluid-temperature\n  A list not given takes",
          "spacing-mm (or spacing-inch), steps and message added\n"
          "                    (取付け寸法1[mm], 取付け寸法2 and メッセージ in a list\n",
          "  --encoding utf-8|cp932\n                    the list's encoding (default: a",
          "  --version         the version\n\nExit status: 0 every point computed; 1 a point "
          "refused or failed; 2 a usage or\ninput/output error.\n"}) {
        EXPECT_NE(usage.find(lines), std::string::npos) << lines;
    }
}

// One point given as options: its text and JSON, or why it cannot be computed. A value the
// tables cannot use is a mistake in the command, said as one.
TEST(ToolPoint, AsTextAsJsonOrWhyNot) {
    const struct {
        const char* name;
        QStringList arguments;
        const StartupValues& startup;
        std::string_view text;
        QString message;  // of a refusal or failure, as a CSV row shows it
        const char* json = nullptr;
        const char* option = "";  // a refusal of a value as an option
    } rows[] = {
        // clang-format off
        {"rail steps, a name in any case", {"--outer-diameter", "60.5", "--wall", "3", "--sensor", "ta_01"}, kEnglish,
         "SENSOR SPACING1: 51 mm\nSENSOR SPACING2: 17\n", "",
         R"({"spacing": 51, "unit": "mm", "steps": 17, "message": null, "field": null})" "\n"},
        {"no grouping outside the window", {"--outer-diameter", "2,000", "--wall", "0.8"}, kJapaneseInch, "", "外径寸法: 数字以外のデータは許されません",
         R"({"spacing": null, "unit": "inch", "steps": null, "message": "数字以外のデータは許されません", "field": "outer-diameter"})" "\n"},
        {"the start of one name; a name of the other language, blanks around; a zero that shows the precision", {"--outer-diameter", "24.08", "--wall",
         "0.8", "--sensor", "TB_04", "--fluid", " 海水 "}, kJapaneseInch, "取付け寸法1: 22.150 inch\n", "",
         R"({"spacing": 22.150, "unit": "inch", "steps": null, "message": null, "field": null})" "\n"},
        {"no such name, kept as typed", {"--outer-diameter", "24", "--wall", "0.8", "--fluid", "\"sea\\water%2\""}, kEnglish, "", "KIND OF FLUID: Not a name in the list",
         nullptr, "--fluid: no entry is named '\"sea\\water%2\"', nor one alone starts so (see --list)"},
        {"the start of several names", {"--outer-diameter", "24", "--wall", "0.8", "--sensor", "tb"}, kEnglish, "", "SENSOR TYPE: Not a name in the list",
         nullptr, "--sensor: no entry is named 'tb', nor one alone starts so (see --list)"},
        {"a method by its Japanese name", {"--outer-diameter", "114.3", "--wall", "6", "--sensor", "TB_01", "--method", "N法"}, kEnglish,
         "SENSOR SPACING1: 108.10 mm\n", ""},
        {"a velocity the fluid does not read", {"--outer-diameter", "6", "--wall", "0.1", "--fluid", "WATER", "--fluid-velocity", "1500"}, kEnglish, "",
         "FLUID S.V.: Cannot be given together with KIND OF FLUID", nullptr,
         "--fluid-velocity cannot be given with --fluid 'WATER', which does not read it (see --list)"},
        {"a pipe size in exact inches, its material implied", {"--pipe-size", "4", "--schedule", "asme sch40s", "--sensor", "TB_01/TC_01"}, kJapaneseInch,
         "取付け寸法1: 2.674 inch\n", ""},
        {"a size the table lacks", {"--pipe-size", "4", "--schedule", "SGP"}, kEnglish, "", "NOMINAL SIZE: SGP has no size \"4\"", nullptr,
         "--pipe-size: SGP has no size '4' (see --list)"},
        {"a wall not the table's", {"--pipe-size", "100A", "--schedule", "SGP", "--wall", "4.6"}, kEnglish, "",
         "WALL THICKNESS: The pipe size table gives 4.5 for SGP 100A", nullptr,
         "--wall 4.6 differs from the pipe size table, which gives 4.5 for SGP 100A"},
        {"negative spacing", {"--outer-diameter", "6", "--wall", "0.1", "--sensor", "TB_01/TC_01"}, kEnglish, "",
         "The sensor spacing would be negative. Choose another sensor type or mounting method."},
        {"a water temperature: which velocity it gave", {"--outer-diameter", "114.3", "--wall", "6", "--sensor", "TB_01/TC_01", "--water-temperature", "20"},
         kEnglish, "SENSOR SPACING1: 68.41 mm\nFLUID S.V.: 1482 m/s (WATER at 20 °C; Bilaniuk & Wong (1993))\n", "",
         R"({"spacing": 68.41, "unit": "mm", "steps": null, "message": null, "field": null, "fluid-velocity": 1482, "water-temperature": 20, "liquid": "WATER", )"
         R"j("source": "Bilaniuk & Wong (1993)"})j" "\n"},
        {"toluene at 60 °C", {"--outer-diameter", "114.3", "--wall", "6", "--sensor", "TB_01/TC_01", "--fluid", "TOLUOL", "--fluid-temperature", "60"},
         kEnglish, "SENSOR SPACING1: 46.76 mm\nFLUID S.V.: 1158 m/s (TOLUOL at 60 °C; Lemmon & Span (2006))\n", "",
         R"({"spacing": 46.76, "unit": "mm", "steps": null, "message": null, "field": null, "fluid-velocity": 1158, "fluid-temperature": 60, "liquid": "TOLUOL", )"
         R"j("source": "Lemmon & Span (2006)"})j" "\n"},
        {"°F in an inch run, distilled water", {"--outer-diameter", "4.5", "--wall", "0.25", "--sensor", "TB_01/TC_01", "--fluid", "蒸留水",
         "--water-temperature", "68"}, kJapaneseInch, "取付け寸法1: 2.707 inch\n流体音速: 4863 ft/s (水温 68 °F; Bilaniuk & Wong (1993))\n", "",
         R"({"spacing": 2.707, "unit": "inch", "steps": null, "message": null, "field": null, "fluid-velocity": 4863, "water-temperature": 68, "liquid": "蒸留水", )"
         R"j("source": "Bilaniuk & Wong (1993)"})j" "\n"},
        {"a water temperature refused as a typed number is", {"--outer-diameter", "114.3", "--wall", "6", "--water-temperature", "100.5"}, kEnglish, "",
         "WATER TEMPERATURE: The value is outside of range",
         R"({"spacing": null, "unit": "mm", "steps": null, "message": "The value is outside of range", "field": "water-temperature"})" "\n"},
        {"a water temperature with a fluid that is not water", {"--water-temperature", "20", "--fluid", "GLYCOL"}, kEnglish, "",
         "WATER TEMPERATURE: Cannot be given together with KIND OF FLUID", nullptr,
         "--water-temperature cannot be given with --fluid 'GLYCOL', which does not read it (see --list)"},
        {"a water temperature and a fluid velocity", {"--water-temperature", "20", "--fluid-velocity", "1500"}, kEnglish, "",
         "WATER TEMPERATURE: Cannot be given together with FLUID S.V.", nullptr,
         "--water-temperature cannot be given with --fluid-velocity '1500': both give the same value (give one of them)"},
        {"a temperature with a fluid that has no model", {"--fluid", "MILK", "--fluid-temperature", "20"}, kEnglish, "",
         "FLUID TEMPERATURE: Only WATER, SEAWATER, DIST. WATER, AMMONIA, BENZENE, ETHANOL, GLYCOL, TOLUOL, REFRIGERANT R410 take a temperature", nullptr,
         "--fluid-temperature cannot be given with --fluid 'MILK', which has no model of its sound velocity; these have one: WATER, SEAWATER, DIST. WATER, "
         "AMMONIA, BENZENE, ETHANOL, GLYCOL, TOLUOL, REFRIGERANT R410"},
        {"a salinity with a fluid that is not seawater", {"--fluid", "TOLUOL", "--fluid-temperature", "20", "--salinity", "35"}, kEnglish, "",
         "SALINITY: Cannot be given together with KIND OF FLUID", nullptr,
         "--salinity cannot be given with --fluid 'TOLUOL', which does not read it (see --list)"},
        {"a temperature outside the liquid's range", {"--fluid", "TOLUOL", "--fluid-temperature", "101"}, kEnglish, "",
         "FLUID TEMPERATURE: The value is outside of range",
         R"({"spacing": null, "unit": "mm", "steps": null, "message": "The value is outside of range", "field": "fluid-temperature"})" "\n"},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const auto options = std::get<ToolOptions>(ParseToolOptions(r.arguments));
        GivenPoint point;
        for (std::size_t at = 0; at < kGivenCount; ++at) point.values[at] = options.values[at];
        const PointOutcome outcome = RunPoint(point, PointContext(r.startup));
        EXPECT_EQ(PointAsText(outcome, r.startup), r.text);
        EXPECT_EQ(outcome.message, r.message);
        EXPECT_EQ(outcome.given ? FncGivenRefusalOptionText(*outcome.given, point) : "", r.option);
        if (r.json) {
            EXPECT_EQ(PointAsJson(outcome, r.startup), r.json);
        }
    }
}

// Every sensor and method on one point's entries: what the cells hold, a head naming the
// methods, a line per sensor, why a "-" cannot be mounted; as JSON one object per cell.
// Entries that one point refuses are refused as for one point, before any table.
TEST(ToolCompare, EverySensorAndMethodOrTheRefusalOfOnePoint) {
    const struct {
        const char* name;
        QStringList arguments;
        const StartupValues& startup;
        qsizetype lineCount;
        std::vector<std::string> lines;  // a few, by position
        std::string message = "";        // of a refusal
    } rows[] = {
        // clang-format off
        {"rail steps", {"--outer-diameter", "60.5", "--wall", "3"}, kEnglish, 16,
         {"SENSOR SPACING [mm]", "SENSOR TYPE  SERIES  FREQUENCY  V METHOD  Z METHOD  N METHOD  W METHOD",
          "RESERVE      N-Vara  4 MHz         52.53     29.76     75.29     98.05",
          "RESERVE      N-Vara  4 MHz         52.53     29.76     75.29     98.05",
          "TA_01        N-Vara  2 MHz       51 (17)    27 (9)   75 (25)   96 (32)"}},
        {"a small pipe, not every cell mounted", {"--outer-diameter", "32", "--wall", "3.1", "--pipe", "PVC"}, kJapanese, 16,
         {"取付け寸法 [mm]", "ｾﾝｻ種類      種別    周波数      V法     Z法      N法      W法", "", "", "", "",
          "TB_01/TC_01  小型    1 MHz         -       -     1.24    11.99", "", "", "", "", "", "", "", "",
          "-: 取付け寸法が負になります。ｾﾝｻ種類または取付け法を変更してください。"}},
        {"a wall that fills the pipe", {"--outer-diameter", "114.3", "--wall", "60"}, kEnglish, 0, {},
         "WALL THICKNESS: The value is outside of range"},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const auto options = std::get<ToolOptions>(ParseToolOptions(r.arguments));
        GivenPoint point;
        for (std::size_t at = 0; at < kGivenCount; ++at) point.values[at] = options.values[at];
        const PointContext context(r.startup);
        const ComparisonOutcome outcome = RunComparison(point, context);
        EXPECT_EQ(outcome.refused ? outcome.refused->message.toStdString() : "", r.message);
        EXPECT_EQ(outcome.refused ? outcome.refused->message : "",
                  RunPoint(point, context).message);
        if (outcome.refused) continue;
        const QStringList lines =
            QString::fromStdString(ComparisonAsText(outcome.comparison, r.startup)).split('\n');
        EXPECT_EQ(lines.size(), r.lineCount + 1);              // after the last line end
        for (std::size_t at = 0; at < r.lines.size(); ++at) {  // "": not checked
            const std::string line = lines.value(qsizetype(at)).toStdString();
            EXPECT_TRUE(r.lines[at].empty() || line == r.lines[at]) << line;
        }
        const QJsonDocument json = QJsonDocument::fromJson(
            QByteArray::fromStdString(ComparisonAsJson(outcome.comparison, r.startup)));
        EXPECT_EQ(json.array().size(), qsizetype(SensorTypes().size()) * MountEntryCount());
        const QJsonObject third = json.array().at(2).toObject();  // RESERVE, N
        EXPECT_EQ(third.keys(), QStringList({"field", "message", "method", "sensor", "spacing",
                                             "steps", "unit"}));
        EXPECT_EQ(third["method"], MountNameList(r.startup.language).value(2));
    }
}

// The list arrives a byte at a time, as through a slow pipe, unless told.
std::string RunCsvText(std::string_view input, const StartupValues& startup, int& status,
                       std::size_t piece = 1) {
    std::string output;
    std::string warnings;
    const ListRunResult result = RunList(
        SourceFromMemory(input, piece), [&](CsvEncoding) { return SinkToString(output); },
        PointContext(startup),
        {.warn = [&](const std::string& warning) { warnings += "warning: " + warning + "\n"; }});
    status = !result.problem.empty() ? 2 : result.everyPointComputed ? 0 : 1;
    return warnings + (status == 2 ? "problem: " + result.problem : output);
}

TEST(ToolCsv, EveryRecordKeepsItsPlaceWithTheResultColumnsAdded) {
    // 外径寸法,配管厚さ,ｾﾝｻ種類,取付け寸法1[mm],取付け寸法2,メッセージ in code page 932.
    const std::string_view captionsBack =
        "\x8AO\x8C"
        "a\x90\xA1\x96@,\x94z\x8A\xC7\x8C\xFA\x82\xB3,\xBE\xDD\xBB\x8E\xED\x97\xDE,"
        "\x8E\xE6\x95t\x82\xAF\x90\xA1\x96@1[mm],\x8E\xE6\x95t\x82\xAF\x90\xA1\x96@2,"
        "\x83\x81\x83"
        "b\x83Z\x81[\x83W\n114.3,6,TB_01,65.47,,\n";
    const struct {
        const char* name;
        std::string_view input;
        std::string_view output;
        int status;
        const StartupValues* startup = &kEnglish;
    } rows[] = {
        {"columns in any order, others passed through, a refused row in the middle",
         "Wall , tag,OUTER-DIAMETER,sensor,note\n"
         "6,P1,114.3,TB_01/TC_01,\"a, \"\"b\"\"\"\n"
         "6,P2,10,TB_01/TC_01,\n"
         "3,P3,60.5,TA_01,x\n",
         "Wall , tag,OUTER-DIAMETER,sensor,note,spacing-mm,steps,message\n"
         "6,P1,114.3,TB_01/TC_01,\"a, \"\"b\"\"\",65.47,,\n"
         "6,P2,10,TB_01/TC_01,,,,WALL THICKNESS: The value is outside of range\n"
         "3,P3,60.5,TA_01,x,51,17,\n",
         1},
        {"CRLF and a BOM, a missing column is an empty field",
         "\xEF\xBB\xBFouter-diameter,sensor\r\n114.3,TB_01\r\n",
         "\xEF\xBB\xBFouter-diameter,sensor,spacing-mm,steps,message\r\n"
         "114.3,TB_01,,,WALL THICKNESS: The value is outside of range\r\n",
         1},
        {"short rows padded (an empty list takes its first entry), long and malformed rows "
         "marked, blank lines skipped",
         "outer-diameter,wall,sensor\n114.3,6\n\n114.3,6,TB_01,extra\n\"114.3\"x,6,TB_01\n"
         "114.3,6,TB_01\n",
         "outer-diameter,wall,sensor,spacing-mm,steps,message\n114.3,6,,100.54,,\n"
         "114.3,6,TB_01,extra,,,Not a well-formed CSV record\n"
         ",,,,,Not a well-formed CSV record\n114.3,6,TB_01,65.47,,\n",
         1},
        {"a typed velocity selects its entry; a thickness without a lining, or a velocity not "
         "read, is refused naming both",
         "outer-diameter,wall,fluid,fluid-velocity,lining,lining-velocity,lining-thickness\n"
         "114.3,6,,1500,,,\n114.3,6,,,,,3\n114.3,6,,,NO LINING,2000,\n"
         "114.3,6,,,,2000,3\n",
         "outer-diameter,wall,fluid,fluid-velocity,lining,lining-velocity,lining-thickness,"
         "spacing-mm,steps,message\n114.3,6,,1500,,,,104.77,,\n"
         "114.3,6,,,,,3,,,LINING THICKNESS: Needs LINING MATERIAL\n"
         "114.3,6,,,NO LINING,2000,,,,LINING S.V.: Cannot be given together with LINING MATERIAL\n"
         "114.3,6,,,,2000,3,99.33,,\n",
         1},
        {"captions in either language, '_' and blanks alike; a near name warned once, passed on; "
         "a name near none passed on in silence",
         "OUTER  DIAMETER,配管厚さ,ｾﾝｻ種類,mount,mount,fluid_velocity,wlal,lining "
         "velocty,sensr,paint,meters\n"
         "114.3,6,TB_01/TC_01,x,y,,,,,n,m\n",
         "warning: column 'mount' is passed through; did you mean 'method'?\n"
         "warning: column 'wlal' is passed through; did you mean 'wall'?\n"
         "warning: column 'lining velocty' is passed through; did you mean 'lining-velocity'?\n"
         "warning: column 'sensr' is passed through; did you mean 'sensor'?\n"
         "OUTER  DIAMETER,配管厚さ,ｾﾝｻ種類,mount,mount,fluid_velocity,wlal,lining velocty,sensr,"
         "paint,meters,spacing-mm,steps,message\n114.3,6,TB_01/TC_01,x,y,,,,,n,m,65.47,,\n",
         0},
        {"code page 932: names read, Japanese messages in it, other bytes as they came",
         "tag,\x8AO\x8C"
         "a\x90\xA1\x96@,wall,pipe,sensor\n\x8Cv\x89\xE6-1,114.3,6,\x8D|\x8A\xC7,"
         "TB_01/TC_01\n\x8Cv\x89\xE6-2\xED@,114.3,60,\x8D|\x8A\xC7,TB_01/TC_01\n",
         "tag,\x8AO\x8C"
         "a\x90\xA1\x96@,wall,pipe,sensor,spacing-mm,steps,message\n\x8Cv\x89\xE6-1,"
         "114.3,6,\x8D|\x8A\xC7,TB_01/TC_01,65.47,,\n\x8Cv\x89\xE6-2\xED@,114.3,60,\x8D|\x8A\xC7,"
         "TB_01/TC_01,,,\x94z\x8A\xC7\x8C\xFA\x82\xB3: \x93\xFC\x97\xCD\x92l\x82\xAA\x94\xCD"
         "\x88\xCD\x8AO\x82\xC5\x82\xB7\n",
         1, &kJapanese},
        {"a pipe size as if its numbers were typed, the table's pipe material unless one is "
         "given; a schedule alone refused",
         "pipe-size,schedule,outer-diameter,wall,pipe,sensor\n4,asme sch40,,,,TB_01\n"
         ",,114.3,6.02,,TB_01\n4,ASME Sch40S,114.30,,,TB_01\n100A,sgp,,,PVC,TB_01\n"
         ",SGP,,,,TB_01\n",
         "pipe-size,schedule,outer-diameter,wall,pipe,sensor,spacing-mm,steps,message\n"
         "4,asme sch40,,,,TB_01,65.49,,\n,,114.3,6.02,,TB_01,65.49,,\n"
         "4,ASME Sch40S,114.30,,,TB_01,67.93,,\n100A,sgp,,,PVC,TB_01,58.94,,\n"
         ",SGP,,,,TB_01,,,SCHEDULE: Needs NOMINAL SIZE\n",
         1},
        {"the methods by the start of a name, in inches",
         "outer-diameter,wall,sensor,method\n4.5,0.25,TB_01,n\n4.5,0.25,TB_01,W METHOD\n",
         "outer-diameter,wall,sensor,method,spacing-inch,steps,message\n"
         "4.5,0.25,TB_01,n,4.258,,\n4.5,0.25,TB_01,W METHOD,5.925,,\n",
         0, &kJapaneseInch},
        {"a water temperature by its caption: the velocity, or refused as an option is",
         "水温,outer-diameter,wall,sensor,fluid\n20,114.3,6,TB_01,\n20C,114.3,6,TB_01,\n"
         "20,114.3,6,TB_01,GLYCOL\n",
         "水温,outer-diameter,wall,sensor,fluid,spacing-mm,steps,message\n20,114.3,6,TB_01,,68.41,,"
         "\n"
         "20C,114.3,6,TB_01,,,,WATER TEMPERATURE: Any data other than a number is not allowed\n"
         "20,114.3,6,TB_01,GLYCOL,,,WATER TEMPERATURE: Cannot be given together with KIND OF "
         "FLUID\n",
         1},
        {"Japanese captions alone name the inputs: the results named as the window's, in the "
         "list's code page 932",
         "\x8AO\x8C"
         "a\x90\xA1\x96@,\x94z\x8A\xC7\x8C\xFA\x82\xB3,\xBE\xDD\xBB\x8E\xED\x97\xDE\n"
         "114.3,6,TB_01\n",
         captionsBack, 0, &kJapanese},
        {"that list read again", captionsBack,
         "problem: the CSV already has a column '取付け寸法1[mm]'", 2},
        {"the other unit's result column", "tag,Spacing-Inch\n",
         "problem: the CSV already has a column 'spacing-inch'", 2},
        {"no header", "", "problem: the CSV has no header row", 2},
        {"a result column already there", "tag,Steps\n",
         "problem: the CSV already has a column 'steps'", 2},
        {"a column twice", "wall,WALL\n", "problem: the CSV has two columns for 'wall'", 2},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        int status = -1;
        EXPECT_EQ(RunCsvText(r.input, *r.startup, status), r.output);
        EXPECT_EQ(status, r.status);
    }
}

TEST(ToolCsv, EncodingFromTheStart) {
    const std::tuple<const char*, std::string_view, bool, CsvEncoding> rows[] = {
        {"ASCII", "tag,wall\n", true, CsvEncoding::Utf8},
        {"byte order mark", "\xEF\xBB\xBF\x8D|", true, CsvEncoding::Utf8},
        {"UTF-8 Japanese", "\xE9\x8B\xBC\xE7\xAE\xA1", true, CsvEncoding::Utf8},
        {"cut by the sample", "a\xE9\x8B", false, CsvEncoding::Utf8},
        {"cut by the end", "a\xE9\x8B", true, CsvEncoding::Cp932},
        {"code page 932", "\x8D|\x8A\xC7", true, CsvEncoding::Cp932},
        {"half-width katakana", "\xBA\xDE\xD1", true, CsvEncoding::Cp932},
        {"overlong", "\xE0\x80\xAF", true, CsvEncoding::Cp932},
        {"surrogate", "\xED\xA0\x80", true, CsvEncoding::Cp932},
    };
    for (const auto& [name, start, complete, encoding] : rows)
        EXPECT_EQ(DetectCsvEncoding(start, complete), encoding) << name;
}

// Longer than a batch: every record in its place, each with its own result.
TEST(ToolCsv, ManyBatchesKeepTheOrder) {
    std::string input = "tag,outer-diameter,wall,sensor\n", expected;
    for (int i = 0; i < 9000; ++i) {
        const std::string tag = std::to_string(i), refused = i % 7 == 3 ? "0" : "6";
        input += tag + ",114.3," + refused + ",TB_01\n";
        expected +=
            tag + ",114.3," + refused + ",TB_01," +
            (refused == "0" ? ",,WALL THICKNESS: The value is outside of range\n" : "65.47,,\n");
    }
    int status = -1;
    const std::string output = RunCsvText(input, kEnglish, status);
    EXPECT_EQ(output.substr(output.find('\n') + 1), expected);
    EXPECT_EQ(status, 1);
}

// A header field up to the record limit passes through at once: no name is
// that long, so none is compared with it letter by letter.
TEST(ToolCsv, LongHeaderFieldPassesThrough) {
    const std::string field(16 * 1024 * 1024 - 8, 'x');
    int status = -1;
    EXPECT_TRUE(RunCsvText(field + ",wall\n", kEnglish, status, SIZE_MAX) ==
                field + ",wall,spacing-mm,steps,message\n");
    EXPECT_EQ(status, 0);
}

TEST(ToolList, EveryListInTheRunsLanguageAndUnits) {
    const std::string english = ListingText(kEnglish);
    for (const char* line :
         {"PIPE MATERIAL\n  CARBON STEEL     3000 m/s\n", "  PIPE S.V.        -\n",
          "SENSOR MOUNT\n  V METHOD\n  Z METHOD\n  N METHOD\n  W METHOD\n",
          "  TD_03        2830 m/s  49°  2 MHz\n",
          "  RESERVE      2500 m/s  42°  4 MHz\n  RESERVE      2500 m/s  42°  4 MHz\n",
          "  NO LINING    -\n", "Pipe Size Table\n  SGP  JIS G 3452  CARBON STEEL\n    15A"}) {
        EXPECT_NE(english.find(line), std::string::npos) << line;
    }
    // Wide from the first to the last code point of each wide block, narrow beside them.
    EXPECT_EQ(DisplayWidth(QString::fromUtf16(
                  u"\u1100\u115F\u2E80\uA4CF\uAC00\uD7A3\uF900\uFAFF\uFF00\uFF60\uFFE0\uFFE6")),
              24);
    EXPECT_EQ(DisplayWidth(QString::fromUtf16(
                  u"\u10FF\u1160\u2E7F\uA4D0\uABFF\uD7A4\uF8FF\uFB00\uFEFF\uFF61\uFFDF\uFFE7")),
              12);
    const std::string japaneseInch = ListingText(kJapaneseInch);
    EXPECT_NE(japaneseInch.find("  水         4724 ft/s\n"), std::string::npos) << japaneseInch;
    EXPECT_NE(japaneseInch.find("  TD_03        9285 ft/s  49°  2 MHz\n"), std::string::npos);
    EXPECT_NE(japaneseInch.find("  ASME Sch40S  ASME B36.19M  ｽﾃﾝﾚｽ管\n    1/2     0.840 x 0.109"
                                " inch\n"),
              std::string::npos);
}

// --sheet through the real tool, which loads its sheet writer from beside
// itself: one point's page, or a page per computed row and one of the rows
// refused; a file it cannot write ends the run before anything is printed.
TEST(ToolSheet, APageAPointAndTheRefusedRowsLast) {
    if (PopplerMissing()) GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir folder;
    QFile list(folder.filePath("points.csv"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(
        "tag,outer-diameter,wall,sensor\nP-1,114.3,6,TB_01/TC_01\n"
        "P-2,114.3,60,TB_01/TC_01\n,60.5,3,TA_01\n,114.3,70,TB_01/TC_01\n");
    list.close();
    const QStringList point = {"--outer-diameter", "114.3",   "--wall", "6",      "--sensor",
                               "TB_01/TC_01",      "--units", "mm",     "--lang", "ja"};
    const QStringList csv = {"--csv", list.fileName(), "--lang", "en"};
    const QString missing = folder.filePath("missing/sheet.pdf");
    const struct {
        const char* name;
        QStringList arguments;
        int status;
        int pages;
        std::vector<const char16_t*> texts;  // on the first page
        std::vector<const char16_t*> last;   // on the last page
        QString error = {};                  // the start of standard error, else nothing there
    } rows[] = {
        {"one point in Japanese, water at 20 ℃ (one sign, no gap after a full-width °)",
         point + QStringList{"--water-temperature", "20"},
         0,
         1,
         {u"68.41 mm", u"外径寸法", u"114.3 mm", u"配管厚さ", u"6 mm", u"鋼管", u"3000 m/s",
          u"ﾗｲﾆﾝｸﾞ無し", u"液温", u"20 ℃", u"1482 m/s", u"TB_01/TC_01 (小型, 1 MHz)", u"V法"},
         {}},
        {"a list: its computed rows, then the refused",
         csv,
         1,
         3,
         {u"P-1", u"65.47 mm"},
         {u"ROWS WITHOUT A SHEET", u"P-2", u"WALL THICKNESS: The value is outside of range",
          u"line 5"}},
        {"not to standard output",
         csv + QStringList{"--sheet", "-"},
         2,
         0,
         {},
         {},
         "velkara-spacing: --sheet takes the name of a PDF file"},
        {"into a folder that is not there",
         point + QStringList{"--sheet", missing},
         2,
         0,
         {},
         {},
         "velkara-spacing: cannot write '" + missing + "': "},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QString pdf = folder.filePath(QStringLiteral(u"取付け シート %1.pdf").arg(r.status));
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_RUNTIME_DIR");  // as under cron: Qt notes that, not the tool
        tool.setProcessEnvironment(environment);
        tool.start(VELKARA_SPACING_PATH, r.arguments.contains("--sheet")
                                             ? r.arguments
                                             : r.arguments + QStringList{"--sheet", pdf});
        EXPECT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), r.status);
        const QString output = QString::fromUtf8(tool.readAllStandardOutput());
        const QString error = QString::fromUtf8(tool.readAllStandardError());
        EXPECT_EQ(output.isEmpty(), r.status == 2) << output;  // the result is printed as ever
        EXPECT_TRUE(r.error.isEmpty() ? error.isEmpty() : error.startsWith(r.error)) << error;
        EXPECT_EQ(PdfPages(pdf), r.pages);
        if (r.pages == 0) continue;
        EXPECT_TRUE(Poppler("pdfinfo", {pdf}).contains("595 x 842 pts (A4)"));
        const QString first = Poppler("pdftotext", {"-l", "1", pdf, "-"});
        for (const char16_t* text : r.texts)
            EXPECT_TRUE(first.contains(QString::fromUtf16(text))) << QString::fromUtf16(text);
        const QString last = QString::number(r.pages);
        const QString lastPage = Poppler("pdftotext", {"-f", last, "-l", last, pdf, "-"});
        for (const char16_t* text : r.last)
            EXPECT_TRUE(lastPage.contains(QString::fromUtf16(text))) << QString::fromUtf16(text);
    }
}

}  // namespace
