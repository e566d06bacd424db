#!/usr/bin/env bash
# Installs the Windows build into a temporary folder and checks it as the installer and the zip
# carry it: every DLL that a program or a plugin loads is in bin/ or is one of Windows' own, the
# plugins are where Qt looks for them, every list of the catalogue and what the import reads are
# in share/vorlane/, and vorlane.exe starts under wine from that folder alone. Then the installer
# made from that folder installs it into an accented folder of a wine prefix of its own: every
# Start-menu entry starts what it says, and the uninstaller takes them away.
# Usage: check_install.sh <build folder> <objdump> <catalogue_files.exe> <start_menu_entries.exe>
set -euo pipefail
build=$1
objdump=$2
catalogue_files=$3
start_menu_entries=$4
source_dir=$(cd "$(dirname "$0")/../../.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
bin=$prefix/bin
for file in vorlane.exe extracteur.exe qt.conf platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
  [ -f "$bin/$file" ] || fail "bin/$file missing"
done

# The DLLs of Windows itself, which no installation carries.
system_dll() {
  case "${1,,}" in
  api-ms-win-* | advapi32.dll | authz.dll | bcrypt.dll | comctl32.dll | comdlg32.dll | crypt32.dll | \
    d2d1.dll | d3d11.dll | d3d12.dll | d3d9.dll | dwmapi.dll | dwrite.dll | dxgi.dll | gdi32.dll | \
    imm32.dll | kernel32.dll | mpr.dll | msvcrt.dll | netapi32.dll | ntdll.dll | ole32.dll | \
    oleaut32.dll | setupapi.dll | shcore.dll | shell32.dll | shlwapi.dll | user32.dll | \
    userenv.dll | uxtheme.dll | version.dll | winmm.dll | winspool.drv | ws2_32.dll | \
    wtsapi32.dll)
    return 0
    ;;
  esac
  return 1
}

# Every import of every program and DLL is found beside the programs (Windows looks in the
# folder of the program first) or is a system DLL.
shipped=$(find "$bin" -maxdepth 1 -iname '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]')
checked=0
while IFS= read -r -d '' module; do
  while read -r dll; do
    if system_dll "$dll"; then continue; fi
    grep -qxF "${dll,,}" <<<"$shipped" || fail "${module#"$prefix"/} loads $dll, which bin/ lacks"
  done < <("$objdump" -p "$module" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
  checked=$((checked + 1))
done < <(find "$bin" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
[ "$checked" -ge 10 ] || fail "only $checked programs and DLLs found in bin/"

# The lists: exactly the catalogue's files, each the one of data/.
lists=$(find "$prefix/share/vorlane/data" -name '*.txt' | wc -l)
names=$("$source_dir/scripts/windows/wine-run" "$catalogue_files" | tr -d '\r')
expected=$(wc -l <<<"$names")
[ "$expected" -ge 34 ] || fail "catalogue_files gave $expected names"
[ "$lists" -eq "$expected" ] || fail "$lists list files installed, $expected expected"
while read -r name; do
  cmp -s "$source_dir/data/$name" "$prefix/share/vorlane/data/$name" || fail "list $name not installed"
done <<<"$names"

# What the import of a player's words reads.
share=$prefix/share/vorlane
[ -s "$share/lexique.txt" ] || fail "no prepared lexicon installed"
cmp -s "$source_dir/listmaking/mots-refuses.txt" "$share/mots-refuses.txt" || fail "stop list not installed"
for part in dic aff; do
  [ -s "$share/fr.$part" ] || fail "French dictionary fr.$part not installed"
done
[ -s "$prefix/share/qt6/translations/qtbase_fr.qm" ] || fail "Qt's French texts not installed"
[ -s "$prefix/share/doc/vorlane/licences/dictionnaire-francais.txt" ] || fail "no licences"

# vorlane.exe starts from the installed folder with its own DLLs only: none of the build's
# cache is on wine's path.
help=$("$source_dir/scripts/windows/wine-run" --bare "$bin/vorlane.exe" --aide | tr -d '\r')
grep -q -- "--mes-mots" <<<"$help" || fail "vorlane.exe --aide from the installed folder printed: $help"

# The installer, as a player runs it (/S: no question), into a folder named as a French
# player's may be; wine's own menus of this machine are left alone (winemenubuilder).
setup_dir=$(mktemp -d)
trap 'rm -rf "$prefix" "$setup_dir"' EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
"$source_dir/scripts/windows/make-installer.sh" "$prefix" "$version" "$setup_dir/setup.exe" --fast ||
  fail "the installer could not be made"
export WINEPREFIX=$setup_dir/wine
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
installed='C:\users\Public\Jeux de lettres à Désirée\vorlane'
# /D= and _?= take the rest of the command line as it stands, spaces included, and no quotes:
# wine would quote an argument with spaces, so the line is given whole to cmd, as a player types
# it there (the uninstaller from its own folder: cmd would not take a quoted program there).
windows_path() { "$source_dir/scripts/windows/wine-run" --bare winepath -w "$1" 2>/dev/null | tr -d '\r'; }
"$source_dir/scripts/windows/wine-run" --bare cmd /c "$(windows_path "$setup_dir/setup.exe") /S /D=$installed" ||
  fail "the installer failed"
unix_installed="$WINEPREFIX/drive_c/users/Public/Jeux de lettres à Désirée/vorlane"
[ -f "$unix_installed/bin/vorlane.exe" ] || fail "nothing installed in $installed"

entries=$("$source_dir/scripts/windows/wine-run" "$start_menu_entries" | tr -d '\r' | sort) ||
  fail "the Start menu could not be read: $entries"
expected=$(
  printf '%s\t%s\t%s\n' \
    "Désinstaller vorlane.lnk" "$installed\\désinstaller.exe" "" \
    "Fabriquer mes listes à partir de mes mots….lnk" "$installed\\bin\\vorlane.exe" "--fabriquer" \
    "extracteur.lnk" "$installed\\bin\\extracteur.exe" "" \
    "vorlane.lnk" "$installed\\bin\\vorlane.exe" "" | sort
)
[ "${entries,,}" = "${expected,,}" ] || fail "Start menu entries:
$entries
expected:
$expected"

# Uninstalled where it stands (_?=), so that it ends before the check.
(cd "$unix_installed" && "$source_dir/scripts/windows/wine-run" --bare cmd /c "désinstaller.exe /S _?=$installed") ||
  fail "the uninstaller failed"
left=$("$source_dir/scripts/windows/wine-run" "$start_menu_entries" 2>&1 | tr -d '\r') || true
[ -z "$left" ] || fail "Start menu entries left after uninstalling: $left"
[ ! -e "$unix_installed/bin" ] || fail "the uninstaller left $installed\\bin"

echo "Windows install tree OK: $(find "$prefix" -type f | wc -l) files, $checked modules checked," \
  "$(wc -l <<<"$entries") Start-menu entries"
