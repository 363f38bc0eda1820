#!/usr/bin/env bash
# Builds the whole program and its tests for Windows with mingw-w64 against
# Qt built for Windows (scripts/windows-qt.sh, cached), and runs them under
# wine: the core tests, the window tests (offscreen) and the end-to-end tests
# of the real program, each in a private X server and wine prefix.
# Installs the Debian packages it needs first.
# Usage: windows-test.sh   (build directory: build/windows, or $TARVEX_WINDOWS_BUILD)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARVEX_WINDOWS_BUILD:-$root/build/windows}

bash "$root/scripts/windows-configure.sh" "$build" -DTARVEX_WERROR=ON
echo "== build (windows)"
cmake --build "$build" -j"$(nproc)"

echo "== tests (windows, wine)"
# A prefix of our own for the core and window tests, no display, no prompts
# for wine's Mono or Gecko; each end-to-end case makes its own.
export HOME=${HOME:-$build}
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  env -u DISPLAY wineboot -i
  wineserver -w
fi
(cd "$build" && env -u DISPLAY -u WAYLAND_DISPLAY ctest --output-on-failure -j"$(nproc)" -LE e2e)
(cd "$build" && ctest --output-on-failure -j"$(nproc)" -L e2e)

# One file for the player: nothing but the system's own DLLs may be needed.
dlls=$(x86_64-w64-mingw32-objdump -p "$build/tarvex-manager.exe" | sed -n 's/^\s*DLL Name: //p' | sort -u)
foreign=$(echo "$dlls" | grep -viE '^(advapi32|authz|comdlg32|d3d9|d3d11|dwmapi|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|api-ms-win-[a-z0-9-]+)\.dll$' || true)
if [ -n "$foreign" ]; then
  echo "tarvex-manager.exe needs DLLs that Windows does not bring: $foreign" >&2
  exit 1
fi
echo "tarvex-manager.exe needs only Windows' own DLLs"
