#!/usr/bin/env bash
# Installs what is missing, builds Velkara with its tests and runs every test
# headless. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"

"$root/scripts/install-deps.sh"

if command -v clang-format >/dev/null && git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    echo "==> Checking the code format (clang-format)"
    (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)
fi

build="$root/build-test"
echo "==> Configuring the test build ($build)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELKARA_BUILD_TESTS=ON -DVELKARA_BUILD_BENCH=ON >/dev/null
echo "==> Building"
cmake --build "$build" -j "$jobs"
echo "==> Running the unit, window and end-to-end tests (headless)"
ctest --test-dir "$build" --output-on-failure -j "$jobs"

"$root/scripts/check-package.sh"

if [[ -x "$root/scripts/test-sanitize.sh" ]]; then
    "$root/scripts/test-sanitize.sh"
fi
if [[ -x "$root/scripts/fuzz.sh" ]]; then
    # A short pass; run scripts/fuzz.sh alone for the full 60 s per target.
    "$root/scripts/fuzz.sh" 5
fi
# The Windows program, cross-built with MinGW-w64 and tested under Wine.
"$root/scripts/test-windows.sh"
echo "==> All tests passed."
