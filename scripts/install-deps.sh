#!/usr/bin/env bash
# Installs the Debian packages Velkara needs to build, test and run.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # Qt's own texts in Japanese (qtbase_ja), which a Japanese run loads.
    qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    clang libclang-rt-dev
    fonts-noto-cjk fonts-liberation fonts-dejavu-core
    # A Japanese gothic with a glyph of its own for every character, so the
    # mounting sheet's Japanese text reads back from the PDF as written.
    fonts-ipafont-gothic
    # Reading the mounting sheet's PDF back in the tests.
    poppler-utils
    dpkg-dev file desktop-file-utils
    # Checks of the Debian package: Debian's checker, AppStream, manual pages.
    lintian appstream man-db groff-base
    # Locales with a decimal comma, so the tests can prove numbers do not
    # depend on the C library's locale.
    locales-all
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if ((${#missing[@]} == 0)); then
    echo "==> All build and run dependencies are already installed."
    exit 0
fi

echo "==> Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
