#!/usr/bin/env bash
# An open menu holds the picture: with File open from the keyboard (Alt+F)
# the picture beside the menu shows the same pixels for a second on end,
# while the status bar shows the highlighted item's prompt; after Escape it
# moves again. Then a double-click builds a new city: a second copy, flying
# the same path over the same first city, shows how far the two pictures
# drift apart without one. With SHOTS=<folder> the screenshots are kept.
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
shots=${SHOTS:-$work}
mkdir -p "$shots"
# Part of the first copy's picture right of and below where File drops down,
# its message pane, and the same picture area in each copy.
readonly kBeside=400x280+200+150 kPane=300x18+0+460
readonly kPictureA=600x300+20+110 kPictureB=600x300+660+110 kArea=$((600 * 300))

start "$1" -geometry 640x480+0+0; a=$pid
start "$1" -geometry 640x480+640+0; b=$pid
wa=$(wait_window $a '^Untitled - korTalwind$') || fail "first window never appeared"
wait_window $b '^Untitled - korTalwind$' >/dev/null || fail "second window never appeared"
focus "$wa"

wait_change $kBeside || fail "the picture does not move before the menu opens"
shot "$work/ready.png" $kPane
open_menu $a f || fail "Alt+F opened no menu"
wait_still $kBeside 1 || fail "the picture keeps moving behind the open menu"
wait_change $kPane 0 "$work/ready.png" || fail "the status bar shows no prompt for the highlighted item"
shot "$shots/menu_open.png" 640x480+0+0
xdotool key Escape
wait_gone $a "$kMenuTitle" || fail "Escape left the menu open"
wait_change $kBeside || fail "the picture stands still after the menu closed"
xdotool key Escape  # out of the menu bar too

apart() {  # sets d: how many pixels the two copies' pictures differ by now
  shot "$work/both.png"
  convert "$work/both.png" -crop $kPictureA +repage "$work/pa.png"
  convert "$work/both.png" -crop $kPictureB +repage "$work/pb.png"
  d=$(differ "$work/pa.png" "$work/pb.png" 2%)
}
jitter=0
for _ in 1 2 3 4; do
  apart
  ((d > jitter)) && jitter=$d
done
threshold=$((jitter * 2 > kArea / 10 ? jitter * 2 : kArea / 10))
new_city() { apart; ((d > threshold)); }
xdotool mousemove 320 300 click --repeat 2 --delay 60 1
wait_for new_city || fail "the double-click built no new city (difference ${d}, jitter ${jitter})"
shot "$shots/double_click.png" 1280x480+0+0
echo "ok: File menu over a picture still for a second, moving again after Escape;" \
  "after a double-click the copies differ by $d pixels (jitter $jitter)"
