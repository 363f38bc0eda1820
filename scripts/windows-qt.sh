#!/usr/bin/env bash
# Builds Qt for Windows (static, mingw-w64) from Debian's own qt6-base source,
# the same version as the Linux build's Qt, and installs it into a cache
# outside the clone. Prints the installed prefix on its last line.
#
# The cache is keyed by everything the build depends on: the Qt version, the
# compiler's version and the options below. A build that did not finish never
# lands there, so a broken run is simply redone.
# Usage: windows-qt.sh        (cache root: $TARVEX_CACHE, else $XDG_CACHE_HOME
#                              or ~/.cache, then tarvex-manager/)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${TARVEX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tarvex-manager}

bash "$root/scripts/setup.sh" windows-qt >&2

# The configure options, in one place. Everything the program does not use is
# off: less to build, and a smaller program.
options=(
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DBUILD_SHARED_LIBS=OFF # one program file, no Qt DLLs beside it
  -DCMAKE_BUILD_TYPE=Release
  -DFEATURE_optimize_size=ON # -Os: nothing the program does is heavy enough to notice
  -DFEATURE_gc_binaries=ON   # sections per function, so the program's link drops the unused
  -DBUILD_WITH_PCH=OFF       # precompiled headers only pay off in rebuilds
  -DQT_BUILD_EXAMPLES=OFF    # Qt's own examples, tests and benchmarks: not ours
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_tabletevent=OFF  # Debian's source leaves out wintab.h, which it needs
  -DFEATURE_directwrite3=OFF # the static windows plugin does not link with it
  -DFEATURE_direct2d=OFF     # a second paint engine nobody asks for
  -DFEATURE_opengl=OFF       # the windows are plain widgets
  -DINPUT_opengl=no          # the feature alone leaves dynamic OpenGL on
  -DFEATURE_vulkan=OFF
  -DFEATURE_dbus=OFF          # no D-Bus on Windows
  -DFEATURE_fontconfig=OFF    # Windows has its own font database
  -DFEATURE_glib=OFF          # Windows has its own event loop
  -DFEATURE_icu=OFF           # Windows' own text services suffice
  -DFEATURE_zstd=OFF          # no compressed resources
  -DFEATURE_sql=OFF           # not used
  -DFEATURE_network=OFF       # not used
  -DFEATURE_concurrent=OFF    # not used
  -DFEATURE_xml=OFF           # not used
  -DFEATURE_printsupport=OFF  # not used
  -DFEATURE_jpeg=OFF          # the pictures are PNG
  -DFEATURE_system_zlib=OFF   # the rest come from Qt's own bundled copies
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_doubleconversion=OFF
  # testlib stays on: the window tests run as Windows programs under wine.
)
mingw=x86_64-w64-mingw32
toolchain=(
  -DCMAKE_SYSTEM_NAME=Windows
  -DCMAKE_SYSTEM_PROCESSOR=x86_64
  -DCMAKE_C_COMPILER=$mingw-gcc-posix
  -DCMAKE_CXX_COMPILER=$mingw-g++-posix
  -DCMAKE_RC_COMPILER=$mingw-windres
  -DCMAKE_FIND_ROOT_PATH=/usr/$mingw
  -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER
  -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY
  -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY
  -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
)

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
compiler=$($mingw-g++-posix --version | head -n1)
key=$(printf '%s\n' "$version" "$compiler" "${options[@]}" "${toolchain[@]}" | sha256sum | cut -c1-16)
upstream=${version#*:}
upstream=${upstream%%+*}
upstream=${upstream%%-*}
prefix="$cache/qt-$upstream-mingw-$key"

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work="$cache/qt-build-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"

# The source of exactly the Qt the host has.
bash "$root/scripts/setup.sh" deb-src >&2
echo "== Qt source $version" >&2
(cd "$work" && apt-get source -q "qt6-base=$version" >&2)
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -n "$src" ] || {
  echo "no qt6-base source was unpacked" >&2
  exit 1
}

echo "== Qt configure ($key)" >&2
start=$(date +%s)
cmake -S "$src" -B "$work/build" -G Ninja "${toolchain[@]}" "${options[@]}" \
  -DCMAKE_INSTALL_PREFIX="$prefix" >"$work/configure.log" 2>&1 || {
  tail -n 60 "$work/configure.log" >&2
  exit 1
}
echo "== Qt build" >&2
cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 || {
  tail -n 60 "$work/build.log" >&2
  exit 1
}
cmake --install "$work/build" >"$work/install.log" 2>&1
echo "Qt built in $(($(date +%s) - start)) s" >&2
# Installed where it is used (Qt's toolchain file knows its place); only the
# mark makes it count as a cache.
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
