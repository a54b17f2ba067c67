#!/usr/bin/env bash
# Installs what is missing, builds, and starts the player with the given files.
# The working directory is left alone: the player makes relative paths absolute.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh" run
"$root/scripts/build.sh"
build_dir=${BUILD_DIR:-build}
[[ $build_dir = /* ]] || build_dir=$root/$build_dir
exec "$build_dir/app/xuanyinfang" "$@"
