#!/usr/bin/env bash
# Builds compute_chart_bench in Release and prints its time per chart beside
# lunar-javascript's for the same births, with the ratio.
# Usage: bench/run_compare.sh [SECONDS]   (build folder: $BUILD_DIR, default build-bench)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVANE_GUI=OFF -DORVANE_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target compute_chart_bench >/dev/null
[ -d "$here/node_modules/lunar-javascript" ] || (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)

bench_binary="$(find "$build" -type f -name compute_chart_bench -perm -u+x | head -n 1)"
[ -n "$bench_binary" ] || { echo "compute_chart_bench not built in $build" >&2; exit 1; }
node "$here/compare_lunar_javascript.js" "$bench_binary" "${1:-1}"
