#!/usr/bin/env bash
# Checks the Windows packages in <build>/dist under Wine, on the display in
# DISPLAY and the Wine prefix in WINEPREFIX (scripts/test-windows.sh sets
# both): the portable folder, unzipped alone into a folder whose name holds
# blanks and Japanese letters, opens its window with the real Windows platform
# and loads no DLL from outside the folder but Windows' own; there both
# programs read its Velkara.ini, and velkara-spacing.exe takes Japanese
# arguments, reads and writes a code page 932 list named in Japanese, writes
# Unicode to a console in code page 437 and writes mounting sheets (its sheet
# module loaded from the folder) into a folder named in Japanese with blanks;
# velkara.exe started with the list's path opens it in its list window;
# the installer installs silently, registers its uninstaller and "Open with"
# for .csv (not as the default program), keeps an edited
# Velkara.ini on upgrade and on removal, both programs read that file, and the
# removal takes the rest.
# Screenshots of both windows are left in <build>/dist for a look.
# Usage: check-packages.sh <build folder>
set -euo pipefail
build="$1"
dist="$build/dist"
zip="$(ls "$dist"/Velkara-*-windows-x64.zip)"
setup="$(ls "$dist"/Velkara-*-setup-x64.exe)"
stage="${zip%.zip}"
work="$(mktemp -d "$build/package-check.XXXXXX")"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "package check: $*" >&2
    exit 1
}

# Waits up to a minute for a visible window titled $1. xdotool gives up on
# the first X error, and Wine creates and destroys helper windows while a
# program starts, so a window gone between listing and reading its title
# ends one search, not the wait.
wait_for_window() {
    local deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 1
    done
    return 1
}

# Starts velkara.exe in folder $1 (with the arguments after $3), waits for its
# window titled $2, saves a screenshot as $3 and ends the program. Every DLL it
# loaded from a file of its own is one of the folder's.
show_window() {
    local folder="$1" title="$2" shot="$3" log="$work/loaded.log" pid
    (cd "$folder" && exec env WINEDEBUG=+loaddll timeout 120 wine velkara.exe "${@:4}") >"$log" 2>&1 &
    pid=$!
    if ! wait_for_window "$title"; then
        kill "$pid" || true
        fail "no window \"$title\" from $folder/velkara.exe"
    fi
    sleep 2 # painted for the screenshot
    import -window root "$shot"
    kill "$pid" || true
    wait "$pid" || true
    local own outside
    own="$(grep -c ': native' "$log" || true)"
    ((own > 0)) || fail "no DLL loaded from $folder"
    outside="$(grep ': native' "$log" | grep -vF "$(basename "$folder")" || true)"
    [[ -z "$outside" ]] || fail "DLLs loaded from outside $folder: $outside"
}

# Wine passes file names and arguments through the Unix locale's character set.
export LC_ALL=C.UTF-8

echo "==> The portable zip, from an otherwise empty folder named with blanks and Japanese letters"
plans="$work/山田/測定 計画"
portable="$plans/$(basename "$stage")"
mkdir -p "$plans"
unzip -q "$zip" -d "$plans"
# English texts: both programs show that they read this Velkara.ini.
printf '[SYSTEM]\r\nLANG_FLAG=1\r\n' >"$portable/Velkara.ini"
show_window "$portable" "Sensor Spacing Calculation Tool" "$dist/portable-under-wine.png"
# Qt's own texts in Japanese, where the program looks for them (the window
# tests under Wine check that a Japanese run shows them).
cmp -s "$portable/translations/qtbase_ja.qm" /usr/share/qt6/translations/qtbase_ja.qm ||
    fail "the zip lacks Qt's Japanese texts (translations\\qtbase_ja.qm)"

echo "==> velkara-spacing.exe there: its Velkara.ini, Japanese arguments, a code page 932 list, the console"
spacing() { (cd "$portable" && timeout 60 wine velkara-spacing.exe "$@"); }
point="$(spacing --outer-diameter 114.3 --wall 6 --sensor TB_01/TC_01 --pipe 鋼管 | tr -d '\r')"
[[ "$point" == "SENSOR SPACING1: 65.47 mm" ]] || fail "velkara-spacing.exe printed: $point"
list="$plans/計画 一覧.csv"
printf 'tag,外径寸法,配管厚さ,配管材質,ｾﾝｻ種類\r\n計画-1,114.3,6,鋼管,TB_01/TC_01\r\n計画-2,114.3,60,鋼管,TB_01/TC_01\r\n' |
    iconv -f UTF-8 -t CP932 >"$list"
printf 'tag,外径寸法,配管厚さ,配管材質,ｾﾝｻ種類,取付け寸法1[mm],取付け寸法2,メッセージ\r\n計画-1,114.3,6,鋼管,TB_01/TC_01,65.47,,\r\n計画-2,114.3,60,鋼管,TB_01/TC_01,,,配管厚さ: 入力値が範囲外です\r\n' |
    iconv -f UTF-8 -t CP932 >"$work/expected.csv"
spacing --csv "$(winepath -w "$list")" --lang ja >"$work/spacing.csv" || true
cmp -s "$work/spacing.csv" "$work/expected.csv" ||
    fail "the code page 932 list gave: $(iconv -f CP932 -t UTF-8 "$work/spacing.csv" 2>&1)"
# Mounting sheets, read back on Linux: one point's, and the list's (a page for
# its computed row, one for the refused).
pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }
sheet="$plans/取付け シート.pdf"
spacing --outer-diameter 114.3 --wall 6 --sensor TB_01/TC_01 --pipe 鋼管 \
    --sheet "$(winepath -w "$sheet")" >/dev/null 2>&1 || fail "velkara-spacing.exe --sheet failed"
[[ "$(pages "$sheet")" == 1 ]] && pdfinfo "$sheet" | grep -q '(A4)' ||
    fail "velkara-spacing.exe wrote no one-page A4 sheet: $(pdfinfo "$sheet" 2>&1)"
text="$(pdftotext "$sheet" - 2>&1)"
for expected in "SENSOR SPACING1" "65.47 mm" "OUTER DIAMETER" "114.3 mm" "CARBON STEEL"; do
    grep -qF "$expected" <<<"$text" || fail "the sheet does not read \"$expected\": $text"
done
sheets="$plans/計画 一覧.pdf"
spacing --csv "$(winepath -w "$list")" --sheet "$(winepath -w "$sheets")" >/dev/null 2>&1 || true
[[ "$(pages "$sheets")" == 2 ]] || fail "the list's sheets are not two pages: $(pdfinfo "$sheets" 2>&1)"
pdftotext -f 2 -l 2 "$sheets" - | grep -qF "WALL THICKNESS: The value is outside of range" ||
    fail "the list's last page does not name the refused row"
# The window started with the list's path, as "Open with" starts it, opens it.
show_window "$portable" "List - 計画 一覧.csv" "$dist/list-under-wine.png" "$(winepath -w "$list")"
# A console in code page 437 shows bytes beyond ASCII garbled; the tool
# writes Unicode to it. Wine's console draws on the terminal `script` gives,
# with escape sequences between the characters (and for blanks).
cp "$list" "$portable/plan.csv"
console="$(cd "$portable" && timeout 120 script -qec \
    'wine cmd /c "chcp 437 >nul & velkara-spacing.exe --list --lang ja & velkara-spacing.exe --csv plan.csv --lang ja"' \
    /dev/null | sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r')" || true # status 1: a refused row
for expected in "ｾﾝｻ種類" "49°" "計画-2,114.3,60,鋼管,TB_01/TC_01,,,配管厚さ:" "入力値が範囲外です"; do
    grep -qF "$expected" <<<"$console" || fail "the console did not show \"$expected\": $console"
done

echo "==> The installer, silently"
installed="$WINEPREFIX/drive_c/Program Files/Velkara"
menu_entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velkara.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velkara'
open_with_key='HKLM\Software\Classes\.csv\OpenWithProgids'
open_command_key='HKLM\Software\Classes\Velkara.List\shell\open\command'
# Each waits until every program of the prefix has ended: the (un)installer
# may hand its work to an elevated copy of itself and return at once.
install() {
    timeout 300 wine "$setup" /S || fail "the installer failed"
    timeout 300 wineserver -w
}
uninstall() {
    # In place (_?=), so that it does not wait in a copy of itself elsewhere.
    timeout 300 wine "$installed/uninstall.exe" /S '_?=C:\Program Files\Velkara' ||
        fail "the uninstaller failed"
    timeout 300 wineserver -w
    # Run in place, it cannot delete itself, nor therefore the folder.
    rm -f "$installed/uninstall.exe"
    rmdir "$installed" 2>/dev/null || true
}
rm -rf "$installed"
install
[[ -f "$installed/velkara.exe" && -f "$installed/platforms/qwindows.dll" &&
    -f "$installed/translations/qtbase_ja.qm" ]] || fail "not installed"
cmp -s "$installed/Velkara.ini" "$stage/Velkara.ini" || fail "no default Velkara.ini"
[[ -f "$menu_entry" ]] || fail "no Start-menu entry"
timeout 60 wine reg query "$uninstall_key" /v UninstallString 2>/dev/null | grep -q 'uninstall.exe' ||
    fail "the uninstaller is not registered"
# Offered in "Open with" for .csv, and not made the program that opens them.
timeout 60 wine reg query "$open_with_key" /v Velkara.List >/dev/null 2>&1 ||
    fail "not offered in Open with for .csv"
timeout 60 wine reg query "$open_command_key" /ve 2>/dev/null | grep -qF 'velkara.exe" "%1"' ||
    fail "the list's open command is not registered"
! timeout 60 wine reg query 'HKLM\Software\Classes\.csv' /ve 2>/dev/null | grep -q Velkara ||
    fail "made the default program of .csv"

printf '[SYSTEM]\r\nUNIT_FLAG=1\r\nLANG_FLAG=1\r\n' >"$installed/Velkara.ini"
cp "$installed/Velkara.ini" "$work/edited.ini"
install
cmp -s "$installed/Velkara.ini" "$work/edited.ini" || fail "an upgrade replaced the edited Velkara.ini"
show_window "$installed" "Sensor Spacing Calculation Tool" "$dist/installed-under-wine.png"
spacing="$(timeout 60 wine "$installed/velkara-spacing.exe" --outer-diameter 4.5 --wall 0.25 \
    --sensor TB_01/TC_01 --method V | tr -d '\r')"
[[ "$spacing" == "SENSOR SPACING1: 2.591 inch" ]] ||
    fail "velkara-spacing.exe beside the English, inch Velkara.ini printed: $spacing"

uninstall
[[ ! -e "$installed/velkara.exe" && ! -e "$installed/platforms" && ! -e "$menu_entry" ]] ||
    fail "the removal left program files"
cmp -s "$installed/Velkara.ini" "$work/edited.ini" || fail "the removal took the edited Velkara.ini"
! timeout 60 wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller is still registered"
! timeout 60 wine reg query "$open_with_key" /v Velkara.List >/dev/null 2>&1 ||
    fail "still offered in Open with for .csv"

rm -f "$installed/Velkara.ini"
install
uninstall
[[ ! -e "$installed" ]] || fail "the removal left $(ls "$installed")"
echo "==> Zip and installer work under Wine"
