#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing.
# As root it installs directly, otherwise through sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format clang-tools
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgtest-dev libsqlite3-dev
  xvfb xauth xdotool imagemagick
  fonts-dejavu-core fonts-liberation2 fonts-roboto-unhinted fonts-open-sans fonts-crosextra-caladea
  hunspell-fr-classical libhunspell-dev wfrench gzip
  desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The list generator unpacks hunspell-fr-revised (it conflicts with hunspell-fr-classical, so
# it is downloaded, never installed) and the older dictionaries myspell-fr and aspell-fr (only
# read, to tell old words from new ones): the package lists must know them. Offline, set-up
# goes on; `make lists` names the dictionaries it could not get.
if ! apt-cache show hunspell-fr-revised myspell-fr aspell-fr >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" apt-get update || echo "Package lists not refreshed (offline?): the lists are made without the dictionaries that cannot be downloaded."
fi
