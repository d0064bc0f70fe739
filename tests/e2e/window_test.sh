#!/usr/bin/env bash
# Starts two copies of kortalwind side by side: the camera is a function of
# the clock, so both fly the same path over the same first city. After a
# click in one, the two pictures differ far more than their step jitter.
# One is then closed as a window manager closes it, the other from its menu.
#   window_test.sh PROGRAM CLOSE_WINDOW_TOOL
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
program=$1
close_window=$2
# The picture area of each copy, below the toolbar and the overlay line.
readonly kPictureA=600x300+20+110 kPictureB=600x300+660+110 kArea=$((600 * 300))

start "$program" -geometry 640x480+0+0; a=$pid
start "$program" -geometry 640x480+640+0; b=$pid
wa=$(wait_window $a '^Untitled - korTalwind$') || fail "first window never appeared"
wb=$(wait_window $b '^Untitled - korTalwind$') || fail "second window never appeared"
wait_change $kPictureA && wait_change $kPictureB || fail "the two pictures do not both fly"

shoot() {  # sets d: how far the two pictures differ now
  shot "$work/shot.png"
  convert "$work/shot.png" -crop $kPictureA +repage "$work/a.png"
  convert "$work/shot.png" -crop $kPictureB +repage "$work/b.png"
  d=$(differ "$work/a.png" "$work/b.png" 2%)
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
  convert "$work/shot.png" -crop 640x480+0+0 +repage -format %c histogram:info:- >"$work/hist.txt"
  local name missing=1
  for name in "${!wanted[@]}"; do
    grep -qiE "${wanted[$name]}" "$work/hist.txt" && [[ " $seen " != *" $name "* ]] && seen="$seen $name"
  done
  for name in "${!wanted[@]}"; do [[ " $seen " == *" $name "* ]] || return 1; done
}
wait_for all_colours_seen || fail "colours seen: ${seen# }; not all of ${!wanted[*]}"

# A click in the first copy builds a new city there.
threshold=$((jitter * 2 > kArea / 10 ? jitter * 2 : kArea / 10))
xdotool mousemove 320 300 click 1
far_apart() { shoot; ((d > threshold)); }
wait_for far_apart || fail "the click did not change the city (difference ${d}, jitter ${jitter})"

# The first copy is closed as a window manager's close button does it, the
# second through File > Exit from the keyboard; each must end with status 0.
"$close_window" "$wa" || fail "could not ask the first window to close"
focus "$wb"
menu $b f x || fail "Alt+F opened no menu in the second copy"
expect_exit $a 0 "the close button"
expect_exit $b 0 "File > Exit"
echo "ok: colours seen (${seen# }), jitter $jitter, after click $d"
