// velkara-spacing: the sensor spacing of one measuring point, of every
// sensor and method on it, or of a CSV list of points, on the window's
// checks, calculation and texts.
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLoggingCategory>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/ComparisonOutput.h"
#include "cli/ConsoleText.h"
#include "cli/ExitStatus.h"
#include "cli/Listing.h"
#include "cli/PointOutput.h"
#include "cli/ToolOptions.h"
#include "cli/ToolSheets.h"
#include "cli/ToolUsage.h"
#include "list/ListRun.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void Write(std::FILE* stream, const std::string& text) {
    WriteText(stream, text);
}

ExitStatus UsageError(const std::string& reason) {
    Write(stderr, "velkara-spacing: " + reason + "\n");
    return ExitStatus::UsageError;
}

// Standard output ends well only if everything reached it.
ExitStatus Finish(ExitStatus status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return UsageError("cannot write the result");
    }
    return status;
}

// The settings file's units and language, unless the command line says.
StartupValues RunSettings(const ToolOptions& options) {
    const ModCommonProc::IniFlags flags =
        ModCommonProc::FncLoadIniFlags(QCoreApplication::applicationDirPath());
    return ModCommonProc::FncStartupValues(
        options.units.value_or(ModCommonProc::FncUnitsOfFlag(flags.UnitFlag)),
        options.language.value_or(ModCommonProc::FncLanguageOfFlag(flags.LangFlag)));
}

// The sheets asked for, opened before anything is computed: a file that
// cannot be written ends the run at once.
std::optional<ExitStatus> OpenSheets(PointSheets* sheets, const ToolOptions& options) {
    QString error;
    if (sheets == nullptr || sheets->Open(QString::fromStdString(options.sheetPath), &error))
        return std::nullopt;
    return UsageError("cannot write '" + options.sheetPath + "': " + error.toStdString());
}

ExitStatus FinishSheets(PointSheets* sheets, const ToolOptions& options, ExitStatus status) {
    QString error;
    if (sheets == nullptr || sheets->Finish(&error)) return status;
    return UsageError("cannot write '" + options.sheetPath + "': " + error.toStdString());
}

GivenPoint PointOf(const ToolOptions& options) {
    GivenPoint point;
    for (std::size_t at = 0; at < kGivenCount; ++at) point.values[at] = options.values[at];
    return point;
}

ExitStatus WritePoint(const PointOutcome& outcome, const GivenPoint& point,
                      const ToolOptions& options, const StartupValues& startup) {
    if (outcome.given) {
        // A value the tables cannot use is a mistake in the command.
        return UsageError(FncGivenRefusalOptionText(*outcome.given, point).toStdString());
    }
    const bool shown = outcome.run.outcome == SpacingRun::Outcome::Shown;
    if (options.json) {
        Write(stdout, PointAsJson(outcome, startup));
    } else if (shown) {
        Write(stdout, PointAsText(outcome, startup));
    } else {
        Write(stderr, outcome.message.toStdString() + "\n");
    }
    return Finish(shown ? ExitStatus::Success : ExitStatus::PointNotComputed);
}

// A refused point gets no sheet, and no file is written.
ExitStatus RunOnePoint(const ToolOptions& options, const PointContext& context,
                       PointSheets* sheets) {
    if (const auto failed = OpenSheets(sheets, options)) return *failed;
    const GivenPoint point = PointOf(options);
    const PointOutcome outcome = RunPoint(point, context);
    const ExitStatus status = WritePoint(outcome, point, options, context.startup);
    if (outcome.run.outcome != SpacingRun::Outcome::Shown || status != ExitStatus::Success)
        return status;
    if (sheets != nullptr)
        sheets->AddPoint(FncSheetPointOf(outcome.resolved, outcome.run, context.startup));
    return FinishSheets(sheets, options, status);
}

// The table is the result, whichever cells cannot be mounted; entries that
// one point would refuse are refused as for one point.
ExitStatus RunComparisonTable(const ToolOptions& options, const PointContext& context) {
    const GivenPoint point = PointOf(options);
    const ComparisonOutcome outcome = RunComparison(point, context);
    if (outcome.refused) return WritePoint(*outcome.refused, point, options, context.startup);
    Write(stdout, options.json ? ComparisonAsJson(outcome.comparison, context.startup)
                               : ComparisonAsText(outcome.comparison, context.startup));
    return Finish(ExitStatus::Success);
}

ExitStatus RunCsvList(const ToolOptions& options, const PointContext& context,
                      PointSheets* sheets) {
    QFile file;
    const bool opened = options.csvPath == "-"
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(QString::fromStdString(options.csvPath)),
                               file.open(QIODevice::ReadOnly));
    if (!opened) return UsageError("cannot open '" + options.csvPath + "'");
    const int fd = file.handle();
#if defined(_WIN32)
    _setmode(fd, _O_BINARY);
#endif
    if (const auto failed = OpenSheets(sheets, options)) return *failed;
    // A page per computed record as it is written; the refused ones on the
    // last pages, by tag or else by line.
    const StartupValues& startup = context.startup;
    std::vector<RefusedRow> refused;
    ListedPointSink sheetOfEach;
    if (sheets != nullptr) {
        sheetOfEach = [&](const ListedPoint& listed) {
            const PointOutcome& outcome = listed.outcome;
            if (outcome.run.outcome == SpacingRun::Outcome::Shown) {
                sheets->AddPoint(
                    FncSheetPointOf(outcome.resolved, outcome.run, startup, listed.tag));
                return;
            }
            refused.push_back(
                {FncRefusedRowName(listed.tag, listed.line, startup), outcome.message});
        };
    }
    std::fflush(stdout);
    const ListRunResult result =
        RunList(SourceFromFd(fd), SinkToStandardOutput, context,
                {.warn =
                     [](const std::string& warning) {
                         Write(stderr, "velkara-spacing: " + warning + "\n");
                     },
                 .encoding = options.encoding,
                 .points = sheetOfEach});
    if (!result.problem.empty()) return UsageError(result.problem);
    if (sheets != nullptr && !refused.empty()) sheets->AddRefusedRows(refused);
    return FinishSheets(
        sheets, options,
        result.everyPointComputed ? ExitStatus::Success : ExitStatus::PointNotComputed);
}

ExitStatus Run(std::unique_ptr<QCoreApplication>& app, int& argc, char** argv) {
    const auto parsed = ParseToolOptions(app->arguments().mid(1));
    if (const auto* reason = std::get_if<std::string>(&parsed)) return UsageError(*reason);
    const ToolOptions& options = std::get<ToolOptions>(parsed);

    switch (options.action) {
        case ToolOptions::Action::Help:
            Write(stdout, ToolUsage());
            return Finish(ExitStatus::Success);
        case ToolOptions::Action::Version:
            Write(stdout, "velkara-spacing " VELKARA_VERSION "\n");
            return Finish(ExitStatus::Success);
        case ToolOptions::Action::List:
            Write(stdout, ListingText(RunSettings(options)));
            return Finish(ExitStatus::Success);
        case ToolOptions::Action::Csv:
        case ToolOptions::Action::Compare:
        case ToolOptions::Action::Point:
            break;
    }
    const PointContext context(RunSettings(options));
    // Sheets need Qt's painting, loaded only now, and an application object
    // that has fonts in place of the Qt Core one.
    std::unique_ptr<PointSheets> sheets;
    if (!options.sheetPath.empty()) {
        const auto loaded = LoadSheetModule();
        if (const auto* reason = std::get_if<std::string>(&loaded)) return UsageError(*reason);
        const SheetModule& module = *std::get<const SheetModule*>(loaded);
        app.reset();
        app = module.makeApplication(argc, argv);
        sheets = module.makeSheets(context.startup, QDateTime::currentDateTime());
    }
    if (options.action == ToolOptions::Action::Compare) return RunComparisonTable(options, context);
    if (options.action == ToolOptions::Action::Csv)
        return RunCsvList(options, context, sheets.get());
    return RunOnePoint(options, context, sheets.get());
}

}  // namespace

int main(int argc, char** argv) {
#if defined(SIGPIPE)
    // A closed pipe is then a write error that is reported, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    // Standard error carries the tool's own words only: Qt's notes on the
    // platform (no XDG_RUNTIME_DIR where cron or CI start the tool, a font
    // looked for) tell its user nothing. The tool writes its messages itself,
    // never through Qt's logging; what Qt calls critical still goes out, and
    // QT_LOGGING_RULES still shows the rest to whoever asks for it.
    QLoggingCategory::setFilterRules(
        QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    const ExitStatus status = Run(app, argc, argv);
    return static_cast<int>(status);
}
