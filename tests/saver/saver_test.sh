#!/usr/bin/env bash
# kortalwind-saver on a real X server, as a user and as a screen saver start
# it: a command line it cannot use is refused before any window exists; it
# fills a window that another client made, at every size that window is
# given, and ends when that window goes; it fills the root window; its own
# window and the full screen end on a key, and every mode ends on SIGTERM,
# each time with status 0 and without an X error.
#   saver_test.sh SAVER EXPORTER CLOSE_WINDOW_TOOL
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
saver=$(realpath -- "$1")
exporter=$(realpath -- "$2")
close_window=$3
readonly kTitle='^korTalwind$'
# Every colour the flight is drawn in; anything else is a pixel left unfilled.
readonly kCityColours='#004000|#404040|#600000|#BEBEBE|#D2D2D2|#969696|#787878|#E6E6E6'

# filled WxH+X+Y: that part of the screen shows nothing but the city.
filled() {
  shot "$work/part.png" "$1"
  ! convert "$work/part.png" -format %c histogram:info:- | grep -viqE "$kCityColours"
}
no_x_errors() { ! grep -E 'XCB error|X Error|BadWindow|BadDrawable' "$work/program.log"; }

# 5. Bad input: one line on stderr, status 2, and not one window made on the
# server meanwhile (a client watching the root window would see its creation).
stdbuf -oL xev -root -event substructure >"$work/created.log" 2>&1 &
watcher=$!
kt_pids+=("$watcher")
refused() {  # refused [VAR=VALUE]... -- ARG...
  local vars=()
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  shift
  env "${vars[@]}" timeout 10 "$saver" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ $status -eq 2 ] || fail "'$*' gave status $status, not 2"
  [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q '^kortalwind-saver: ' "$work/err" ||
    fail "'$*' should give one line on stderr, got '$(cat "$work/err")'"
}
for args in --bogus extra -fps=1 "--speed 11" "--speed 0.05" "--speed nan" "--delay -1" "--delay 10000001" \
  "--seed 4294967296" "--new-city 86401" "--geometry 0x10" "--geometry 10x10-5+5" "--window-id abc" \
  "--window-id 0" "--window-id 0x7ffffff" "--delay"; do
  # shellcheck disable=SC2086  # several words on purpose
  refused -- $args
done
refused XSCREENSAVER_WINDOW=0xzz -- --root
refused XSCREENSAVER_WINDOW=123456789 -- -root
refused DISPLAY= -- --window-id 0x400001
grep -q CreateNotify "$work/created.log" && fail "bad input made a window first: $(grep -m1 CreateNotify "$work/created.log")"

# 2. Inside a window another client made, resized three times down to 1 x 1:
# each size shows the exporter's picture for that size (the tick held still),
# so the saver followed the size; the window destroyed, the saver ends with 0.
xmessage -geometry 400x300+0+0 -name kt-host kt-host >/dev/null 2>&1 &
host_client=$!
kt_pids+=("$host_client")
host=$(wait_for xdotool search --name '^kt-host$') || fail "the host window never appeared"
# The watcher sees this one: it would have seen the saver's.
wait_for grep -q CreateNotify "$work/created.log" || fail "the window watcher saw nothing"
kill "$watcher"
readonly kTick=654321 kSeed=17
KORTALWIND_SAVER_TICK=$kTick start "$saver" --window-id "$host" --seed $kSeed --fps; inside=$pid
interior() {  # the host's inside, as WxH+X+Y on the screen (its corner is its border's)
  xwininfo -id "$host" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} /Border width:/ {b=$NF} END {print w "x" h "+" x + b "+" y + b}'
}
for size in "400 300" "250 140" "37 23" "1 1"; do
  # shellcheck disable=SC2086
  xdotool windowsize "$host" $size
  "$exporter" png --tick $kTick --seed $kSeed --size "${size/ /x}" --out "$work/exported.png" || fail "exporter"
  wait_looks "$work/exported.png" "$(interior)" || fail "the host at ${size/ /x} does not show the picture of that size"
done
kill "$host_client"
expect_exit $inside 0 "the host window's end"
no_x_errors || fail "X errors after the host window went"

# 3. The root window, where no screen saver names another.
start env -u XSCREENSAVER_WINDOW "$saver" --root; root=$pid
wait_for filled "$(xdpyinfo | awk '/dimensions:/ {print $2}')+0+0" >/dev/null || fail "the root window does not show the city"
kill -TERM $root
expect_exit $root 0 "SIGTERM to --root"

# 4. Its own window: Escape, q and closing it end it; so does SIGTERM. Over
# the whole screen a key or a click ends it; so does SIGTERM.
own_window() {  # own_window ARG...: starts it and waits for its window, sets pid and window
  start "$saver" "$@"
  window=$(wait_window $pid "$kTitle") || fail "no window for $*"
  wait_for filled 64x48+0+0 >/dev/null || fail "no city in the window for $*"
}
for end_by in Escape q close SIGINT SIGHUP; do
  own_window --geometry 320x240+0+0
  case $end_by in
    close) "$close_window" "$window" ;;
    SIG*) kill -s "$end_by" $pid ;;
    *) focus "$window"; xdotool key "$end_by" ;;
  esac
  expect_exit $pid 0 "$end_by in its own window"
done
for end_by in space click SIGTERM; do
  own_window --fullscreen
  case $end_by in
    click) xdotool mousemove 100 100 click 1 ;;
    SIGTERM) kill -TERM $pid ;;
    *) focus "$window"; xdotool key "$end_by" ;;
  esac
  expect_exit $pid 0 "$end_by over the full screen"
done
no_x_errors || fail "X errors from the saver"
echo "ok: bad input refused, host window followed to 1x1, root filled, every mode ended with 0"
