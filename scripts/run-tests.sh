#!/usr/bin/env bash
# Installs, builds and runs every test, in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh" --with-npm
build="$here/build-test"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=0
cd "$build"
ctest --output-on-failure -j"$(nproc)"
