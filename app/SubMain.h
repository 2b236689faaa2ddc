#pragma once
// The program's entry point: the one-copy rule, the start-up values and the
// window.

namespace ModCommonProc {

// One-copy rule, settings, window. Returns at once when another copy of the
// same user runs (after asking it to bring its window forward).
void SubMain();

// True once SubMain has opened the window (false when another copy runs).
bool IsWindowOpen();

}  // namespace ModCommonProc
