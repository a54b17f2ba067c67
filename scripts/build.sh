#!/usr/bin/env bash
# Configures (Release) and builds the player and its tests into build/.
# BUILD_DIR chooses another build folder; an existing one is reused.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" -j2
