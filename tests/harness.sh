# Shared by the scripted tests (end-to-end, hostile input, soak): start the
# program, wait with a deadline for what the user would wait for (a window, a
# menu, a dialog going away, the program ending, the picture moving or
# standing still), and clean up. Sourced, never run:
#
#   source "$(dirname "$0")/../harness.sh"
#
# Every wait polls and gives up after KT_DEADLINE seconds (10 by default):
# nothing sleeps a fixed time and then looks. Each script gets a work folder
# in $kt_work, removed at exit with every program still running (KEEP=1 keeps
# it); a script with more to undo defines on_exit. Every name the harness
# defines starts with kt_, so a script's own names never replace one.

kt_deadline=${KT_DEADLINE:-10}
readonly kt_poll=0.1
readonly kt_menu_title='^kortalwind$'  # a pop-up menu is a window captioned with the program's name

# The screen tool the build made beside the tests, for windows, shots and
# comparisons (tests/support/screen.cpp); run by hand, the one in build/.
kt_screen=${KT_SCREEN:-$(dirname "${BASH_SOURCE[0]}")/../build/tests/kt_screen}

kt_work=$(mktemp -d /tmp/kt-test-XXXXXX)
kt_pids=()
kt_cleanup() {
  local p
  for p in "${kt_pids[@]}"; do kill "$p" 2>/dev/null; done
  # A program that ignores the request is killed at the deadline.
  for p in "${kt_pids[@]}"; do
    kt_wait_for kt_ended "$p" >/dev/null || kill -KILL "$p" 2>/dev/null
    wait "$p" 2>/dev/null
  done
  declare -F on_exit >/dev/null && on_exit
  [ -n "${KEEP:-}" ] && echo "work folder kept: $kt_work" || rm -rf "$kt_work"
}
trap kt_cleanup EXIT

kt_fail() { echo "FAIL: $*" >&2; exit 1; }

# kt_pause SECONDS: a poll's pause without a process (sleep would be one a
# poll): a read that times out on a pipe nobody writes to.
mkfifo "$kt_work/pause" && exec {kt_pause_fd}<>"$kt_work/pause"
kt_pause() { read -r -t "$1" -u "$kt_pause_fd" || :; }

# kt_clock: sets kt_now to the microseconds since the epoch, in this shell:
# the waits read the clock at every poll, and a subshell costs milliseconds.
# Only digits are kept: the shell writes EPOCHREALTIME with the locale's
# decimal point, and a comma there would be read by the arithmetic as its
# comma operator.
kt_clock() { kt_now=${EPOCHREALTIME//[!0-9]/}; }

# kt_start PROGRAM [ARG...]: runs it in the background, output to
# $kt_work/program.log; sets kt_pid.
kt_start() {
  "$@" >>"$kt_work/program.log" 2>&1 &
  kt_pid=$!
  kt_pids+=("$kt_pid")
}

# kt_wait_for COMMAND...: runs COMMAND until it succeeds and prints its
# output; fails once the deadline has passed or as soon as COMMAND returns 2
# (no hope). COMMAND runs in this shell, so it may keep what it saw in
# variables (the locals here are prefixed so as not to hide them).
kt_wait_for() {
  local kt_until kt_status kt_line
  kt_clock
  kt_until=$((kt_now + kt_deadline * 1000000))
  while :; do
    "$@" >"$kt_work/wait_for.out"
    kt_status=$?
    if ((kt_status == 0)); then
      while IFS= read -r kt_line || [ -n "$kt_line" ]; do printf '%s\n' "$kt_line"; done <"$kt_work/wait_for.out"
      return 0
    fi
    kt_clock
    ((kt_status != 2 && kt_now < kt_until)) || return 1
    kt_pause $kt_poll
  done
}

# kt_windows PID [TITLE-REGEX [BELOW-WIDTH]]: the process's mapped windows
# whose title matches (case counts), narrower than BELOW-WIDTH if given, one
# a line; their titles go to the array kt_titles in the same order. Fails
# when there is none. One run of the screen tool lists them all: a wait asks
# this several times a second.
kt_windows() {
  local line w width title
  kt_titles=()
  "$kt_screen" windows "$1" >"$kt_work/windows" 2>/dev/null
  # WINDOW WIDTH TITLE, the title's spaces kept and its escapes undone.
  while IFS= read -r line; do
    w=${line%% *} line=${line#* }
    width=${line%% *}
    printf -v title %b "${line#* }"
    [[ $title =~ ${2:-} ]] && { [ -z "${3:-}" ] || ((width < $3)); } || continue
    echo "$w"
    kt_titles+=("$title")
  done <"$kt_work/windows"
  ((${#kt_titles[@]} > 0))
}
kt_no_windows() { ! kt_windows "$@" >/dev/null; }
kt_first_window() {
  kt_ended "$1" && return 2
  kt_windows "$@" >"$kt_work/first_window" || return 1
  local w
  read -r w <"$kt_work/first_window"
  echo "$w"
}

# kt_wait_window PID TITLE-REGEX [BELOW-WIDTH]: the first such window once it
# is mapped; fails at the deadline or as soon as the process has ended.
kt_wait_window() { kt_wait_for kt_first_window "$@"; }
# kt_wait_gone PID TITLE-REGEX [BELOW-WIDTH]: until no such window is mapped.
kt_wait_gone() { kt_wait_for kt_no_windows "$@"; }

kt_focus() { timeout 3 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null; }

# kt_open_menu PID KEY: Alt+KEY, then waits for the pop-up menu.
kt_open_menu() {
  xdotool key --clearmodifiers "alt+$2"
  kt_wait_window "$1" "$kt_menu_title" >/dev/null
}
# kt_menu PID KEY ITEM: picks ITEM (its mnemonic) from the menu under Alt+KEY
# and waits for the menu to close.
kt_menu() {
  kt_open_menu "$1" "$2" || return 1
  xdotool key "$3"
  kt_wait_gone "$1" "$kt_menu_title"
}

# kt_wait_exit PID: waits for the process to end and sets kt_exit_status;
# one that outlives the deadline is killed, kt_exit_status is "hung" and it
# fails.
kt_wait_exit() {
  if kt_wait_for kt_ended "$1"; then
    wait "$1"; kt_exit_status=$?
  else
    kill -9 "$1" 2>/dev/null; wait "$1" 2>/dev/null; kt_exit_status=hung
  fi
  local p rest=()
  for p in "${kt_pids[@]}"; do [ "$p" = "$1" ] || rest+=("$p"); done
  kt_pids=("${rest[@]}")
  [ "$kt_exit_status" != hung ]
}
kt_ended() { ! kill -0 "$1" 2>/dev/null; }
# kt_signal_ends PID SIGNAL: sends it and succeeds when the process ends with
# status 0 within a second; sets kt_exit_status and kt_took_ms. One still
# there after 3 s is killed.
kt_signal_ends() {
  local from
  kt_clock
  from=$kt_now
  kill -s "$2" "$1"
  kt_deadline=3 kt_wait_exit "$1"
  kt_clock
  kt_took_ms=$(((kt_now - from) / 1000))
  [ "$kt_exit_status" = 0 ] && ((kt_took_ms < 1000))
}
# kt_expect_exit PID STATUS WHAT: fails the test unless WHAT ends it with STATUS.
kt_expect_exit() {
  kt_wait_exit "$1"
  [ "$kt_exit_status" = "$2" ] || kt_fail "$3 gave status $kt_exit_status, not $2"
}

# kt_shot FILE [WxH+X+Y [FILE WxH+X+Y]...]: the screen, or parts of it as
# they were at one moment, as PNG.
kt_shot() { "$kt_screen" shot "$@"; }
# kt_colours FILE: each colour in the picture, as #RRGGBB, one a line.
kt_colours() { "$kt_screen" colours "$1"; }
# kt_wl_shot FILE: a Wayland compositor's whole output, through
# weston-screenshooter, which names its file itself.
kt_wl_shot() {
  mkdir -p "$kt_work/shooter"
  (cd "$kt_work/shooter" && rm -f ./*.png && weston-screenshooter >/dev/null 2>&1 &&
    mv ./wayland-screenshot-*.png "$1")
}
# kt_differ A B [FUZZ]: sets kt_differing to how many pixels of two pictures
# differ (in a channel by more than FUZZ, e.g. 2%). A comparison that cannot
# be made fails the test with the reason: read as a count, an error would let
# a picture pass as unchanged.
kt_differ() {
  local out
  out=$("$kt_screen" differ "$1" "$2" ${3:+"$3"} 2>&1)
  (($? <= 1)) && [[ $out =~ ^[0-9]+$ ]] || kt_fail "cannot compare $1 with $2: $out"
  kt_differing=$out
}

# kt_wait_change WxH+X+Y [PIXELS [FILE]]: until more than PIXELS (0) of that
# part of the screen differ from FILE, or from how it looked when the wait began.
kt_wait_change() {
  local from=${3:-$kt_work/before.png}
  [ -n "${3:-}" ] || kt_shot "$from" "$1"
  kt_wait_for kt_differs_from "$from" "$1" "${2:-0}" >/dev/null
}
# kt_wait_looks FILE WxH+X+Y: until that part of the screen looks as FILE.
kt_wait_looks() { kt_wait_for kt_looks_as "$1" "$2" >/dev/null; }
kt_differs_from() { kt_shot "$kt_work/now.png" "$2"; kt_differ "$1" "$kt_work/now.png"; ((kt_differing > $3)); }
kt_looks_as() { ! kt_differs_from "$1" "$2" 0; }

# kt_wait_still WxH+X+Y SECONDS: until that part of the screen has shown the
# same pixels for SECONDS (whole) on end; fails when it never does by the deadline.
kt_wait_still() {
  kt_shot "$kt_work/still.png" "$1"
  kt_clock
  kt_still_since=$kt_now
  kt_wait_for kt_still_for "$1" "$2"
}
kt_still_for() {
  kt_clock
  if kt_differs_from "$kt_work/still.png" "$1" 0; then
    cp "$kt_work/now.png" "$kt_work/still.png"; kt_still_since=$kt_now; return 1
  fi
  ((kt_now - kt_still_since >= $2 * 1000000))
}

# The city's ground and road colours (render/frame_paint.h, render/road_grid.h):
# a picture with both shows the city, whatever the camera sees of it.
readonly kt_ground_colour='#004000' kt_road_colour='#404040'
# has_colours FILE COLOUR...: every colour (#RRGGBB) is somewhere in the picture.
kt_has_colours() {
  local colours colour
  colours=$(kt_colours "$1" 2>/dev/null) || return 1
  shift
  for colour; do grep -qi "$colour" <<<"$colours" || return 1; done
}
kt_shows_city() { kt_has_colours "$1" "$kt_ground_colour" "$kt_road_colour"; }
