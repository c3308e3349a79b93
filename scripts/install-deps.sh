#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian 12 machine (as root),
# and the npm packages of the checks from their lock files.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

packages=(
  cmake g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libinih-dev
  libhowardhinnant-date-dev tzdata
  clang libclang-rt-14-dev
  libwxgtk3.2-dev libwxgtk-webview3.2-dev
  libwebkit2gtk-4.0-dev libpoppler-glib-dev
  xvfb xauth x11-utils imagemagick fonts-noto-cjk
  openbox xdotool trayer poppler-utils desktop-file-utils
  chromium
  nodejs
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm ships with the node of some machines and as its own package on others.
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ "${1:-}" = "--with-npm" ]; then
  for dir in tests/crosscheck tests/report_page tests/deskcal tools/calendar; do
    if [ -f "$here/$dir/package-lock.json" ]; then
      (cd "$here/$dir" && npm ci --no-audit --no-fund --loglevel=error)
    fi
  done
fi
