#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UBSan) and runs
# each for a bounded time, starting from the seed corpus kept in fuzz/corpus/.
# A property violation or crash stops the run; the input that caused it is
# left in <build-dir>/artifacts/.
#
# Usage: scripts/fuzz.sh [seconds-per-target] [build-dir]   (default: 60, build-fuzz)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="${2:-$root/build-fuzz}"
jobs="$(nproc 2>/dev/null || echo 2)"

if ! command -v clang++ >/dev/null; then
    echo "==> clang++ not found; run scripts/install-deps.sh" >&2
    exit 1
fi

echo "==> Configuring the fuzz build ($build)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVELKARA_FUZZ=ON \
    -DVELKARA_BUILD_TESTS=OFF -DVELKARA_BUILD_BENCH=OFF >/dev/null

targets=()
for source in "$root"/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
echo "==> Building ${targets[*]}"
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

# Qt and the font libraries are not instrumented; leaks inside them are theirs.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
    seeds="$root/fuzz/corpus/$target"
    # New inputs go to the build folder; the seeds in the repository stay small.
    work="$build/corpus/$target"
    mkdir -p "$seeds" "$work"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$build/artifacts/$target-")
    if [[ -f "$root/fuzz/$target.dict" ]]; then
        options+=(-dict="$root/fuzz/$target.dict")
    fi
    echo "==> Fuzzing $target for $seconds s"
    if ! "$build/fuzz/$target" "${options[@]}" "$work" "$seeds" >"$build/$target.log" 2>&1; then
        tail -n 60 "$build/$target.log" >&2
        echo "==> $target failed; the input is in $build/artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$build/$target.log" | sed 's/^/    /'
done
echo "==> Fuzzing passed."
