#!/bin/sh
# Casts the worked examples of tools/primer/examples.txt with orvane-cli and writes each report
# page as OUT_DIR/NAME.htm, byte for byte what the program writes as right.htm.
#   cast_examples.sh ORVANE_CLI PROGRAM_DIR OUT_DIR
# PROGRAM_DIR supplies the style folders (resources/program of the source tree, or a build's
# program folder); a page is replaced only once its new version is complete.
set -eu

if [ $# -ne 3 ]; then
    echo "usage: cast_examples.sh ORVANE_CLI PROGRAM_DIR OUT_DIR" >&2
    exit 2
fi
cli=$1
program=$2
out=$3
examples=$(dirname "$0")/examples.txt
today=2026-12-08

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A program folder of its own: no history, no page of an earlier run.
cp -R "$program"/. "$work"/
rm -f "$work"/log.dat "$work"/style/*/right.htm
mkdir -p "$out"

tab=$(printf '\t')
grep -v '^#' "$examples" | while IFS="$tab" read -r name birth; do
    [ -n "$name" ] || continue
    # The arguments are words without blanks, so the shell may split them.
    # shellcheck disable=SC2086
    if ! "$cli" report $birth --style 02 --program-dir "$work" --today "$today" > "$work/path" 2> "$work/messages"; then
        echo "cast_examples.sh: $name: $(cat "$work/messages")" >&2
        exit 1
    fi
    cp "$work/style/02/right.htm" "$out/$name.htm.tmp"
    mv "$out/$name.htm.tmp" "$out/$name.htm"
    echo "cast: $name"
done
