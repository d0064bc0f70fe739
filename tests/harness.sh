# Shared by the scripted tests (end-to-end, hostile input, soak): start the
# program, wait with a deadline for what the user would wait for (a window, a
# menu, a dialog going away, the program ending, the picture moving or
# standing still), and clean up. Sourced, never run:
#
#   source "$(dirname "$0")/../harness.sh"
#
# Every wait polls and gives up after KT_DEADLINE seconds (10 by default):
# nothing sleeps a fixed time and then looks. Each script gets a work folder
# in $work, removed at exit with every program still running (KEEP=1 keeps
# it); a script with more to undo defines on_exit.

kt_deadline=${KT_DEADLINE:-10}
readonly kPoll=0.1
readonly kMenuTitle='^kortalwind$'  # a pop-up menu is a window captioned with the program's name

work=$(mktemp -d /tmp/kt-test-XXXXXX)
kt_pids=()
kt_cleanup() {
  local p
  for p in "${kt_pids[@]}"; do kill "$p" 2>/dev/null && wait "$p" 2>/dev/null; done
  declare -F on_exit >/dev/null && on_exit
  [ -n "${KEEP:-}" ] && echo "work folder kept: $work" || rm -rf "$work"
}
trap kt_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start PROGRAM [ARG...]: runs it in the background, output to $work/program.log; sets pid.
start() {
  "$@" >>"$work/program.log" 2>&1 &
  pid=$!
  kt_pids+=("$pid")
}

# wait_for COMMAND...: runs COMMAND until it succeeds and prints its output;
# fails once the deadline has passed or as soon as COMMAND returns 2 (no
# hope). COMMAND runs in this shell, so it may keep what it saw in variables.
wait_for() {
  local until=$((${EPOCHREALTIME/./} + kt_deadline * 1000000)) status
  while :; do
    "$@" >"$work/wait_for.out"
    status=$?
    ((status == 0)) && { cat "$work/wait_for.out"; return 0; }
    ((status != 2 && ${EPOCHREALTIME/./} < until)) || return 1
    sleep $kPoll
  done
}

# windows PID [TITLE-REGEX [BELOW-WIDTH]]: the process's mapped windows whose
# title matches (case counts, unlike xdotool's own search), narrower than
# BELOW-WIDTH if given; fails when there is none.
windows() {
  local w title width found=1
  for w in $(xdotool search --all --onlyvisible --pid "$1" 2>/dev/null); do
    title=$(xdotool getwindowname "$w" 2>/dev/null) && [[ $title =~ ${2:-} ]] || continue
    if [ -n "${3:-}" ]; then
      width=$(xdotool getwindowgeometry "$w" 2>/dev/null | awk -F'[ x]+' '/Geometry/ {print $3}')
      ((${width:-$3} < $3)) || continue
    fi
    echo "$w"; found=0
  done
  return $found
}
title_of() { xdotool getwindowname "$1" 2>/dev/null; }
no_windows() { ! windows "$@" >/dev/null; }
first_window() { ended "$1" && return 2; local w; w=$(windows "$@") && echo "${w%%$'\n'*}"; }

# wait_window PID TITLE-REGEX [BELOW-WIDTH]: the first such window once it is
# mapped; fails at the deadline or as soon as the process has ended.
wait_window() { wait_for first_window "$@"; }
# wait_gone PID TITLE-REGEX [BELOW-WIDTH]: until no such window is mapped.
wait_gone() { wait_for no_windows "$@"; }

focus() { timeout 3 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null; }

# open_menu PID KEY: Alt+KEY, then waits for the pop-up menu.
open_menu() {
  xdotool key --clearmodifiers "alt+$2"
  wait_window "$1" "$kMenuTitle" >/dev/null
}
# menu PID KEY ITEM: picks ITEM (its mnemonic) from the menu under Alt+KEY
# and waits for the menu to close.
menu() {
  open_menu "$1" "$2" || return 1
  xdotool key "$3"
  wait_gone "$1" "$kMenuTitle"
}

# wait_exit PID: waits for the process to end and sets exit_status; one that
# outlives the deadline is killed, exit_status is "hung" and it fails.
wait_exit() {
  if wait_for ended "$1"; then
    wait "$1"; exit_status=$?
  else
    kill -9 "$1" 2>/dev/null; wait "$1" 2>/dev/null; exit_status=hung
  fi
  local p rest=()
  for p in "${kt_pids[@]}"; do [ "$p" = "$1" ] || rest+=("$p"); done
  kt_pids=("${rest[@]}")
  [ "$exit_status" != hung ]
}
ended() { ! kill -0 "$1" 2>/dev/null; }
# expect_exit PID STATUS WHAT: fails the test unless WHAT ends it with STATUS.
expect_exit() {
  wait_exit "$1"
  [ "$exit_status" = "$2" ] || fail "$3 gave status $exit_status, not $2"
}

# shot FILE [WxH+X+Y]: the screen, or a part of it.
shot() { import -window root ${2:+-crop "$2"} +repage "$1"; }
# differ A B [FUZZ]: how many pixels of two pictures differ (by more than FUZZ, e.g. 2%).
differ() { compare -metric AE ${3:+-fuzz "$3"} "$1" "$2" null: 2>&1 | cut -d' ' -f1 | cut -d. -f1; }

# wait_change WxH+X+Y [PIXELS [FILE]]: until more than PIXELS (0) of that part
# of the screen differ from FILE, or from how it looked when the wait began.
wait_change() {
  local from=${3:-$work/before.png}
  [ -n "${3:-}" ] || shot "$from" "$1"
  wait_for differs_from "$from" "$1" "${2:-0}" >/dev/null
}
# wait_looks FILE WxH+X+Y: until that part of the screen looks as FILE.
wait_looks() { wait_for looks_as "$1" "$2" >/dev/null; }
differs_from() { shot "$work/now.png" "$2"; (($(differ "$1" "$work/now.png") > $3)); }
looks_as() { ! differs_from "$1" "$2" 0; }

# wait_still WxH+X+Y SECONDS: until that part of the screen has shown the
# same pixels for SECONDS (whole) on end; fails when it never does by the deadline.
wait_still() {
  shot "$work/still.png" "$1"
  kt_still_since=${EPOCHREALTIME/./}
  wait_for still_for "$1" "$2"
}
still_for() {
  if differs_from "$work/still.png" "$1" 0; then
    cp "$work/now.png" "$work/still.png"; kt_still_since=${EPOCHREALTIME/./}; return 1
  fi
  ((${EPOCHREALTIME/./} - kt_still_since >= $2 * 1000000))
}

# The city's ground and road colours (render/frame_paint.h, render/road_grid.h):
# a picture with both shows the city, whatever the camera sees of it.
readonly kGroundColour='#004000' kRoadColour='#404040'
# has_colours FILE COLOUR...: every colour (#RRGGBB) is somewhere in the picture.
has_colours() {
  local colours colour
  colours=$(convert "$1" -unique-colors txt:- 2>/dev/null) || return 1
  shift
  for colour; do grep -qi "$colour" <<<"$colours" || return 1; done
}
shows_city() { has_colours "$1" "$kGroundColour" "$kRoadColour"; }
