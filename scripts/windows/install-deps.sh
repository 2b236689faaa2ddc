#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its Wine tests need, and
# unpacks Debian's patched Qt source into the directory given as $1.
# Safe to run again: it installs and fetches only what is missing.
set -euo pipefail

packages=(
    cmake ninja-build qt6-base-dev qt6-base-dev-tools libgtest-dev dpkg-dev
    qt6-translations-l10n
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    wine wine64 xvfb xauth x11-utils xdotool imagemagick nsis zip unzip
    fontconfig fonts-noto-cjk fonts-liberation fonts-dejavu-core
)
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
apt_get=("${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900)

missing=()
for pkg in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if ((${#missing[@]})); then
    echo "==> Installing missing packages: ${missing[*]}"
    "${apt_get[@]}" update -q
    "${apt_get[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi

# Qt's source comes from Debian's own source package, so it needs a deb-src
# entry mirroring the archive and suite the binary packages come from.
if ! grep -rqs '^\(deb-src\|Types:.*deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    src=/etc/apt/sources.list.d/velkara-deb-src.sources
    echo "==> Adding Debian source entries ($src)"
    if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
        sed 's/^Types:.*deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo_cmd[@]}" tee "$src" >/dev/null
    else
        grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/velkara-deb-src.list >/dev/null
    fi
    "${apt_get[@]}" update -q
fi

if [[ $# -ge 1 ]]; then
    dest="$1"
    if [[ ! -f "$dest/.complete" ]]; then
        echo "==> Fetching Debian's Qt source (qt6-base) into $dest"
        rm -rf "$dest.partial" && mkdir -p "$dest.partial"
        (cd "$dest.partial" && apt-get source -q qt6-base >/dev/null)
        touch "$dest.partial/.complete"
        rm -rf "$dest" && mv "$dest.partial" "$dest"
    fi
fi
