#!/usr/bin/env bash
# Builds the Windows release of Velkara on Debian 12 with MinGW-w64: a
# portable zip and an installer in build-windows/dist/. Installs what it needs
# from Debian, builds Qt for Windows from Debian's source once (kept in
# ${VELKARA_WINDOWS_CACHE:-~/.cache/velkara-windows}), then the program.
#
#   bash scripts/build-windows.sh              the release
#   bash scripts/build-windows.sh --with-tests the release and the test suites
#                                              (scripts/test-windows.sh runs them)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"
build="$root/build-windows"
tests=OFF
[[ "${1:-}" == --with-tests ]] && tests=ON

"$root/scripts/windows/install-deps.sh"
qt="$("$root/scripts/windows/build-qt.sh" | tail -n 1)"
toolchain="$root/cmake/toolchain-mingw64.cmake"
host_qt=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
prefixes="$qt"

if [[ $tests == ON ]]; then
    # GoogleTest for Windows, from Debian's source of it.
    gtest="$build/googletest"
    if [[ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]]; then
        echo "==> Building GoogleTest for Windows"
        cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_INSTALL_PREFIX="$gtest/install" -DBUILD_GMOCK=OFF >/dev/null
        cmake --build "$gtest/build" -j "$jobs" >/dev/null
        cmake --install "$gtest/build" >/dev/null
    fi
    prefixes="$qt;$gtest/install"
fi

echo "==> Configuring the Windows build ($build)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefixes" "${host_qt[@]}" \
    -DVELKARA_BUILD_TESTS="$tests" -DVELKARA_BUILD_BENCH=OFF >/dev/null
echo "==> Building velkara.exe"
cmake --build "$build" -j "$jobs"

echo "==> Packaging"
"$root/scripts/windows/package.sh" "$build" "$qt"
