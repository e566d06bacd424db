#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing.
# As root it installs directly, otherwise through sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libgtest-dev
  xvfb xauth xdotool imagemagick
  fonts-dejavu-core fonts-liberation2 fonts-roboto-unhinted fonts-open-sans fonts-crosextra-caladea
  hunspell-fr-classical hunspell-tools wfrench
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
# it is downloaded, never installed): the package lists must know it.
if ! apt-cache show hunspell-fr-revised >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" apt-get update
fi
