#!/usr/bin/env bash
# The program and the saver as a user with Qt's Wayland plug-in runs them,
# on tests/on_weston.sh: each opens its window natively, draws the city and
# prints nothing, not even about the lock-key indicators the program's status
# bar reads on every idle pass, which have no X server to ask there. With
# SHOTS=<folder> the screenshots are kept there.
#   wayland_test.sh PROGRAM SAVER
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
program=$1
saver=$2
shots=${SHOTS:-$kt_work}
mkdir -p "$shots"
[ -n "${WAYLAND_DISPLAY:-}" ] && [ -z "${DISPLAY:-}" ] || kt_fail "run me through tests/on_weston.sh"
command -v weston-screenshooter >/dev/null || kt_fail "weston-screenshooter is needed (Debian package weston)"

city_shown() { kt_ended "$1" && return 2; kt_wl_shot "$2" && kt_shows_city "$2"; }
# Each try is the compositor's screenshot and a list of its colours: on a
# loaded machine a program's first city took 2.4 to 6.4 s to be seen this
# way, and once more than the harness's usual 10 s.
readonly kCityWithin=30
# shows_city_quietly NAME: the process in $kt_pid draws the city, and prints nothing.
shows_city_quietly() {
  kt_deadline=$kCityWithin kt_wait_for city_shown $kt_pid "$shots/wayland_${1// /_}.png" >/dev/null ||
    kt_fail "$1 does not show the city under Wayland: $(head -c 500 "$kt_work/program.log")"
  [ ! -s "$kt_work/program.log" ] || kt_fail "$1 printed under Wayland: $(head -c 500 "$kt_work/program.log")"
}
# ended_quietly NAME: after the process in $kt_pid ended, it printed nothing and
# its window has left the screen (the compositor fades it out).
ended_quietly() {
  [ ! -s "$kt_work/program.log" ] || kt_fail "$1 printed on its way out: $(head -c 500 "$kt_work/program.log")"
  kt_deadline=$kCityWithin kt_wait_for no_city_shown >/dev/null || kt_fail "the window of $1 stays on the screen"
}
no_city_shown() { kt_wl_shot "$kt_work/after.png" && ! kt_shows_city "$kt_work/after.png"; }

# No key or close button reaches a window on a headless compositor; SIGTERM
# closes the program as File > Exit does.
kt_start "$program"
shows_city_quietly kortalwind
kill -TERM $kt_pid
kt_expect_exit $kt_pid 0 "SIGTERM to kortalwind"
ended_quietly kortalwind

for mode in --window --fullscreen; do
  kt_start "$saver" "$mode"
  shows_city_quietly "kortalwind-saver $mode"
  kill -TERM $kt_pid
  kt_expect_exit $kt_pid 0 "SIGTERM to kortalwind-saver $mode"
  ended_quietly "kortalwind-saver $mode"
done

# An X window has no meaning here: one line and status 2, no window.
for args in --root "--window-id 0x200001"; do
  # shellcheck disable=SC2086 # the option and its value
  "$saver" $args >"$kt_work/x_only.log" 2>&1
  status=$?
  [ "$status" = 2 ] && [ "$(wc -l <"$kt_work/x_only.log")" = 1 ] ||
    kt_fail "kortalwind-saver $args under Wayland gave status $status and: $(head -c 300 "$kt_work/x_only.log")"
done
echo "ok: kortalwind and kortalwind-saver (--window, --fullscreen) draw the city under Wayland"
