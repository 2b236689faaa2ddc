#!/usr/bin/env bash
# Builds the Debian package the way the README describes and checks it as
# Debian and the desktop do: lintian must report no error and no warning, the
# installed desktop entry, AppStream metadata and manual pages must validate,
# the settings file must be a conffile, and the changelog, the AppStream
# release and the package must agree on the version. Both programs and their
# command links must be there, the package must depend on what the tool links,
# and the tool must run from the unpacked tree, reading through its command
# link the settings beside the real program file, and write a mounting sheet. The same build configured
# without a prefix must give the same package (under /usr, not /usr/local).
#
# Usage: scripts/check-package.sh [build-dir]     (default: build-package)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-package}"
jobs="$(nproc 2>/dev/null || echo 2)"
app_id="io.github.velkara.Velkara"

fail() {
    echo "==> Package check FAILED: $*" >&2
    exit 1
}

echo "==> Configuring the package build ($build)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKARA_BUILD_TESTS=OFF \
    -DVELKARA_BUILD_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
echo "==> Building"
cmake --build "$build" -j "$jobs"
rm -f "$build"/velkara_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/velkara_*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || fail "cpack made no single velkara_*.deb"
deb="${debs[0]}"
echo "==> Built $deb"

echo "==> lintian"
# Overrides shipped in the package are honoured; anything else fails.
lintian_rc=0
lintian_out="$(lintian --fail-on error,warning "$deb" 2>&1)" || lintian_rc=$?
grep -v 'running with root privileges' <<<"$lintian_out" || true
((lintian_rc == 0)) || fail "lintian reports errors or warnings (exit status $lintian_rc)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"
tree="$work/root"

echo "==> desktop-file-validate, appstreamcli validate"
desktop-file-validate "$tree/usr/share/applications/$app_id.desktop" ||
    fail "desktop entry does not validate"
appstreamcli validate --no-net "$tree/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "AppStream metadata does not validate"

echo "==> programs, command links, man -l"
for program in velkara velkara-spacing; do
    [[ -f "$tree/usr/lib/velkara/$program" && -x "$tree/usr/lib/velkara/$program" ]] ||
        fail "no program /usr/lib/velkara/$program"
    [[ "$(readlink "$tree/usr/bin/$program")" == "../lib/velkara/$program" ]] ||
        fail "/usr/bin/$program is not a link to ../lib/velkara/$program"
    page="$tree/usr/share/man/man1/$program.1.gz"
    [[ -f "$page" ]] || fail "no manual page for $program"
    warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)" ||
        fail "man -l $program.1.gz failed"
    [[ -z "$warnings" ]] || fail "$program.1 renders with warnings:"$'\n'"$warnings"
    MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q '^NAME' || fail "$program.1 renders empty"
done

echo "==> velkara-spacing from the unpacked tree"
# The settings link points to the host's /etc, which may hold anything: the
# language is given.
tool="$tree/usr/bin/velkara-spacing"
[[ "$("$tool" --version)" == "velkara-spacing $(dpkg-deb -f "$deb" Version)" ]] ||
    fail "velkara-spacing --version does not name the package's version"
point="$("$tool" --outer-diameter 114.3 --wall 6 --sensor TB_01/TC_01 --lang en --units mm)" ||
    fail "velkara-spacing failed on one point"
[[ "$point" == "SENSOR SPACING1: 65.47 mm" ]] || fail "velkara-spacing printed '$point'"
# Its mounting sheet, written by the module beside the real program file,
# without a display.
sheet="$work/sheet.pdf"
env -u DISPLAY -u QT_QPA_PLATFORM "$tool" --outer-diameter 114.3 --wall 6 --sensor TB_01/TC_01 \
    --lang en --units mm --sheet "$sheet" >/dev/null 2>&1 || fail "velkara-spacing --sheet failed"
pdftotext "$sheet" - | grep -q 'SENSOR SPACING1' || fail "the sheet velkara-spacing wrote is no PDF"

echo "==> settings beside the real program, read through the command link"
# Installed, the command links to the program, whose settings file links to
# /etc: the settings are those the program file's link reaches, whatever lies
# beside the command. The same layout, with its own /etc.
layout="$work/layout"
mkdir -p "$layout/usr/lib/velkara" "$layout/usr/bin" "$layout/etc/velkara"
cp "$tree/usr/lib/velkara/velkara-spacing" "$layout/usr/lib/velkara/"
cp -P "$tree/usr/bin/velkara-spacing" "$layout/usr/bin/"
ln -s "$layout/etc/velkara/Velkara.ini" "$layout/usr/lib/velkara/Velkara.ini"
printf '[SYSTEM]\nLANG_FLAG=1\n' >"$layout/etc/velkara/Velkara.ini"
printf '[SYSTEM]\nUNIT_FLAG=1\n' >"$layout/usr/bin/Velkara.ini"
point="$("$layout/usr/bin/velkara-spacing" --outer-diameter 114.3 --wall 6 --sensor TB_01/TC_01)" ||
    fail "velkara-spacing failed through its command link"
[[ "$point" == "SENSOR SPACING1: 65.47 mm" ]] ||
    fail "through the command link velkara-spacing printed '$point', not with /etc's settings"

echo "==> dependencies of velkara-spacing"
# dpkg-shlibdeps wants a debian/control beside it; the tool's libraries must
# be among the package's dependencies.
mkdir -p "$work/shlibdeps/debian"
touch "$work/shlibdeps/debian/control"
tool_depends="$(cd "$work/shlibdeps" &&
    dpkg-shlibdeps -O "$tree/usr/lib/velkara/velkara-spacing" 2>/dev/null)" ||
    fail "dpkg-shlibdeps cannot read velkara-spacing"
package_depends="$(dpkg-deb -f "$deb" Depends)"
for dependency in $(sed 's/^shlibs:Depends=//; s/([^)]*)//g; s/[,|]/ /g' <<<"$tool_depends"); do
    grep -qw -- "$dependency" <<<"$package_depends" ||
        fail "velkara-spacing needs $dependency, which the package does not depend on"
done

echo "==> settings file"
grep -qx /etc/velkara/Velkara.ini "$work/control/conffiles" ||
    fail "/etc/velkara/Velkara.ini is not a conffile"
[[ "$(readlink "$tree/usr/lib/velkara/Velkara.ini")" == /etc/velkara/Velkara.ini ]] ||
    fail "/usr/lib/velkara/Velkara.ini does not link to /etc/velkara/Velkara.ini"
[[ -f "$tree/etc/velkara/Velkara.ini" && ! -L "$tree/etc/velkara/Velkara.ini" ]] ||
    fail "/etc/velkara/Velkara.ini is not a regular file"

echo "==> versions"
package_version="$(dpkg-deb -f "$deb" Version)"
changelog_version="$(dpkg-parsechangelog -l "$root/CHANGELOG" -S Version)"
changelog_date="$(date -u -d "$(dpkg-parsechangelog -l "$root/CHANGELOG" -S Date)" +%F)"
release="$(grep -o '<release version="[^"]*" date="[^"]*"' \
    "$tree/usr/share/metainfo/$app_id.metainfo.xml" | head -n 1)"
[[ "$changelog_version" == "$package_version" ]] ||
    fail "CHANGELOG names $changelog_version, the package is $package_version"
[[ "$release" == "<release version=\"$package_version\" date=\"$changelog_date\"" ]] ||
    fail "the newest AppStream release ($release) is not $package_version of $changelog_date"
zcat "$tree/usr/share/doc/velkara/changelog.gz" | cmp -s - "$root/CHANGELOG" ||
    fail "the installed changelog differs from CHANGELOG"

echo "==> the same package from the build configured without a prefix"
# Only the install rules depend on the prefix: reconfiguring compiles nothing.
cmake -U CMAKE_INSTALL_PREFIX -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null
(cd "$build" && cpack -G DEB -B "$work/no-prefix" >/dev/null)
contents() { dpkg-deb -c "$1" | awk '{ $4 = $5 = ""; print }'; }
other="$work/no-prefix/$(basename "$deb")"
[[ -f "$other" ]] || fail "no package from the build without a prefix"
diff <(contents "$deb") <(contents "$other") ||
    fail "without a prefix the package holds other files (above)"
dpkg-deb -e "$other" "$work/no-prefix/control"
diff -r "$work/control" "$work/no-prefix/control" ||
    fail "without a prefix the package has other control files (above)"

echo "==> Package checks passed."
