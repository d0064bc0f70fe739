#!/usr/bin/env bash
# Starts two copies of kortalwind side by side: the camera is a function of
# the clock, so both fly the same path over the same first city. After a
# click in one, the two pictures differ far more than their step jitter.
# One is then closed as a window manager closes it, the other from its menu.
#   window_test.sh PROGRAM CLOSE_WINDOW_TOOL
set -uo pipefail
program=$1
close_window=$2
work=$(mktemp -d)
trap 'kill $pids 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" -geometry 640x480+0+0 >"$work/a.log" 2>&1 & a=$!
"$program" -geometry 640x480+640+0 >"$work/b.log" 2>&1 & b=$!
pids="$a $b"

window_of() {  # wait for a window of the process to be mapped
  for _ in $(seq 50); do
    w=$(xdotool search --all --onlyvisible --pid "$1" --name 'Untitled - korTalwind' 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
wa=$(window_of $a) || fail "first window never appeared"
wb=$(window_of $b) || fail "second window never appeared"
sleep 2

# The picture area of each copy, below the toolbar and the overlay line.
shoot() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop 600x300+20+110 +repage "$work/a.png"
  convert "$work/shot.png" -crop 600x300+660+110 +repage "$work/b.png"
  compare -metric AE -fuzz 2% "$work/a.png" "$work/b.png" null: 2>&1
}

# Colours: ground, road, outline, overlay and building shades, each seen in
# some shot of the first copy (a low camera may show no building for a moment).
declare -A wanted=([ground]="#004000" [road]="#404040" [outline]="#600000" [overlay]="#FFFF00")
shades="#BEBEBE|#D2D2D2|#969696|#787878|#E6E6E6"
seen=""
jitter=0
for _ in $(seq 8); do
  d=$(shoot)
  [ "${d%.*}" -gt "$jitter" ] && jitter=${d%.*}
  convert "$work/shot.png" -crop 640x480+0+0 +repage -format %c histogram:info:- >"$work/hist.txt"
  for name in "${!wanted[@]}"; do
    grep -qi "${wanted[$name]}" "$work/hist.txt" && seen="$seen $name"
  done
  grep -qiE "$shades" "$work/hist.txt" && seen="$seen building"
  all=yes
  for name in "${!wanted[@]}" building; do [[ " $seen " == *" $name "* ]] || all=no; done
  [ $all = yes ] && break
  sleep 0.5
done
for name in "${!wanted[@]}" building; do
  [[ " $seen " == *" $name "* ]] || fail "no $name colour in the picture"
done

# A click in the first copy builds a new city there.
xdotool mousemove 320 300 click 1
area=$((600 * 300))
threshold=$((jitter * 2 > area / 10 ? jitter * 2 : area / 10))
changed=no
for _ in $(seq 8); do
  sleep 0.4
  d=$(shoot)
  [ "${d%.*}" -gt "$threshold" ] && { changed=yes; break; }
done
[ $changed = yes ] || fail "the click did not change the city (difference ${d}, jitter ${jitter})"

# The first copy is closed as a window manager's close button does it, the
# second through File > Exit from the keyboard; each must end with status 0.
"$close_window" "$wa" || fail "could not ask the first window to close"
xdotool windowfocus --sync "$wb" 2>/dev/null || xdotool windowfocus "$wb"
sleep 0.3
xdotool key alt+f
sleep 0.4
xdotool key x
for p in $a $b; do
  for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$p" 2>/dev/null && fail "kortalwind $p did not exit"
  wait "$p"; status=$?
  [ $status -eq 0 ] || fail "kortalwind $p exited with status $status"
done
pids=""
echo "ok: colours seen (${seen# }), jitter $jitter, after click $d"
