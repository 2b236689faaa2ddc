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
//   cli_measure rate BASELINE [runs] [N]...
//                                  the list of N carbon steel points that one
//                                  formula covers (make_points N steel;
//                                  default 1000000) through this tool, the
//                                  tool built at BASELINE (a path), and the
//                                  system's awk computing that formula, in
//                                  turn, `runs` times each (default 5):
//                                  medians, points/s, the rate against awk's;
//                                  and whether the three outputs agree
//
// With VELKARA_SPACING_BEFORE set to another build of the tool, the CSV runs
// alternate between the two, for a before and after on the same machine at
// the same time (a build that reads UTF-8 only is given the UTF-8 list).
// The programs' paths are compiled in; their output goes to a scratch folder
// that is removed at the end.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "ChildRun.h"
#include "MeasureCommon.h"

namespace {

// The worked example of the manual page: TB_01/TC_01, V method, 65.47 mm.
const std::vector<std::string> kPointArguments = {
    "--outer-diameter", "114.3",       "--wall", "6",        "--pipe",
    "CARBON STEEL",     "--fluid",     "WATER",  "--method", "V",
    "--sensor",         "TB_01/TC_01", "--lang", "en"};

struct Medians {
    double ms, cpuMs, peakMiB;
};

Medians MediansOf(const std::vector<ChildRun>& samples) {
    std::vector<double> ms, cpuMs, peakMiB;
    for (const ChildRun& s : samples) {
        ms.push_back(s.ms);
        cpuMs.push_back(s.cpuMs);
        peakMiB.push_back(s.peakMiB);
    }
    return {Median(ms), Median(cpuMs), Median(peakMiB)};
}

int MeasureStartup(const std::string& scratch, int runs) {
    const std::string out = scratch + "/out";
    std::vector<ChildRun> tool, bare;
    for (int run = 0; run < runs; ++run) {
        ChildRun sample;
        if (!RunChild(VELKARA_SPACING, kPointArguments, out, sample)) {
            std::fprintf(stderr, "velkara-spacing failed\n");
            return 1;
        }
        tool.push_back(sample);
        if (!RunChild(BARE_CLI, kPointArguments, out, sample)) {
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
        ChildRun made;
        // In processes of their own: a child's peak memory starts from its parent's.
        if (!RunChild(MAKE_POINTS, {std::to_string(points)}, utf8, made) ||
            !RunChild(MAKE_POINTS, {std::to_string(points), "ja"}, japanese, made) ||
            !RunChild("/usr/bin/iconv", {"-f", "UTF-8", "-t", "CP932", japanese}, cp932, made)) {
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
        std::vector<std::vector<ChildRun>> samples(subjects.size());
        for (int run = 0; run < runs; ++run) {
            for (std::size_t at = 0; at < subjects.size(); ++at) {
                ChildRun sample;
                // Exit status 1: the list holds refused rows on purpose.
                RunChild(subjects[at].program, {"--csv", subjects[at].file, "--lang", "en"}, out,
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

// The spacing of TB_01/TC_01 mounted the V way on carbon steel (3000 m/s)
// filled with water (1440 m/s), in awk: the wedge (2505 m/s, 42 degrees) sets
// the beam's angle in the wall and in the water once; each row is then
// 2 (wall tan(wall angle) + 9.07 + (diameter - 2 wall) tan(water angle)) - 2 x 27,
// truncated to 0.01 mm, after the row, with empty steps and message, as the
// tool writes it.
const char* const kAwkSpacing =
    "BEGIN { FS = \",\"; s = sin(42 * atan2(0, -1) / 180);"
    "  w = 3000 / 2505 * s; tw = w / sqrt(1 - w * w);"
    "  f = 1440 / 2505 * s; tf = f / sqrt(1 - f * f) }"
    "NR == 1 { print $0 \",spacing-mm,steps,message\"; next }"
    "{ a = 2 * (tw * $3 + 9.07 + tf * ($2 - 2 * $3)) - 54;"
    "  printf \"%s,%.2f,,\\n\", $0, int(a * 100) / 100 }";

bool SameBytes(const std::string& one, const std::string& other) {
    std::ifstream a(one, std::ios::binary), b(other, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(a), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(b), std::istreambuf_iterator<char>());
}

int MeasureRate(const std::string& scratch, const std::string& baseline, int runs,
                const std::vector<long>& sizes) {
    const std::string list = scratch + "/steel.csv";
    struct Subject {
        const char* name;
        std::string program;
        std::vector<std::string> arguments;
        std::string output;
    };
    // The system's awk, which the name awk runs from a shell.
    const std::filesystem::path systemAwk = "/usr/bin/awk";
    const bool hasSystemAwk = std::filesystem::exists(systemAwk);
    const std::vector<Subject> subjects = {
        {"candidate", VELKARA_SPACING, {"--csv", list, "--lang", "en"}, scratch + "/candidate.csv"},
        {"baseline", baseline, {"--csv", list, "--lang", "en"}, scratch + "/baseline.csv"},
        {"awk",
         hasSystemAwk ? systemAwk.string() : "awk",
         {kAwkSpacing, list},
         scratch + "/awk.csv"},
    };
    std::printf("awk: %s\n",
                hasSystemAwk ? std::filesystem::canonical(systemAwk).c_str() : "awk in PATH");
    std::printf("%-10s %-10s %12s %12s %14s %16s %10s\n", "program", "points", "wall (ms)",
                "cpu (ms)", "points/s", "peak RSS (MiB)", "x awk");
    for (const long points : sizes) {
        ChildRun made;
        if (!RunChild(MAKE_POINTS, {std::to_string(points), "steel"}, list, made)) {
            std::fprintf(stderr, "make_points failed\n");
            return 1;
        }
        std::vector<std::vector<ChildRun>> samples(subjects.size());
        for (int run = 0; run < runs; ++run) {
            for (std::size_t at = 0; at < subjects.size(); ++at) {
                const Subject& subject = subjects[at];
                ChildRun sample;
                if (!RunChild(subject.program, subject.arguments, subject.output, sample)) {
                    std::fprintf(stderr, "%s failed on the list\n", subject.name);
                    return 1;
                }
                samples[at].push_back(sample);
            }
        }
        const double awkMs = MediansOf(samples.back()).ms;
        for (std::size_t at = 0; at < subjects.size(); ++at) {
            const Medians m = MediansOf(samples[at]);
            std::printf("%-10s %-10ld %12.1f %12.1f %14.0f %16.1f %9.2fx\n", subjects[at].name,
                        points, m.ms, m.cpuMs, points / (m.ms / 1e3), m.peakMiB, awkMs / m.ms);
        }
        for (std::size_t at = 1; at < subjects.size(); ++at) {
            const bool same = SameBytes(subjects[0].output, subjects[at].output);
            std::printf("output of %s %s the candidate's\n", subjects[at].name,
                        same ? "equals" : "differs from");
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool rate = argc > 2 && std::strcmp(argv[1], "rate") == 0;
    const bool csv = rate || (argc > 1 && std::strcmp(argv[1], "csv") == 0);
    const int first = rate ? 3 : csv ? 2 : 1;
    const int runs = argc > first ? std::max(1, std::atoi(argv[first])) : (csv ? 5 : 50);
    std::vector<long> sizes;
    for (int at = first + 1; at < argc; ++at) sizes.push_back(std::atol(argv[at]));
    if (sizes.empty())
        sizes = rate ? std::vector<long>{1'000'000} : std::vector<long>{10'000, 1'000'000};

    char folder[] = "/tmp/cli_measure.XXXXXX";
    if (mkdtemp(folder) == nullptr) return 1;
    std::printf("machine: %u cores, %s; %d runs each%s\n", std::thread::hardware_concurrency(),
                CpuModel().c_str(), runs, csv ? "" : ", alternating");
    const int status = rate  ? MeasureRate(folder, argv[2], runs, sizes)
                       : csv ? MeasureCsv(folder, runs, sizes)
                             : MeasureStartup(folder, runs);
    std::filesystem::remove_all(folder);
    return status;
}
