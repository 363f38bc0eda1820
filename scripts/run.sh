#!/usr/bin/env bash
# Builds the manager and starts it in a game directory (the bundled demo by default).
# Usage: scripts/run.sh [GAME_DIR]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
game_dir=$(cd "${1:-$root/demo}" && pwd)

bash "$root/scripts/setup.sh" run
cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/release" --target tarvex-manager -j"$(nproc)"
cd "$game_dir"
exec "$root/build/release/tarvex-manager"
