#!/usr/bin/env bash
# Screenshots of the program's own windows for the help pages.
#
#   tools/screenshots/take.sh [BIN_DIR [OUT_DIR]]
#
# BIN_DIR is a built program folder (default build/bin: orvane, orvane-cli,
# tallis and the shipped files); OUT_DIR receives the PNG files (default
# resources/program/help/img). Nothing is built here. The programs run from a
# copy of BIN_DIR, with seeded options and history, under Xvfb with openbox;
# xdotool presses the keys a user would press and ImageMagick's import takes
# the pictures. Rerun it whenever a window changes, then look at the images.
#
# Needs: xvfb-run, openbox, xdotool, imagemagick, fonts-noto-cjk.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
bin="$(cd "${1:-$root/build/bin}" && pwd)"
out="$(mkdir -p "${2:-$root/resources/program/help/img}" && cd "${2:-$root/resources/program/help/img}" && pwd)"

for tool in xvfb-run openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "take.sh: $tool is missing (apt-get install xvfb openbox xdotool imagemagick)" >&2; exit 1; }
done
for program in orvane orvane-cli tallis; do
  [ -x "$bin/$program" ] || { echo "take.sh: $bin/$program is missing; build it first" >&2; exit 1; }
done

# Under a display of our own: re-run this script inside xvfb-run.
if [ -z "${TAKE_SH_INNER:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x720x24" env TAKE_SH_INNER=1 "$0" "$bin" "$out"
fi

rm -f "$out/failed.png"
work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# The program folder: a copy, so that the build's own option.dat and log.dat stay as they are.
program="$work/program"
cp -r "$bin" "$program"
rm -f "$program/log.dat" "$program/install.id" "$program/dovar.dll" "$program"/style/*/right.htm
printf '11\r\n1\r\n1\r\n' > "$program/option.dat"   # as shipped: late 子 hour by midnight, next stem, true solar time, history
cli() { "$program/orvane-cli" --program-dir "$program" "$@" >/dev/null; }
cli chart --solar 1985-03-04 --time 12:30 --sex male --name 张三 --place 广东/广州 --options 1111
cli chart --lunar 1987-06-03 --leap --time 08:15 --sex female --name 李四 --options 1101
cli chart --solar 1990-05-20 --time 10:30 --sex male --name 王五 --place 新疆/乌鲁木齐 --options 1111

export WEBKIT_DISABLE_COMPOSITING_MODE=1 NO_AT_BRIDGE=1

openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

fail() {
  echo "take.sh: $*" >&2
  import -window root "$out/failed.png" 2>/dev/null || true
  echo "take.sh: the screen at that moment is in $out/failed.png" >&2
  exit 1
}

active_title() { xdotool getactivewindow getwindowname 2>/dev/null || true; }

# True once the window with this title has the focus, false after about N tenths of a second.
appears() {
  local title="$1" tries=0
  until [ "$(active_title)" = "$title" ]; do
    tries=$((tries + 1))
    [ "$tries" -le "$2" ] || return 1
    sleep 0.1
  done
  sleep 0.6
}

# Waits until the window with this title has the focus.
wait_for() {
  local title="$1" tries=0
  until [ "$(active_title)" = "$title" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || fail "no window \"$title\" (the active one is \"$(active_title)\")"
    sleep 0.1
  done
  sleep 0.6  # let it paint
}

keys() { xdotool key --delay 40 "$@"; }
press() {  # press KEY N: the key N times
  local key="$1" n="$2"
  [ "$n" -gt 0 ] && xdotool key --delay 15 $(for _ in $(seq "$n"); do printf '%s ' "$key"; done)
  return 0
}

# The N-th item (1 = the first) of the menu opened with Alt+LETTER.
menu() {
  keys "alt+$1"
  sleep 0.5
  press Down $(($2 - 1))
  keys Return
}

# The active window with its frame.
shot() {
  import -frame -window "$(xdotool getactivewindow)" "$out/$1.png"
  echo "take.sh: $1.png"
}

# A part of the screen: the main window's area, with whatever menu is open on it.
shot_area() {
  local name="$1" geometry="$2"
  import -window root -crop "$geometry" +repage "$out/$name.png"
  echo "take.sh: $name.png"
}

# Index of an item in a list sorted as the dialogs sort it (by GBK code).
sorted_index() {
  python3 -c 'import sys; items = sorted(set(sys.argv[2:]), key=lambda s: s.encode("gbk")); print(items.index(sys.argv[1]))' "$@"
}
city_data="$root/engine/data/city_table_data.cpp"
provinces() { sed -n 's/^    {"\([^"]\+\)", "[^"]*".*/\1/p' "$city_data"; }
cities_of() { sed -n "s/^    {\"$1\", \"\\([^\"]*\\)\".*/\\1/p" "$city_data"; }

# --- the chart program --------------------------------------------------------
(cd "$program" && exec ./orvane >/dev/null 2>&1) &
pids+=($!)
wait_for "Kerrow八字算命"
sleep 2  # the welcome page loads
main_window="$(xdotool getactivewindow)"
shot main

# 历史记录: the seeded records, the first one chosen; 排八字 casts it.
# Escape in the progress window asks whether to cancel, which holds the build
# while the picture is taken; "否" lets it run to the end. A build can be over
# before the window is caught, so the record is cast again, a few times at most.
progress_seen=""
for attempt in 1 2 3 4 5; do
  menu b 4
  wait_for "历史记录"
  keys shift+Tab Home  # from the button into the list, onto its first line
  [ "$attempt" = 1 ] && shot history
  keys alt+p
  for _ in $(seq 150); do
    if [ "$(active_title)" = "进度" ]; then
      keys Escape
      # The Escape may come after the last stage: then there is no question.
      if appears "Yes or No" 30; then
        shot_area progress "1024x720+0+0"
        keys alt+n
        progress_seen=1
      fi
      break
    fi
  done
  [ -n "$progress_seen" ] && break
  wait_for "Kerrow八字算命"
done
[ -n "$progress_seen" ] || echo "take.sh: the progress window was never caught; progress.png is left as it was" >&2
wait_for "Kerrow八字算命"
sleep 2
shot report

# 格式: the menu of styles, opened over the report.
keys alt+s
sleep 0.8
shot_area style-menu "520x330+0+0"
keys Escape

# 修改生辰: the dialog filled from the chart just cast.
menu b 3
wait_for "生辰"
shot birth
keys Escape

# 反推八字: 庚午 辛巳 乙酉 丙子 in 1990.
menu b 2
wait_for "反推八字(四柱干支输入方式)"
# A read-only combo box is an entry with a button: two Tabs lead to the next list.
pick() { press Down "$1"; sleep 0.4; }
next_list() { keys Tab Tab; sleep 0.3; }
pick 7; next_list   # year stem 庚
pick 4; next_list   # year branch 午 (子 寅 辰 午 申 戌)
pick 4; next_list   # month 辛巳 (戊寅 己卯 庚辰 辛巳 ...)
pick 2; next_list   # day stem 乙
pick 5; next_list   # day branch 酉 (丑 卯 巳 未 酉 亥)
pick 1; next_list   # hour 丙子
pick 2              # year 1990 (1930, 1990)
sleep 0.5
shot reverse
keys Escape

# 选项
menu t 1
wait_for "选项"
shot options
keys Escape

# 城市经纬度: 黑龙江 漠河
menu t 2
wait_for "城市经纬度"
pick $(($(sorted_index 黑龙江 $(provinces)) + 1)); next_list
pick $(($(sorted_index 漠河 $(cities_of 黑龙江)) + 1))
shot city
keys alt+F4   # it has no button of its own

# 关于本程序
menu h 8
wait_for "关于Kerrow八字算命"
shot about
keys Escape

# --- the desk calendar, started from the Tools menu ---------------------------
xdotool windowactivate --sync "$main_window" >/dev/null 2>&1 || true
menu t 3
wait_for "Kerrow万年历"
pids+=("$(xdotool getactivewindow getwindowpid)")
keys ctrl+a; xdotool type --delay 60 2023; sleep 0.4  # April 2023: the leap second month ends, 三月 begins on the 20th
keys Tab; sleep 0.3
[ "$(active_title)" = "Kerrow万年历" ] || fail "the desk calendar lost the focus"
keys Tab; sleep 0.3   # past the year's spin buttons to the month list
keys Home; pick 3
sleep 0.6
shot tallis
keys Escape

echo "take.sh: the images are in $out; look at them before committing"
