#!/usr/bin/env bash
# kortalwind-saver on a real X server, as a user and as a screen saver start
# it: a command line it cannot use is refused before any window exists; it
# fills a window that another client made, at every size that window is
# given, takes no click there, and ends when that window goes; it fills the
# root window; its own window and the full screen end on a key, and every
# mode ends on SIGTERM, SIGINT or SIGHUP within a second, each time with
# status 0 and without an X error.
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
  kt_shot "$kt_work/part.png" "$1"
  ! kt_colours "$kt_work/part.png" | grep -viqE "$kCityColours"
}
no_x_errors() { ! grep -E 'XCB error|X Error|BadWindow|BadDrawable' "$kt_work/program.log"; }

# 5. Bad input: one line on stderr, status 2, and not one window made on the
# server meanwhile. A client watching the root window counts the windows made:
# the host of part 2 before the bad input and a second copy of it after, and
# nothing between them.
stdbuf -oL xev -root -event substructure -event property >"$kt_work/created.log" 2>&1 &
watcher=$!
kt_pids+=("$watcher")
# Listening once it sees a property of the root window change.
watching() { xprop -root -f KT_PROBE 8s -set KT_PROBE 1 && grep -q PropertyNotify "$kt_work/created.log"; }
kt_wait_for watching || kt_fail "the window watcher never listened"
made() { (($(grep -c CreateNotify "$kt_work/created.log") == $1)); }
host_window() {  # host_window NAME: an X client's window; sets host and host_client
  xmessage -geometry 400x300+0+0 -name "$1" "$1" >/dev/null 2>&1 &
  host_client=$!
  kt_pids+=("$host_client")
  host=$(kt_wait_for xdotool search --name "^$1\$") || kt_fail "the window $1 never appeared"
}
host_window kt-host
kt_wait_for grep -q CreateNotify "$kt_work/created.log" >/dev/null || kt_fail "the window watcher saw nothing"
per_host=$(grep -c CreateNotify "$kt_work/created.log")
refused() {  # refused [VAR=VALUE]... -- ARG...
  local vars=()
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  shift
  env "${vars[@]}" timeout 10 "$saver" "$@" >"$kt_work/out" 2>"$kt_work/err"
  local status=$?
  [ $status -eq 2 ] || kt_fail "'$*' gave status $status, not 2"
  [ ! -s "$kt_work/out" ] && [ "$(wc -l <"$kt_work/err")" -eq 1 ] && grep -q '^kortalwind-saver: ' "$kt_work/err" ||
    kt_fail "'$*' should give one line on stderr, got '$(cat "$kt_work/err")'"
}
for args in --bogus extra -fps=1 "--speed 11" "--speed 0.05" "--speed nan" "--delay -1" "--delay 10000001" \
  "--seed 4294967296" "--new-city 86401" "--geometry 0x10" "--geometry 10x10-5+5" "--window-id abc" \
  "--window-id 0" "--window-id 0x7ffffff" "--delay"; do
  # shellcheck disable=SC2086  # several words on purpose
  refused -- $args
done
refused XSCREENSAVER_WINDOW=0xzz -- --root
refused XSCREENSAVER_WINDOW=123456789 -- -root
refused DISPLAY= -- --window-id "$host"
first_host=$host first_client=$host_client
host_window kt-after-bad-input
kt_wait_for made $((2 * per_host)) || kt_fail "bad input made windows: $(grep -c CreateNotify "$kt_work/created.log") made, not $((2 * per_host))"
# Inside that second host, as in every mode, SIGTERM ends it within a second.
kt_start "$saver" --window-id "$host"
kt_wait_for filled 64x48+20+20 >/dev/null || kt_fail "no city inside the window of --window-id"
kt_signal_ends $kt_pid TERM || kt_fail "SIGTERM to --window-id: status $kt_exit_status after $kt_took_ms ms"
kill "$watcher" "$host_client"
host=$first_host host_client=$first_client

# 2. Inside a window another client made, resized three times down to 1 x 1:
# each size shows the exporter's picture for that size (the tick held still),
# so the saver followed the size, at the window's own pixels though the
# toolkit is asked to scale; a click inside builds no new city, as the
# screen saver that owns the window owns its input; the window destroyed,
# the saver ends with 0.
readonly kTick=654321 kSeed=17
KORTALWIND_SAVER_TICK=$kTick QT_SCALE_FACTOR=2 kt_start "$saver" --window-id "$host" --seed $kSeed --fps; inside=$kt_pid
interior() {  # the host's inside, as WxH+X+Y on the screen (its corner is its border's)
  xwininfo -id "$host" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} /Border width:/ {b=$NF} END {print w "x" h "+" x + b "+" y + b}'
}
shows_at() {  # shows_at W H: the host at that size comes to show the exporter's picture of that size
  xdotool windowsize "$host" "$1" "$2"
  "$exporter" png --tick $kTick --seed $kSeed --size "$1x$2" --out "$kt_work/exported.png" || kt_fail "exporter"
  kt_wait_looks "$kt_work/exported.png" "$(interior)" || kt_fail "the host at $1x$2 does not show the picture of that size"
}
shows_at 400 300
xdotool mousemove 200 150 click 1
kt_wait_still "$(interior)" 1 >/dev/null && kt_looks_as "$kt_work/exported.png" "$(interior)" ||
  kt_fail "a click inside the host window changed the picture"
for size in "250 140" "37 23" "1 1"; do
  # shellcheck disable=SC2086
  shows_at $size
done
kill "$host_client"
kt_expect_exit $inside 0 "the host window's end"
no_x_errors || kt_fail "X errors after the host window went"

# 3. The root window, where no screen saver names another.
kt_start env -u XSCREENSAVER_WINDOW "$saver" --root; root=$kt_pid
kt_wait_for filled "$(xdpyinfo | awk '/dimensions:/ {print $2}')+0+0" >/dev/null || kt_fail "the root window does not show the city"
kt_signal_ends $root HUP || kt_fail "SIGHUP to --root: status $kt_exit_status after $kt_took_ms ms"

# 4. Its own window: a click builds a new city; Escape, q and closing it end
# it, as do SIGTERM, SIGINT and SIGHUP. Over the whole screen a key or a
# click ends it; so does SIGTERM. Each signal within a second.
own_window() {  # own_window ARG...: starts it and waits for its window; sets kt_pid and window
  kt_start "$saver" "$@"
  window=$(kt_wait_window $kt_pid "$kTitle") || kt_fail "no window for $*"
  kt_wait_for filled 64x48+0+0 >/dev/null || kt_fail "no city in the window for $*"
}
ends() {  # ends HOW WHERE: the saver just started ends with 0 that way
  case $1 in
    close) "$close_window" "$window" ;;
    click) xdotool mousemove 100 100 click 1 ;;
    SIG*) kt_signal_ends $kt_pid "$1" || kt_fail "$1 $2: status $kt_exit_status after $kt_took_ms ms"; return ;;
    *) kt_focus "$window"; xdotool key "$1" ;;
  esac
  kt_expect_exit $kt_pid 0 "$1 $2"
}
KORTALWIND_SAVER_TICK=$kTick own_window --geometry 320x240+0+0 --seed $kSeed
# The exporter's picture below the statistics line, which it always draws.
readonly kBelowLine=320x200+0+40
"$exporter" png --tick $kTick --seed $kSeed --size 320x240 --out "$kt_work/own.png" || kt_fail "exporter"
convert "$kt_work/own.png" -crop $kBelowLine +repage "$kt_work/own.png"
kt_wait_looks "$kt_work/own.png" $kBelowLine || kt_fail "its own window does not show the exporter's picture"
xdotool mousemove 160 120 click 1
kt_wait_change $kBelowLine 0 "$kt_work/own.png" || kt_fail "a click in its own window built no new city"
ends SIGTERM "in its own window"
for end_by in Escape q close SIGINT SIGHUP; do
  own_window --geometry 320x240+0+0
  ends $end_by "in its own window"
done
for end_by in space click SIGTERM; do
  own_window --fullscreen
  ends $end_by "over the full screen"
done
no_x_errors || kt_fail "X errors from the saver"
echo "ok: bad input refused, host window followed to 1x1, root filled, every mode ended with 0"
