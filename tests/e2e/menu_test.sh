#!/usr/bin/env bash
# An open menu holds the picture: with File open from the keyboard (Alt+F)
# the picture beside the menu stays exactly as it was for a second, while the
# status bar shows the highlighted item's prompt; after Escape it moves
# again. Then a double-click in the picture builds a new city: a second copy
# of the program, flying the same path over the same first city, shows how
# far apart the two pictures drift without one.
# Every wait has a deadline; nothing sleeps a fixed time before acting.
#   menu_test.sh PROGRAM          (SHOTS=<folder> keeps the screenshots)
set -uo pipefail
program=$1
work=$(mktemp -d)
shots=${SHOTS:-$work}
mkdir -p "$shots"
pids=""
trap 'kill $pids 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# within MS COMMAND...: true as soon as COMMAND succeeds, false once MS have passed.
within() {
  local end=$(($(now_ms) + $1))
  shift
  until "$@"; do
    (($(now_ms) < end)) || return 1
    sleep 0.05
  done
}

"$program" -geometry 640x480+0+0 >"$work/a.log" 2>&1 & a=$!
"$program" -geometry 640x480+640+0 >"$work/b.log" 2>&1 & b=$!
pids="$a $b"

windows_of() { xdotool search --all --onlyvisible --pid "$1" --name '' 2>/dev/null | wc -l; }
main_window_of() { xdotool search --all --onlyvisible --pid "$1" --name 'Untitled - korTalwind' 2>/dev/null | head -1; }
has_main_window() { [ -n "$(main_window_of "$1")" ]; }
popup_open() { (($(windows_of "$a") > 1)); }
popup_closed() { (($(windows_of "$a") == 1)); }
within 10000 has_main_window "$a" || fail "the first window never appeared"
within 10000 has_main_window "$b" || fail "the second window never appeared"
wa=$(main_window_of "$a")
xdotool windowfocus --sync "$wa" 2>/dev/null || xdotool windowfocus "$wa"

# Regions of the root window: part of the first copy's picture right of and
# below where File drops down, its message pane, and the same picture area
# in each copy.
shoot() { import -window root -crop "$1" +repage "$2"; }
still_area=400x280+200+150
pane=300x18+0+460
differ() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
changed_since() { shoot "$still_area" "$work/now.png"; (($(differ "$1" "$work/now.png") > 0)); }
moves() {
  shoot "$still_area" "$work/moves_from.png"
  within 5000 changed_since "$work/moves_from.png"
}
settled() {  # two shots in a row alike
  shoot "$still_area" "$work/settle_a.png"
  shoot "$still_area" "$work/settle_b.png"
  (($(differ "$work/settle_a.png" "$work/settle_b.png") == 0))
}
pane_differs() { shoot "$pane" "$work/pane_now.png"; (($(differ "$work/ready.png" "$work/pane_now.png") > 0)); }

moves || fail "the picture does not move before the menu opens"
shoot "$pane" "$work/ready.png"

xdotool key alt+f
within 3000 popup_open || fail "Alt+F opened no menu"
within 3000 settled || fail "the picture keeps moving behind the open menu"
# Every shot for a second is the first one again.
shoot "$still_area" "$work/held.png"
start=$(now_ms)
shots_taken=0
while (($(now_ms) - start < 1000)); do
  shoot "$still_area" "$work/later.png"
  shots_taken=$((shots_taken + 1))
  d=$(differ "$work/held.png" "$work/later.png")
  ((d == 0)) || fail "the picture advanced behind the open menu ($d pixels changed)"
done
within 2000 pane_differs || fail "the status bar shows no prompt for the highlighted item"
shoot 640x480+0+0 "$shots/menu_open.png"

xdotool key Escape
within 3000 popup_closed || fail "Escape left the menu open"
moves || fail "the picture stands still after the menu closed"
xdotool key Escape  # out of the menu bar too

# Both copies fly the same path over the same city: how far apart do their
# pictures drift from step timing alone?
pair=600x300
compare_copies() {
  import -window root "$work/both.png"
  convert "$work/both.png" -crop $pair+20+110 +repage "$work/pa.png"
  convert "$work/both.png" -crop $pair+660+110 +repage "$work/pb.png"
  differ "$work/pa.png" "$work/pb.png"
}
jitter=0
for _ in 1 2 3 4; do
  d=$(compare_copies)
  ((d > jitter)) && jitter=$d
done
threshold=$((jitter * 2 > 600 * 300 / 10 ? jitter * 2 : 600 * 300 / 10))
apart() { d=$(compare_copies); ((d > threshold)); }

xdotool mousemove 320 300 click --repeat 2 --delay 60 1
within 5000 apart || fail "the double-click built no new city (difference ${d}, jitter ${jitter})"
import -window root -crop 1280x480+0+0 +repage "$shots/double_click.png"
echo "ok: menu over a still picture ($shots_taken shots in a second, all alike), moving again after Escape;" \
  "double-click: copies ${d} pixels apart (jitter ${jitter})"
