#!/usr/bin/env bash
# Installs what is missing, builds Velkara and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

"$root/scripts/install-deps.sh"

echo "==> Configuring ($build)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKARA_BUILD_TESTS=OFF >/dev/null
echo "==> Building"
cmake --build "$build" --target velkara

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "==> No graphical display found (DISPLAY / WAYLAND_DISPLAY unset)." >&2
    echo "    Velkara was built at $build/velkara; start it from a desktop session." >&2
    exit 1
fi
echo "==> Starting $build/velkara"
exec "$build/velkara"
