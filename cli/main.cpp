// velkara-spacing: the sensor spacing of one measuring point, of every
// sensor and method on it, or of a CSV list of points, on the window's
// checks, calculation and texts.
#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <string>

#include "cli/ComparisonOutput.h"
#include "cli/ConsoleText.h"
#include "cli/CsvRun.h"
#include "cli/ExitStatus.h"
#include "cli/Listing.h"
#include "cli/PointOutput.h"
#include "cli/ToolOptions.h"
#include "cli/ToolUsage.h"

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
    return ModCommonProc::FncStartupValues(options.unitFlag.value_or(flags.UnitFlag),
                                           options.langFlag.value_or(flags.LangFlag));
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

ExitStatus RunOnePoint(const ToolOptions& options, const ToolContext& context) {
    const GivenPoint point = PointOf(options);
    return WritePoint(RunPoint(point, context), point, options, context.startup);
}

// The table is the result, whichever cells cannot be mounted; entries that
// one point would refuse are refused as for one point.
ExitStatus RunComparisonTable(const ToolOptions& options, const ToolContext& context) {
    const GivenPoint point = PointOf(options);
    const ComparisonOutcome outcome = RunComparison(point, context);
    if (outcome.refused) return WritePoint(*outcome.refused, point, options, context.startup);
    Write(stdout, options.json ? ComparisonAsJson(outcome.comparison, context.startup)
                               : ComparisonAsText(outcome.comparison, context.startup));
    return Finish(ExitStatus::Success);
}

ExitStatus RunCsvList(const ToolOptions& options, const ToolContext& context) {
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
    std::fflush(stdout);
    const CsvRunResult result = RunCsv(
        SourceFromFd(fd), SinkToStandardOutput, context,
        [](const std::string& warning) { Write(stderr, "velkara-spacing: " + warning + "\n"); },
        options.encoding);
    if (result.exitStatus == ExitStatus::UsageError) return UsageError(result.problem);
    return result.exitStatus;
}

ExitStatus Run(const QStringList& arguments) {
    const auto parsed = ParseToolOptions(arguments);
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
            return RunCsvList(options, ToolContext(RunSettings(options)));
        case ToolOptions::Action::Compare:
            return RunComparisonTable(options, ToolContext(RunSettings(options)));
        case ToolOptions::Action::Point:
            break;
    }
    return RunOnePoint(options, ToolContext(RunSettings(options)));
}

}  // namespace

int main(int argc, char** argv) {
#if defined(SIGPIPE)
    // A closed pipe is then a write error that is reported, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    return static_cast<int>(Run(app.arguments().mid(1)));
}
