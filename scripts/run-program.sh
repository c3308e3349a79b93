#!/usr/bin/env bash
# Installs, builds and runs the chart program.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" -j"$(nproc)"
if [ -x "$here/build/bin/orvane" ] && [ -n "${DISPLAY:-}" ]; then
  exec "$here/build/bin/orvane"
fi
# Without a display: today in the lunar calendar.
exec "$here/build/bin/orvane-cli" lunar "$(date +%Y-%m-%d)"
