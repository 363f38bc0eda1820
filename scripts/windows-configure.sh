#!/usr/bin/env bash
# Configures a Windows build of the project against Qt for Windows (built and
# cached by windows-qt.sh), with Qt's toolchain file chain-loading ours.
# Usage: windows-configure.sh BUILD_DIR [CMAKE_ARGS...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$1
shift

bash "$root/scripts/setup.sh" windows
qt=$(bash "$root/scripts/windows-qt.sh" | tail -n1)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel "$@" \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$qt" >/dev/null
