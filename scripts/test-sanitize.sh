#!/usr/bin/env bash
# Builds every test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs it headless. Any sanitizer report fails the run.
#
# Usage: scripts/test-sanitize.sh [build-dir]     (default: build-asan)
# Takes about 10 minutes on 2 cores: a full rebuild plus a run at ~2x slower.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-asan}"
jobs="$(nproc 2>/dev/null || echo 2)"

echo "==> Configuring the sanitizer build ($build)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVELKARA_SANITIZE=ON -DVELKARA_BUILD_TESTS=ON -DVELKARA_BUILD_BENCH=OFF >/dev/null
echo "==> Building with AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --build "$build" -j "$jobs"

# Qt and the font libraries are not instrumented; leaks inside them are theirs.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"

echo "==> Running the tests under the sanitizers (headless)"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
echo "==> Sanitizer run passed."
