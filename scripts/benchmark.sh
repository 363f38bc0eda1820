#!/usr/bin/env bash
# Start-up cost of the manager against an empty Qt window, under Xvfb, and the
# speed of the file readers and writers.
# Usage: scripts/benchmark.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-9}
build=$root/build/benchmark

bash "$root/scripts/setup.sh" test
missing=()
for p in libbenchmark-dev libxcb1-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTARVEX_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target tarvex-manager empty_window map_timer file_benchmark >/dev/null

work=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$root/demo" "$work/game"
# Xvfb picks a free display itself and names it once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -n1 "$work/display")
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display XDG_CACHE_HOME=$work/cache

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
: >"$work/manager" && : >"$work/empty" && : >"$work/text"
for _ in $(seq "$runs"); do
  (cd "$work/game" && "$build/benchmarks/map_timer" "Tarvex, Bot Manager" "$build/tarvex-manager") >>"$work/manager"
  (cd "$work/game" && "$build/benchmarks/map_timer" "Tarvex, Bot Manager" "$build/benchmarks/empty_window") >>"$work/empty"
  (cd "$work/game" && "$build/benchmarks/map_timer" "Tarvex, Bot Manager" "$build/benchmarks/empty_window" --text) >>"$work/text"
done
m_time=$(cut -d' ' -f1 "$work/manager" | median); m_rss=$(cut -d' ' -f2 "$work/manager" | median)
e_time=$(cut -d' ' -f1 "$work/empty" | median); e_rss=$(cut -d' ' -f2 "$work/empty" | median)
t_time=$(cut -d' ' -f1 "$work/text" | median); t_rss=$(cut -d' ' -f2 "$work/text" | median)
echo "runs each:              $runs"
echo "tarvex-manager:         ${m_time} ms to the mapped roster window, peak ${m_rss} KiB"
echo "empty Qt window:        ${e_time} ms, peak ${e_rss} KiB"
echo "one line of text:       ${t_time} ms, peak ${t_rss} KiB"
awk -v a="$m_time" -v b="$e_time" 'BEGIN {printf "start-up time ratio:    %.2f (to the empty window)\n", a / b}'
awk -v a="$m_rss" -v b="$e_rss" 'BEGIN {printf "peak memory ratio:      %.2f (to the empty window)\n", a / b}'
awk -v a="$m_time" -v b="$t_time" 'BEGIN {printf "start-up time ratio:    %.2f (to the window with text)\n", a / b}'
awk -v a="$m_rss" -v b="$t_rss" 'BEGIN {printf "peak memory ratio:      %.2f (to the window with text)\n", a / b}'
echo
"$build/benchmarks/file_benchmark" --benchmark_min_time=0.2
