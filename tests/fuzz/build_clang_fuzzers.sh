#!/usr/bin/env bash
# Builds the libFuzzer programs of the parsers of outside input (every
# *_fuzz.cpp by default) with clang.
#
# clang has no -fexec-charset=GBK, so the sources are first copied into
# BUILD/gbk-src with every .cpp/.h converted to GBK: clang then copies the GBK
# bytes of the narrow literals as they stand (its warning about them is switched
# off), which is what -fexec-charset=GBK gives with GCC. platform/, engine/ and
# app/ and the template expansion of report/ are compiled with coverage
# instrumentation into one archive, with the votes of report/ and the batch
# input lines of cli/; the rest of report/ and stars/ are left out
# (clang 14 cannot compile GCC 12's <ranges>), so a target may only use those.
#
# usage: tests/fuzz/build_clang_fuzzers.sh [BUILD [TARGET...]]   (default BUILD: build-fuzz)
# then:  BUILD/history_list_fuzz -max_total_time=120 -dict=... NEW_CORPUS tests/fuzz/corpus/history_list_fuzz
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(realpath -m "${1:-$here/build-fuzz}")"
shift || true
mirror="$build/gbk-src"
objects="$build/objects"

rm -rf "$mirror" "$objects"
mkdir -p "$mirror" "$objects"
tar -C "$here" -cf - platform engine app tests/fuzz tests/support \
  report/template_expansion.h report/template_expansion.cpp report/report_fields.h report/report_fields.cpp \
  report/style_folder.h report/style_folder.cpp report/votes.h report/votes.cpp \
  cli/input_lines.h cli/input_lines.cpp cli/cli_support.h cli/cli_support.cpp | tar -C "$mirror" -xf -
rm -rf "$mirror/app/gui"
find "$mirror" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
  while IFS= read -r -d '' file; do
    # -c: a character GBK lacks can only stand in a comment (GCC refuses it in a literal).
    iconv -c -f UTF-8 -t GBK "$file" > "$file.gbk" && mv "$file.gbk" "$file"
  done

flags=(-std=c++20 -g -O1 -Wno-invalid-source-encoding -fsanitize=address,undefined -fno-sanitize-recover=undefined
       -I"$mirror" -I"$mirror/tests")
export mirror objects
printf '%s\n' "${flags[@]}" > "$build/flags"
(cd "$mirror" && find platform engine app report cli -name '*.cpp' | sort) |
  xargs -P"$(nproc)" -I{} sh -c 'clang++ $(cat "'"$build"'/flags") -fsanitize=fuzzer-no-link -c "$mirror/{}" \
    -o "$objects/$(echo {} | tr / _).o" 2>/dev/null || echo "skipped {}"'
rm -f "$build/libfuzzcore.a"
ar rcs "$build/libfuzzcore.a" "$objects"/*.o

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cd "$here/tests/fuzz" && ls *_fuzz.cpp | sed 's/\.cpp$//')
fi
for target in "${targets[@]}"; do
  clang++ "${flags[@]}" -fsanitize=fuzzer "$mirror/tests/fuzz/$target.cpp" "$mirror/tests/fuzz/clang_stubs.cpp" \
    "$build/libfuzzcore.a" -linih \
    -o "$build/$target"
  echo "built $build/$target"
done
