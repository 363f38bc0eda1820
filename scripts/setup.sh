#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing.
# Usage: setup.sh run|test|windows
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation)
if [ "${1:-run}" = windows ]; then
  # The core and its tests built for Windows and run under wine.
  packages=(cmake make g++-mingw-w64-x86-64-posix wine wine64 googletest)
fi
if [ "${1:-run}" = test ]; then
  packages+=(libgtest-dev clang-format clang libclang-rt-14-dev xvfb xauth xdotool xclip libx11-6 python3)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
