#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, then again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
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
