#!/usr/bin/env bash
# Starts two copies of kortalwind side by side: the camera is a function of
# the clock, so both fly the same path over the same first city. After a
# click in one, the two pictures differ far more than their step jitter.
# Beside a busy process, one gives way and still flies. One is then closed
# as a window manager closes it, the other from its menu.
#   window_test.sh PROGRAM CLOSE_WINDOW_TOOL
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
program=$1
close_window=$2
# The picture area of each copy, below the toolbar and the overlay line.
readonly kPictureA=600x300+20+110 kPictureB=600x300+660+110 kArea=$((600 * 300))

kt_start "$program" -geometry 640x480+0+0; a=$kt_pid
kt_start "$program" -geometry 640x480+640+0; b=$kt_pid
wa=$(kt_wait_window $a '^Untitled - korTalwind$') || kt_fail "first window never appeared"
wb=$(kt_wait_window $b '^Untitled - korTalwind$') || kt_fail "second window never appeared"
kt_wait_change $kPictureA && kt_wait_change $kPictureB || kt_fail "the two pictures do not both fly"

shoot() {  # sets d: how far the two pictures differ now
  kt_shot "$kt_work/a.png" $kPictureA "$kt_work/b.png" $kPictureB "$kt_work/first.png" 640x480+0+0
  kt_differ "$kt_work/a.png" "$kt_work/b.png" 2%; d=$kt_differing
}

# Colours: ground, road, outline, overlay and building shades, each seen in
# some shot of the first copy (a low camera may show no building for a moment).
declare -A wanted=([ground]="#004000" [road]="#404040" [outline]="#600000" [overlay]="#FFFF00"
                   [building]="#BEBEBE|#D2D2D2|#969696|#787878|#E6E6E6")
seen=""
jitter=0
all_colours_seen() {  # one more shot: the largest difference so far and the colours seen
  shoot
  ((d > jitter)) && jitter=$d
  kt_colours "$kt_work/first.png" >"$kt_work/hist.txt"
  local name missing=1
  for name in "${!wanted[@]}"; do
    grep -qiE "${wanted[$name]}" "$kt_work/hist.txt" && [[ " $seen " != *" $name "* ]] && seen="$seen $name"
  done
  for name in "${!wanted[@]}"; do [[ " $seen " == *" $name "* ]] || return 1; done
}
kt_wait_for all_colours_seen || kt_fail "colours seen: ${seen# }; not all of ${!wanted[*]}"

# A click in the first copy builds a new city there.
threshold=$((jitter * 2 > kArea / 10 ? jitter * 2 : kArea / 10))
xdotool mousemove 320 300 click 1
far_apart() { shoot; ((d > threshold)); }
kt_wait_for far_apart || kt_fail "the click did not change the city (difference ${d}, jitter ${jitter})"

# Beside a busy process on its processor, the first copy gives way and still
# flies: its loop never blocks, but lets whatever else is ready run first.
# (Sharing alike, each would take half.)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
taskset -pc 0 $a >/dev/null || kt_fail "could not keep the first copy to processor 0"
taskset -c 0 yes >/dev/null & busy=$!; kt_pids+=("$busy")
program_from=$(cpu_ticks $a) busy_from=$(cpu_ticks $busy)
busy_for_a_second() { (($(cpu_ticks $busy) - busy_from >= 100)); }
kt_wait_for busy_for_a_second || kt_fail "the busy process never got a second of processor time"
program_took=$(($(cpu_ticks $a) - program_from)) busy_took=$(($(cpu_ticks $busy) - busy_from))
((program_took * 2 < busy_took)) ||
  kt_fail "beside a busy process the program took $program_took ticks to its $busy_took: it does not give way"
kt_wait_change $kPictureA || kt_fail "beside a busy process the picture stood still"
kill $busy

# The first copy is closed as a window manager's close button does it, the
# second through File > Exit from the keyboard; each must end with status 0.
"$close_window" "$wa" || kt_fail "could not ask the first window to close"
kt_focus "$wb"
kt_menu $b f x || kt_fail "Alt+F opened no menu in the second copy"
kt_expect_exit $a 0 "the close button"
kt_expect_exit $b 0 "File > Exit"
echo "ok: colours seen (${seen# }), jitter $jitter, after click $d, beside a busy process $program_took ticks to its $busy_took"
