#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file is where the desktop
# entries and metainfo files say it is.
set -euo pipefail
build=$1
catalogue_files=$2  # prints the file name of every catalogue list
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*"; exit 1; }

check_tree() {
  local root=$1
  for desktop in vorlane extracteur; do
    local entry=$root/share/applications/$desktop.desktop
    [ -f "$entry" ] || fail "missing $entry"
    local exec icon
    # the entry's own Exec and those of its actions
    for exec in $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry"); do
      [ -x "$root/bin/$exec" ] || fail "$desktop: Exec=$exec is not in $root/bin"
    done
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$desktop: no icon $icon.svg"
    grep -q "<launchable type=\"desktop-id\">$desktop.desktop</launchable>" \
      "$root/share/metainfo/org.vorlane.$desktop.metainfo.xml" || fail "$desktop: no metainfo"
  done
  local lists
  lists=$(find "$root/share/vorlane/data" -name '*.txt' | wc -l)
  local expected
  expected=$("$catalogue_files" | wc -l)
  [ "$lists" -eq "$expected" ] || fail "$lists list files installed, $expected expected"
  while read -r name; do
    [ -f "$root/share/vorlane/data/$name" ] || fail "list $name not installed"
  done < <("$catalogue_files")
  [ -s "$root/share/vorlane/lexique.txt" ] || fail "no prepared lexicon installed"
  cmp -s "$source_dir/listmaking/mots-refuses.txt" "$root/share/vorlane/mots-refuses.txt" \
    || fail "stop list not installed"
  for list in "$source_dir"/data/*.txt; do
    cmp -s "$list" "$root/share/vorlane/data/$(basename "$list")" || fail "list $(basename "$list") differs"
  done
}

check_tree "$prefix"
echo "install tree OK: $(find "$prefix" -type f | wc -l) files"
