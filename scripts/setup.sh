#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing.
# Usage: setup.sh run|test|windows|windows-qt|deb-src
#   windows     mingw-w64 and wine, for the Windows build and its tests
#   windows-qt  what building Qt for Windows from source needs
#   deb-src     a source entry beside the machine's own Debian entry, if none
set -euo pipefail

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

if [ "${1:-run}" = deb-src ]; then
  # Derived from the entry the machine already has, so no host is named here.
  if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    exit 0
  fi
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -E 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      "${sudo[@]}" tee /etc/apt/sources.list.d/tarvex-deb-src.sources >/dev/null
  elif [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed -E 's/^deb /deb-src /' |
      "${sudo[@]}" tee /etc/apt/sources.list.d/tarvex-deb-src.list >/dev/null
  else
    echo "no Debian package source entry to derive a deb-src entry from" >&2
    exit 1
  fi
  "${sudo[@]}" apt-get update -q
  exit 0
fi

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation)
case "${1:-run}" in
windows)
  # The Windows build and its tests, run under wine in a private X server.
  packages=(cmake make ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest
    xvfb xauth xdotool xclip python3 fonts-liberation)
  ;;
windows-qt)
  packages=(cmake ninja-build dpkg-dev perl python3 g++-mingw-w64-x86-64-posix
    qt6-base-dev qt6-base-dev-tools libgl-dev)
  ;;
test)
  packages+=(libgtest-dev clang-format clang libclang-rt-14-dev xvfb xauth xdotool xclip libx11-6 python3)
  ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
