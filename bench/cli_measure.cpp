// Start-up, throughput and peak memory of velkara-spacing, each run a fresh
// process timed from just before it is spawned to its exit (so loading and
// linking count), its peak resident memory taken from wait4's rusage.
//
//   cli_measure [runs]             one point, the tool and a bare Qt Core
//                                  program (bare_cli) alternately, `runs`
//                                  times each (default 50): medians and ratios
//   cli_measure csv [runs] [N]...  a list of N measuring points (make_points;
//                                  default 10000 and 1000000) through
//                                  `velkara-spacing --csv FILE > out`, `runs`
//                                  times each (default 5): medians, points/s;
//                                  in UTF-8 with English names, then in code
//                                  page 932 with Japanese names
//
// With VELKARA_SPACING_BEFORE set to another build of the tool, the CSV runs
// alternate between the two, for a before and after on the same machine at
// the same time (a build that reads UTF-8 only is given the UTF-8 list).
// The programs' paths are compiled in; their output goes to a scratch folder
// that is removed at the end.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "MeasureCommon.h"

extern char** environ;

namespace {

// The worked example of the manual page: TB_01/TC_01, V method, 65.47 mm.
const std::vector<std::string> kPointArguments = {
    "--outer-diameter", "114.3",       "--wall", "6",        "--pipe",
    "CARBON STEEL",     "--fluid",     "WATER",  "--method", "V",
    "--sensor",         "TB_01/TC_01", "--lang", "en"};

struct Sample {
    double ms = 0;     // spawn to exit
    double cpuMs = 0;  // user and system time of the process
    double peakMiB = 0;
};

// Runs `program arguments` with standard output into `output` (truncated)
// and standard input and error on /dev/null; false unless it exits 0.
bool RunOnce(const std::string& program, const std::vector<std::string>& arguments,
             const std::string& output, Sample& sample) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const long long t0 = MonotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    sample.ms = (MonotonicNs() - t0) / 1e6;
    sample.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    sample.peakMiB = usage.ru_maxrss / 1024.0;  // KiB on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Medians {
    double ms, cpuMs, peakMiB;
};

Medians MediansOf(const std::vector<Sample>& samples) {
    std::vector<double> ms, cpuMs, peakMiB;
    for (const Sample& s : samples) {
        ms.push_back(s.ms);
        cpuMs.push_back(s.cpuMs);
        peakMiB.push_back(s.peakMiB);
    }
    return {Median(ms), Median(cpuMs), Median(peakMiB)};
}

int MeasureStartup(const std::string& scratch, int runs) {
    const std::string out = scratch + "/out";
    std::vector<Sample> tool, bare;
    for (int run = 0; run < runs; ++run) {
        Sample sample;
        if (!RunOnce(VELKARA_SPACING, kPointArguments, out, sample)) {
            std::fprintf(stderr, "velkara-spacing failed\n");
            return 1;
        }
        tool.push_back(sample);
        if (!RunOnce(BARE_CLI, kPointArguments, out, sample)) {
            std::fprintf(stderr, "bare_cli failed\n");
            return 1;
        }
        bare.push_back(sample);
    }
    const Medians t = MediansOf(tool);
    const Medians b = MediansOf(bare);
    std::printf("%-16s %12s %12s %16s\n", "one point", "wall (ms)", "cpu (ms)", "peak RSS (MiB)");
    std::printf("%-16s %12.2f %12.2f %16.1f\n", "velkara-spacing", t.ms, t.cpuMs, t.peakMiB);
    std::printf("%-16s %12.2f %12.2f %16.1f\n", "bare_cli", b.ms, b.cpuMs, b.peakMiB);
    std::printf("%-16s %11.2fx %11.2fx %15.2fx\n", "ratio", t.ms / b.ms, t.cpuMs / b.cpuMs,
                t.peakMiB / b.peakMiB);
    return 0;
}

int MeasureCsv(const std::string& scratch, int runs, const std::vector<long>& sizes) {
    const char* before = std::getenv("VELKARA_SPACING_BEFORE");
    std::printf("%-8s %-10s %-12s %12s %12s %14s %16s\n", "build", "list", "points", "wall (ms)",
                "cpu (ms)", "points/s", "peak RSS (MiB)");
    for (const long points : sizes) {
        const std::string utf8 = scratch + "/points.csv", japanese = scratch + "/points-ja.csv",
                          cp932 = scratch + "/points-932.csv", out = scratch + "/out.csv";
        Sample made;
        // In processes of their own: a child's peak memory starts from its parent's.
        if (!RunOnce(MAKE_POINTS, {std::to_string(points)}, utf8, made) ||
            !RunOnce(MAKE_POINTS, {std::to_string(points), "ja"}, japanese, made) ||
            !RunOnce("/usr/bin/iconv", {"-f", "UTF-8", "-t", "CP932", japanese}, cp932, made)) {
            std::fprintf(stderr, "make_points failed\n");
            return 1;
        }
        struct Subject {
            const char* build;
            std::string program;
            const char* list;
            std::string file;
        };
        std::vector<Subject> subjects;
        if (before != nullptr) subjects.push_back({"before", before, "utf-8", utf8});
        subjects.push_back({"after", VELKARA_SPACING, "utf-8", utf8});
        subjects.push_back({"after", VELKARA_SPACING, "cp932", cp932});
        std::vector<std::vector<Sample>> samples(subjects.size());
        for (int run = 0; run < runs; ++run) {
            for (std::size_t at = 0; at < subjects.size(); ++at) {
                Sample sample;
                // Exit status 1: the list holds refused rows on purpose.
                RunOnce(subjects[at].program, {"--csv", subjects[at].file, "--lang", "en"}, out,
                        sample);
                samples[at].push_back(sample);
            }
        }
        for (std::size_t at = 0; at < subjects.size(); ++at) {
            const Medians m = MediansOf(samples[at]);
            std::printf("%-8s %-10s %-12ld %12.1f %12.1f %14.0f %16.1f\n", subjects[at].build,
                        subjects[at].list, points, m.ms, m.cpuMs, points / (m.ms / 1e3), m.peakMiB);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool csv = argc > 1 && std::strcmp(argv[1], "csv") == 0;
    const int first = csv ? 2 : 1;
    const int runs = argc > first ? std::max(1, std::atoi(argv[first])) : (csv ? 5 : 50);
    std::vector<long> sizes;
    for (int at = first + 1; at < argc; ++at) sizes.push_back(std::atol(argv[at]));
    if (sizes.empty()) sizes = {10'000, 1'000'000};

    char folder[] = "/tmp/cli_measure.XXXXXX";
    if (mkdtemp(folder) == nullptr) return 1;
    std::printf("machine: %u cores, %s; %d runs each%s\n", std::thread::hardware_concurrency(),
                CpuModel().c_str(), runs, csv ? "" : ", alternating");
    const int status = csv ? MeasureCsv(folder, runs, sizes) : MeasureStartup(folder, runs);
    std::filesystem::remove_all(folder);
    return status;
}
