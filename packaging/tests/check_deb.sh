#!/usr/bin/env bash
# Builds the Debian package, checks its dependencies and file list, and unpacks it with
# dpkg -x into a clean folder.
set -euo pipefail
build=$1
catalogue_files=$2  # prints the file name of every catalogue list
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in $(echo "$depends" | tr ',' '\n' | sed 's/(.*//; s/ //g'); do
  case $dep in libqt6*|qt6-*|fonts-*) ;; *) fail "unexpected dependency $dep" ;; esac
done
# The faces the windows are drawn with.
for font in fonts-roboto-unhinted fonts-open-sans fonts-crosextra-caladea fonts-liberation2 fonts-dejavu-core; do
  echo "$depends" | tr ',' '\n' | sed 's/(.*//; s/ //g' | grep -qx "$font" || fail "no dependency on $font"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/files"
for f in /usr/bin/vorlane /usr/bin/extracteur \
         /usr/share/applications/vorlane.desktop /usr/share/applications/extracteur.desktop \
         /usr/share/icons/hicolor/scalable/apps/vorlane.svg \
         /usr/share/icons/hicolor/scalable/apps/extracteur.svg \
         /usr/share/metainfo/org.vorlane.vorlane.metainfo.xml \
         /usr/share/metainfo/org.vorlane.extracteur.metainfo.xml \
         /usr/share/vorlane/data/ods6new_7L.txt; do
  grep -qx "$f" "$work/files" || fail "$f not in the package"
done
if grep -E '_tests$|/include/|\.a$' "$work/files"; then fail "build-only files in the package"; fi

dpkg -x "$deb" "$work/root"
[ -x "$work/root/usr/bin/vorlane" ] || fail "dpkg -x gave no runnable vorlane"
[ "$(find "$work/root/usr/share/vorlane/data" -name '*.txt' | wc -l)" -eq "$("$catalogue_files" | wc -l)" ] \
  || fail "lists missing after dpkg -x"
echo "package OK: $(grep -c . "$work/files") entries"
