#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (shared DLLs) from Debian's patched qt6-base
# source and keeps it in a cache outside any build tree, keyed by the Qt
# version and the options, so later builds reuse it. Prints the Qt prefix as
# its last line. A build that is interrupted leaves no prefix behind: it is
# built in a work folder, installed to a staging folder and moved into place
# only when complete.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cache="${VELKARA_WINDOWS_CACHE:-$HOME/.cache/velkara-windows}"
jobs="$(nproc 2>/dev/null || echo 2)"
qt_version=6.4.2

# Only what Velkara uses: Core, Gui, Widgets, Network and Test. Bundled
# FreeType gives the offscreen platform used by the headless tests; Debian's
# source lacks the tablet headers, hence no tablet events.
options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_openssl=OFF -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF
)
key="$(printf '%s\n' "${options[@]}" "$(cat "$root/cmake/toolchain-mingw64.cmake")" | sha256sum | cut -c1-12)"
prefix="$cache/qt-$qt_version-mingw64-shared-$key"

if [[ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
    echo "==> Reusing Qt $qt_version for Windows in $prefix" >&2
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
"$root/scripts/windows/install-deps.sh" "$cache/src-qt6-base-$qt_version" >&2
source_dir="$(find "$cache/src-qt6-base-$qt_version" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)"
[[ -f "$source_dir/CMakeLists.txt" ]] || { echo "Qt source not found in $cache" >&2; exit 1; }

# Work in progress, never taken for a finished Qt: an interrupted build
# resumes here on the next run, a finished one is deleted (about 2.6 GB).
work="$cache/build-qt-$qt_version-mingw64-shared-$key"
staging="$work/install"
rm -rf "$staging"
mkdir -p "$work"
echo "==> Building Qt $qt_version for Windows (shared) in $work; takes a while" >&2
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$staging" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" -j "$jobs" >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 ||
    { tail -n 40 "$work/install.log" >&2; exit 1; }
# What the packages say about this Qt: its licence texts, those of the parts
# it bundles, the Debian source version and the options it was built with.
mkdir -p "$staging/licenses/3rdparty"
cp "$source_dir"/LICENSES/* "$staging/licenses/"
for part in "$source_dir"/src/3rdparty/*/; do
    texts=("$part"LICENSE* "$part"LICENCE* "$part"COPYING* "$part"docs/FTL.TXT "$part"docs/LICENSE.TXT)
    for text in "${texts[@]}"; do
        [[ -f "$text" ]] || continue
        mkdir -p "$staging/licenses/3rdparty/$(basename "$part")"
        cp "$text" "$staging/licenses/3rdparty/$(basename "$part")/"
    done
done
dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version >"$staging/debian-source-version"
printf '%s\n' "${options[@]}" >"$staging/build-options"

rm -rf "$prefix" && mv "$staging" "$prefix"
rm -rf "$work"
echo "==> Qt for Windows ready in $prefix" >&2
echo "$prefix"
