#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing
# when they are all there already.
#   setup-debian.sh               for building and testing
#   setup-debian.sh screenshots   also for tools/screenshots.sh
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  python3
  poppler-utils
  # the Debian package (CPack: dpkg-shlibdeps, file) and the checks of the
  # desktop entry and the AppStream file
  dpkg-dev file desktop-file-utils appstream
)
if [ "${1:-}" = screenshots ]; then
  packages+=(xvfb xdotool imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
