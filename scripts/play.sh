#!/usr/bin/env bash
# Builds the game and starts it. Extra arguments go to the game (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target corvanta
# The game runs in its own folder and reads ./data/ there.
exec build/corvanta "$@"
