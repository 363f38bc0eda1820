#!/usr/bin/env bash
# Cross-compiles the core and its tests for Windows with mingw-w64 and runs
# them under wine, headless. Installs the Debian packages it needs first.
# Usage: windows-test.sh   (build directory: build/windows, or $TARVEX_WINDOWS_BUILD)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARVEX_WINDOWS_BUILD:-$root/build/windows}

bash "$root/scripts/setup.sh" windows

echo "== build (windows)"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DTARVEX_BUILD_UI=OFF -DTARVEX_WERROR=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target core_tests -j"$(nproc)"

echo "== tests (windows, wine)"
# A prefix of our own, no display, no prompts for wine's Mono or Gecko.
unset DISPLAY WAYLAND_DISPLAY
export HOME=${HOME:-$build}
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i
  wineserver -w
fi
cd "$build/tests"
wine ./core_tests.exe --gtest_brief=1
