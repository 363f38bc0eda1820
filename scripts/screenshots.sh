#!/usr/bin/env bash
# Takes a picture of each window a user can see, from the demo game directory,
# under Xvfb, into docs/screenshots/. With --windows, of the Windows program
# (scripts/windows-build.sh) under wine, in a fresh wine prefix, as NAME-windows.png.
# Usage: screenshots.sh [--windows]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/docs/screenshots
windows=${1:-}

bash "$root/scripts/setup.sh" test
for p in xdotool imagemagick x11-utils; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    { sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo); "${sudo[@]}" apt-get install -y -q --no-install-recommends "$p"; }
done
if [ "$windows" = --windows ]; then
  bash "$root/scripts/windows-build.sh"
  program=(wine "$root/build/windows-release/package/tarvex-manager.exe")
  # Wine draws the frames: a client area sits this far from its designed place.
  dx=-1 dy=22 suffix=-windows
else
  cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$root/build/release" --target tarvex-manager -j"$(nproc)"
  program=("$root/build/release/tarvex-manager")
  dx=0 dy=0 suffix=
fi

work=$(mktemp -d)
cleanup() {
  kill "${app_pid:-}" 2>/dev/null || true
  [ -z "$suffix" ] || wineserver -k 2>/dev/null || true
  kill "${xvfb_pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -r "$root/demo" "$work/Half-Life"
# Xvfb picks a free display itself and names it once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -n1 "$work/display")
export DISPLAY=$display XDG_CACHE_HOME=$work/cache
if [ -n "$suffix" ]; then
  export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  env -u DISPLAY wineboot -i && wineserver -w
fi
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# A grey desktop, so the black windows stand out.
xsetroot -solid '#5a6a7a' 2>/dev/null || true

(cd "$work/Half-Life" && exec "${program[@]}") &
app_pid=$!

wait_for() { xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null; sleep 0.5; }
click() { xdotool mousemove $(($1 + dx)) $(($2 + dy)) click 1; }
# shot NAME LEFT TOP WIDTH HEIGHT: the window's client area and a margin.
shot() {
  import -window root -crop "$(($4 + 16))x$(($5 + 16))+$(($2 + dx - 8))+$(($3 + dy - 8))" +repage \
    "$out/$1$suffix.png"
  echo "wrote $out/$1$suffix.png"
}

mkdir -p "$out"
wait_for "Tarvex, Bot Manager"
click $((90 + 100)) $((214 + 8 + 20))          # second bot in the list
shot roster 90 214 560 216

click $((90 + 496)) $((214 + 172))             # Options -=>>
wait_for "Tarvex Configuation Options"
shot options 33 145 684 386
click $((33 + 160)) $((145 + 364))             # Ignore Changes
wait_for "Tarvex, Bot Manager"

click $((90 + 496)) $((214 + 196))             # Launch -=>>
wait_for "Launch Options"
click $((238 + 220)) $((260 + 18))             # map name
xdotool type --delay 20 crossfire
xdotool mousemove 1 1
sleep 0.5
shot launch 238 260 290 106
click $((238 + 72)) $((260 + 84))             # Go Back
wait_for "Tarvex, Bot Manager"

click $((90 + 248)) $((214 + 120))             # the logo
wait_for "Welcome to Tarvex, Bot Manager"
xdotool mousemove 1 1
sleep 0.5
shot about 246 273 375 97
