#!/usr/bin/env bash
# Makes the installer of an installed folder (bin\ and share\, as `cmake --install` lays it
# out): packaging/windows/vorlane.nsi, with the uninstaller's list of the files it puts there.
# Usage: make-installer.sh <installed folder> <version> <installer to write> [--fast]
# --fast compresses less, for a test that only installs it.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
stage=$(cd "$1" && pwd)
version=$2
setup=$3
compressor=()
if [ "${4:-}" = --fast ]; then compressor=(-X"SetCompressor /FINAL zlib"); fi

# What the uninstaller removes: each file the installer puts in place, then its folders, the
# deepest first, each only when it is empty.
files=$(mktemp --suffix=.nsh)
trap 'rm -f "$files"' EXIT
{
  (cd "$stage" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
  (cd "$stage" && find . -mindepth 1 -type d | sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
} >"$files"

makensis -V2 -INPUTCHARSET UTF8 "${compressor[@]}" -DVERSION="$version" -DSTAGE="$stage" \
  -DFILES="$files" -DOUTFILE="$setup" -DICON="$top/packaging/windows/vorlane.ico" \
  "$top/packaging/windows/vorlane.nsi"
