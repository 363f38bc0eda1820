#!/usr/bin/env bash
# Builds the Windows program, one file linked statically against Qt and the
# mingw runtime, and packs it for players:
#   build/windows-release/tarvex-manager-<version>-windows.zip
# Qt for Windows comes from scripts/windows-qt.sh (built once, then cached).
# Usage: windows-build.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/windows-release

bash "$root/scripts/windows-configure.sh" "$build" -DBUILD_TESTING=OFF
echo "== build (windows, release)"
cmake --build "$build" --target tarvex-manager -j"$(nproc)"

version=$(sed -nE 's/^project\(TarvexBotManager VERSION ([0-9.]+).*/\1/p' "$root/CMakeLists.txt")
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
stage=$build/package
rm -rf "$stage"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/tarvex-manager.exe" "$build/tarvex-manager.exe"
# Texts for Windows players: CR LF line ends.
crlf() { sed 's/\r$//; s/$/\r/' "$@"; }
crlf "$root/packaging/windows/README.txt" >"$stage/README.txt"
crlf "$root/LICENSE" >"$stage/LICENSE.txt"
{
  sed "s/6\.4\.2+dfsg-10/$qt_version/g" "$root/packaging/windows/QT-NOTICE.txt"
  printf '\n\n==== GNU LESSER GENERAL PUBLIC LICENSE, version 3 ====\n\n'
  cat /usr/share/common-licenses/LGPL-3
  printf '\n\n==== GNU GENERAL PUBLIC LICENSE, version 3 ====\n\n'
  cat /usr/share/common-licenses/GPL-3
} | crlf >"$stage/QT-NOTICE.txt"

zip=$build/tarvex-manager-$version-windows.zip
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip -- tarvex-manager.exe README.txt LICENSE.txt \
  QT-NOTICE.txt)
echo "tarvex-manager.exe: $(stat -c %s "$stage/tarvex-manager.exe") bytes stripped"
echo "$zip"
