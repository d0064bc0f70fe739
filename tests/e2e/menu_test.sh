#!/usr/bin/env bash
# An open menu holds the picture: with File open from the keyboard (Alt+F)
# the picture beside the menu shows the same pixels for a second on end,
# while the status bar shows the highlighted item's prompt; after Escape it
# moves again. Then a double-click builds a new city: a second copy, flying
# the same path over the same first city, shows how far the two pictures
# drift apart without one. With SHOTS=<folder> the screenshots are kept.
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
shots=${SHOTS:-$kt_work}
mkdir -p "$shots"
# Part of the first copy's picture right of and below where File drops down,
# its message pane, and the same picture area in each copy.
readonly kBeside=400x280+200+150 kPane=300x18+0+460
readonly kPictureA=600x300+20+110 kPictureB=600x300+660+110 kArea=$((600 * 300))

kt_start "$1" -geometry 640x480+0+0; a=$kt_pid
kt_start "$1" -geometry 640x480+640+0; b=$kt_pid
wa=$(kt_wait_window $a '^Untitled - korTalwind$') || kt_fail "first window never appeared"
kt_wait_window $b '^Untitled - korTalwind$' >/dev/null || kt_fail "second window never appeared"
kt_focus "$wa"

kt_wait_change $kBeside || kt_fail "the picture does not move before the menu opens"
kt_shot "$kt_work/ready.png" $kPane
kt_open_menu $a f || kt_fail "Alt+F opened no menu"
kt_wait_still $kBeside 1 || kt_fail "the picture keeps moving behind the open menu"
kt_wait_change $kPane 0 "$kt_work/ready.png" || kt_fail "the status bar shows no prompt for the highlighted item"
kt_shot "$shots/menu_open.png" 640x480+0+0
xdotool key Escape
kt_wait_gone $a "$kt_menu_title" || kt_fail "Escape left the menu open"
kt_wait_change $kBeside || kt_fail "the picture stands still after the menu closed"
xdotool key Escape  # out of the menu bar too

apart() {  # sets d: how many pixels the two copies' pictures differ by now
  kt_shot "$kt_work/pa.png" $kPictureA "$kt_work/pb.png" $kPictureB
  kt_differ "$kt_work/pa.png" "$kt_work/pb.png" 2%; d=$kt_differing
}
jitter=0
for _ in 1 2 3 4; do
  apart
  ((d > jitter)) && jitter=$d
done
threshold=$((jitter * 2 > kArea / 10 ? jitter * 2 : kArea / 10))
new_city() { apart; ((d > threshold)); }
xdotool mousemove 320 300 click --repeat 2 --delay 60 1
kt_wait_for new_city || kt_fail "the double-click built no new city (difference ${d}, jitter ${jitter})"
kt_shot "$shots/double_click.png" 1280x480+0+0
echo "ok: File menu over a picture still for a second, moving again after Escape;" \
  "after a double-click the copies differ by $d pixels (jitter $jitter)"
