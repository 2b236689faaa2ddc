#!/usr/bin/env bash
# Assembles the Windows release from a finished build of velkara.exe:
#   <build>/dist/Velkara-<version>-windows-x64/      the portable folder
#   <build>/dist/Velkara-<version>-windows-x64.zip   the same, zipped
#   <build>/dist/Velkara-<version>-setup-x64.exe     the installer
# Usage: package.sh <build folder> <Qt prefix>
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "$1" && pwd)"
qt="$2"
version="$(sed -n 's/^project(Velkara VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
dist="$build/dist"
stage="$dist/Velkara-$version-windows-x64"
cxx=x86_64-w64-mingw32-g++-posix

rm -rf "$dist"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/sheet" "$stage/licenses"

# windeployqt does not run here, so the list of what the programs load is kept
# by hand: Qt's modules, the Windows platform and style plug-ins, the tool's
# sheet module and the MinGW-w64 runtime. The import check below proves it
# complete.
cp "$build/velkara.exe" "$build/velkara-spacing.exe" "$stage/"
# The tool's mounting-sheet writer, which it loads from there when asked.
cp "$build/sheet/velkara-sheet.dll" "$stage/sheet/"
# Qt's own texts in Japanese, which a Japanese run loads from there.
cp -r "$build/translations" "$stage/"
for module in Core Gui Widgets Network; do cp "$qt/bin/Qt6$module.dll" "$stage/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
for runtime in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
    cp "$("$cxx" -print-file-name="$runtime")" "$stage/"
done
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# Every DLL a shipped file imports is shipped too, or is part of Windows.
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|ws2_32|uxtheme|dwmapi|imm32|winmm|version|netapi32|userenv|mpr|shlwapi|shcore|winhttp|wtsapi32|crypt32|secur32|bcrypt|iphlpapi|dnsapi|msvcrt|ntdll|setupapi|comctl32|dwrite|d2d1|d3d9|d3d11|dxgi|winspool\.drv|authz|api-ms-win-.*)(\.dll)?$'
shipped="$(find "$stage" -name '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z')"
missing=0
while IFS= read -r file; do
    while IFS= read -r dll; do
        lower="$(tr 'A-Z' 'a-z' <<<"$dll")"
        if ! grep -qxF "$lower" <<<"$shipped" && ! [[ "$lower" =~ $system_dlls ]]; then
            echo "${file#"$stage"/} needs $dll, which the package lacks" >&2
            missing=1
        fi
    done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$stage" -name '*.exe' -o -name '*.dll')
((missing == 0)) || exit 1
# A window program: no console window opens beside it.
headers="$(x86_64-w64-mingw32-objdump -p "$stage/velkara.exe")"
grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" ||
    { echo "velkara.exe is not a Windows GUI program" >&2; exit 1; }

crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
crlf "$root/packaging/windows/Velkara.ini" "$stage/Velkara.ini"
crlf "$root/LICENSE" "$stage/LICENSE.txt"
cp -r "$qt/licenses" "$stage/licenses/Qt"
# Only the bundled parts that are built into the shipped DLLs on Windows.
for part in android gradle xcb VulkanMemoryAllocator libjpeg forkfd; do
    rm -rf "$stage/licenses/Qt/3rdparty/$part"
done
options="$(sed 's/^/    /' "$qt/build-options")"
gcc_version="$("$cxx" -dumpversion)"
debian_version="$(cat "$qt/debian-source-version")"
qt_version="${debian_version%%+*}"
translations_version="$(dpkg-query -W -f='${Version}' qt6-translations-l10n)"
awk -v opts="$options" -v deb="$debian_version" -v qtv="$qt_version" -v gccv="$gcc_version" \
    -v trv="$translations_version" '
    { gsub(/@DEBIAN_VERSION@/, deb); gsub(/@QT_VERSION@/, qtv); gsub(/@GCC_VERSION@/, gccv)
      gsub(/@TRANSLATIONS_VERSION@/, trv) }
    /^@QT_OPTIONS@$/ { print opts; next } { print }' \
    "$root/packaging/windows/Qt-source.txt" | sed 's/\r*$/\r/' >"$stage/Qt-source.txt"

echo "==> Portable zip"
(cd "$dist" && zip -qrX9 "$(basename "$stage").zip" "$(basename "$stage")")

echo "==> Installer"
# The installer's file lists, written from the portable folder so that the
# two packages cannot differ.
{
    while IFS= read -r dir; do
        printf 'SetOutPath "$INSTDIR%s"\n' "${dir:+\\${dir//\//\\}}"
        find "$stage/$dir" -maxdepth 1 -type f ! -name Velkara.ini -printf 'File "%p"\n'
    done < <(cd "$stage" && find . -type d -printf '%P\n' | sort)
    echo 'SetOutPath "$INSTDIR"'
} >"$stage.files.nsh"
{
    (cd "$stage" && find . -type f ! -name Velkara.ini -printf '%P\n') |
        sed 's#/#\\#g; s#.*#Delete "$INSTDIR\\&"#'
    (cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | sort -r) |
        sed 's#/#\\#g; s#.*#RMDir "$INSTDIR\\&"#'
} >"$stage.unfiles.nsh"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" \
    -DOUTFILE="$dist/Velkara-$version-setup-x64.exe" "$root/packaging/windows/velkara.nsi"
rm -f "$stage.files.nsh" "$stage.unfiles.nsh"
ls -l "$dist"/*.zip "$dist"/*.exe
