#pragma once
// How a run of velkara-spacing ends, as its exit status: scripts tell these
// apart, so each keeps its number.

enum class ExitStatus : int {
    // Every point computed, or what was asked for (--list, --help) printed.
    Success = 0,
    // A point refused or failed; a CSV list is written to its end first.
    PointNotComputed = 1,
    // A mistake in the command, or input or output that failed: nothing
    // more is done.
    UsageError = 2,
};
