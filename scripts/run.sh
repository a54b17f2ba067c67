#!/usr/bin/env bash
# Installs what is missing, builds the player (only the player, not its tests)
# and starts it with the given files. The build folder is build/ or BUILD_DIR;
# one configured before keeps its build type.
# The working directory is left alone: the player makes relative paths absolute.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh" run
"$root/scripts/build.sh" xuanyinfang
build_dir=${BUILD_DIR:-build}
[[ $build_dir = /* ]] || build_dir=$root/$build_dir
exec "$build_dir/app/xuanyinfang" "$@"
