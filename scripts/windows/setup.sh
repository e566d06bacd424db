#!/usr/bin/env bash
# Installs the Debian packages that the Windows cross build needs, when missing: the MinGW-w64
# compilers (the -posix ones, for std::thread), wine64 to run the Windows tests here, NSIS for
# the installer, Ninja, what `apt-get source` needs to fetch the Qt, Hunspell and SQLite sources,
# and Tcl, with which SQLite's sources make their one-file form.
# As root it installs directly, otherwise through sudo. Running it again changes nothing.
set -euo pipefail

packages=(
  cmake ninja-build pkg-config dpkg-dev xz-utils
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev mingw-w64-tools
  wine64 nsis zip
  googletest qt6-base-dev qt6-base-dev-tools
  autoconf automake autopoint libtool gettext tcl
)

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
# Another apt run on the same machine holds the lock for a while: wait for it.
apt_get=("${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600)

# `apt-get source` reads deb-src lines; Debian's images carry only deb ones.
sources_file=/etc/apt/sources.list.d/vorlane-debian-src.sources
refresh=0
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Adding Debian's bookworm main sources (deb-src) in $sources_file"
  printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm' \
    'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
    "${sudo[@]}" tee "$sources_file" >/dev/null
  refresh=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ] || [ "$refresh" -eq 1 ]; then
  "${apt_get[@]}" update
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive "${apt_get[@]}" install -y --no-install-recommends "${missing[@]}"
fi
