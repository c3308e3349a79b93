#!/usr/bin/env bash
# Builds compute_chart_bench and orvane-cli in Release and prints, in one run:
# compute_chart()'s time per chart beside lunar-javascript's for the same births,
# then chart --batch and report --batch at process level beside lunar-javascript,
# lunisolar with its 八字 plugin and tyme4ts (compare_batch.js).
# Usage: bench/run_compare.sh [SECONDS] [CHARTS] [REPORTS]   (build folder: $BUILD_DIR, default build-bench)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVANE_GUI=OFF -DORVANE_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target compute_chart_bench orvane-cli orvane_resources >/dev/null
[ -d "$here/node_modules/lunar-javascript" ] && [ -d "$here/node_modules/tyme4ts" ] && [ -d "$here/node_modules/@lunisolar/plugin-char8ex" ] || (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)

bench_binary="$(find "$build" -type f -name compute_chart_bench -perm -u+x | head -n 1)"
[ -n "$bench_binary" ] || { echo "compute_chart_bench not built in $build" >&2; exit 1; }
node "$here/compare_lunar_javascript.js" "$bench_binary" "${1:-1}"
node "$here/compare_batch.js" "$build/bin/orvane-cli" "$build/bin" "${2:-3000}" "${3:-500}"
