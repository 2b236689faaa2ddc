#pragma once
// One run of a program as a fresh process, timed from just before it is
// spawned to its exit (so loading and linking count), with its processor time
// and peak resident memory from wait4's rusage.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "MeasureCommon.h"

extern char** environ;

struct ChildRun {
    double ms = 0;     // spawn to exit
    double cpuMs = 0;  // user and system time of the process
    double peakMiB = 0;
    std::string output;  // what it wrote to standard output, unless sent to a file
};

// Runs `program arguments` with standard input and error on /dev/null and
// standard output into `outputFile` (truncated), or into run.output when
// that is empty; false unless it exits 0. A program named without a folder
// is looked up in PATH, as a shell would (awk).
inline bool RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& outputFile, ChildRun& run) {
    int pipeEnds[2] = {-1, -1};
    if (outputFile.empty() && pipe(pipeEnds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (outputFile.empty()) {
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const long long t0 = MonotonicNs();
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (outputFile.empty()) {
        close(pipeEnds[1]);
        char buffer[4096];
        for (ssize_t got; spawned == 0 && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
            run.output.append(buffer, std::size_t(got));
        close(pipeEnds[0]);
    }
    if (spawned != 0) return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    run.ms = (MonotonicNs() - t0) / 1e6;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    run.peakMiB = usage.ru_maxrss / 1024.0;  // KiB on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
