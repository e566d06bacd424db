#!/usr/bin/env bash
# Packs a Windows build: installs it into <build>/vorlane-<version>/ (bin\ and share\, the
# programs stripped of their debugging sections), then makes from that folder the installer
# <build>/vorlane-<version>-setup.exe (NSIS, packaging/windows/vorlane.nsi) and the zip
# <build>/vorlane-<version>.zip, which unpacked anywhere runs as it is (bin\vorlane.exe).
# Usage: pack.sh [build folder]   (build-windows by default)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build-windows}" && pwd)
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache_value CMAKE_PROJECT_VERSION)
strip=$(cache_value CMAKE_STRIP)
[ -n "$version" ] && [ -n "$strip" ] || {
  echo "$build n'est pas une construction pour Windows configurée : make windows la fait." >&2
  exit 1
}
name=vorlane-$version
stage=$build/$name

echo "Dossier installé : $stage"
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null
find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) -exec "$strip" --strip-unneeded {} +

setup=$build/$name-setup.exe
echo "Installateur : $setup"
"$top/scripts/windows/make-installer.sh" "$stage" "$version" "$setup"

zip=$build/$name.zip
echo "Archive : $zip"
rm -f "$zip"
(cd "$build" && zip -qr -9 "$zip" "$name")
ls -l "$setup" "$zip" | awk '{ printf "%s : %.1f Mo\n", $NF, $5 / 1048576 }'
