#!/usr/bin/env bash
# Builds the Windows release and its tests (scripts/build-windows.sh) and
# runs them under Wine on a virtual X display: the unit, window and one-copy
# tests, the screenshot against docs/*-wine.png, the portable zip started
# from an otherwise empty folder, and the installer installed and removed
# silently. Every Wine step has a time limit: a Qt program that cannot start
# shows a message box and would wait forever. Prints the time of each step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-windows"
times=()
step_start=$SECONDS
step_done() {
    times+=("$(printf '%-44s %4d s' "$1" $((SECONDS - step_start)))")
    step_start=$SECONDS
}

bash "$root/scripts/build-windows.sh" --with-tests
step_done "Qt (cached or built), program, tests, packages"

# A Wine prefix of our own, made once; Wine's .NET and HTML engine installers
# are not wanted and would ask.
export WINEPREFIX="$build/wine-prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "==> Making the Wine prefix ($WINEPREFIX)"
    timeout 180 wineboot -i >/dev/null 2>&1
    timeout 60 wineserver -w
fi

echo "==> Starting a virtual display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$build/xvfb-display" 2>/dev/null &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 100); do [[ -s "$build/xvfb-display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$build/xvfb-display")"
step_done "Wine prefix and display"

# Qt's offscreen platform on Windows reads fonts from one folder only: it gets
# the Linux fonts the window's and the mounting sheet's stand-ins name, as on
# Linux.
fonts="$build/wine-fonts"
rm -rf "$fonts" && mkdir -p "$fonts"
for family in "Noto Sans CJK JP" "IPAGothic" "Liberation Sans" "DejaVu Sans" "DejaVu Sans Mono"; do
    fc-list -f '%{file}\n' "$family"
done | sort -u | xargs -I{} ln -s {} "$fonts/"

# Wine hands the program QT_* variables only under a WINE prefix of their own.
# The tests find Qt's and MinGW-w64's DLLs through WINEPATH.
qt="$(grep -m1 '^CMAKE_PREFIX_PATH' "$build/CMakeCache.txt" | cut -d= -f2 | cut -d';' -f1)"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
runtime_dir="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
pthread_dir="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
echo "==> Running the tests under Wine"
# Wine now and then fails to create a process (a test that ends in 0.01 s
# with no output, or a child that never starts): a failed test runs once more,
# and ctest's output still shows the first failure.
WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR="$(windows_path "$fonts")" \
    WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime_dir");$(windows_path "$pthread_dir")" \
    timeout 1200 ctest --test-dir "$build" --output-on-failure -j 1 --timeout 180 \
    --repeat until-pass:2
step_done "Tests under Wine"

bash "$root/scripts/windows/check-packages.sh" "$build"
step_done "Zip and installer under Wine"

echo "==> Times (this machine)"
printf '    %s\n' "${times[@]}"
echo "==> All Windows tests passed."
