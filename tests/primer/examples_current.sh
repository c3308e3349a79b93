#!/bin/sh
# The worked examples' reports under resources/program/pmsl equal what the program casts now.
#   examples_current.sh ORVANE_CLI SOURCE_ROOT
set -eu
cli=$1
root=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$root/tools/primer/cast_examples.sh" "$cli" "$root/resources/program" "$out" > /dev/null
status=0
count=0
for page in "$out"/*.htm; do
    count=$((count + 1))
    name=$(basename "$page")
    if ! cmp -s "$page" "$root/resources/program/pmsl/$name"; then
        echo "differs: pmsl/$name"
        status=1
    fi
done
if [ "$status" -ne 0 ]; then
    echo "the reports no longer match a fresh cast; recast with: cmake --build BUILD --target primer_pages"
    echo "and reread the readings of pmsl/ that quote them"
else
    echo "all $count example reports match a fresh cast"
fi
exit "$status"
