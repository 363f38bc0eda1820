#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, then again
# under AddressSanitizer and UndefinedBehaviorSanitizer; fuzzes the file
# readers for a bounded time; and, where wine is installed, runs the core's
# tests built for Windows.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

bash "$root/scripts/setup.sh" test

echo "== clang-format"
(cd "$root" && git ls-files -- '*.cpp' '*.h' 2>/dev/null || find src tests -name '*.cpp' -o -name '*.h') |
  (cd "$root" && xargs clang-format --dry-run --Werror)

for variant in test asan; do
  flags=(-DTARVEX_WERROR=ON -DCMAKE_BUILD_TYPE=Debug)
  [ "$variant" = asan ] && flags+=(-DTARVEX_SANITIZE=ON)
  echo "== build ($variant)"
  cmake -S "$root" -B "$root/build/$variant" "${flags[@]}" >/dev/null
  cmake --build "$root/build/$variant" -j"$jobs"
  echo "== tests ($variant)"
  (cd "$root/build/$variant" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j"$jobs")
done

echo "== fuzz (clang, libFuzzer)"
CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DTARVEX_FUZZ=ON -DTARVEX_BUILD_UI=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/fuzz" -j"$jobs"
(cd "$root/build/fuzz" && ctest -L fuzz --output-on-failure -j"$jobs")

if command -v wine >/dev/null 2>&1; then
  echo "== windows (mingw-w64, wine)"
  bash "$root/scripts/windows-test.sh"
else
  echo "== windows: skipped, wine is not installed (scripts/setup.sh windows installs it)"
fi
