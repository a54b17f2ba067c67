#!/usr/bin/env bash
# Configures and builds into build/ (BUILD_DIR chooses another folder).
#   build.sh [targets...]    the given targets; without any, everything
#                            (the player, its tests and the benchmarks)
# A new folder is configured as Release, or as BUILD_TYPE when that is set;
# an existing folder keeps the type it was configured with. XY_CMAKE_ARGS
# adds options, e.g. "-DXY_SANITIZE=ON -DXY_WERROR=ON". ccache is used when
# it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}

configured_type() {
  sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt" 2>/dev/null || true
}

type=$(configured_type)
type=${type:-${BUILD_TYPE:-Release}}
options=(-DCMAKE_BUILD_TYPE="$type")
if command -v ccache >/dev/null; then
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
read -r -a extra <<<"${XY_CMAKE_ARGS:-}"

cmake -S . -B "$build_dir" "${options[@]}" "${extra[@]}" >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build "$build_dir" -j"${BUILD_JOBS:-2}" "${targets[@]}"
