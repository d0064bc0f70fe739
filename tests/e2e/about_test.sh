#!/usr/bin/env bash
# The Help menu from the keyboard opens the About box; while it is up the
# picture behind it stands still, and after OK it moves again. Caps Lock
# shows in the status bar and goes away again. With SHOTS=<folder> the
# screenshots (menus, About box) are kept there for looking at.
set -uo pipefail
program=$1
work=$(mktemp -d)
shots=${SHOTS:-$work}
mkdir -p "$shots"
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" -geometry 800x600+0+0 >"$work/log" 2>&1 & pid=$!

visible_named() {  # name: mapped windows of the process with exactly that title
  for w in $(xdotool search --all --onlyvisible --pid "$pid" --name '' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w"
  done
}
find_window() {  # name: wait for one to be mapped
  for _ in $(seq 50); do
    w=$(visible_named "$1" | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
main=$(find_window 'Untitled - korTalwind') || fail "the main window never appeared"
xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 1

# A strip of the picture left of where the About box sits, and the status
# bar's indicator panes at the bottom right.
picture() { import -window root -crop 150x400+10+100 +repage "$1"; }
indicators() { import -window root -crop 170x20+630+578 +repage "$1"; }
differ() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
moves() {  # does the picture change within a few seconds? (a loaded machine steps late)
  picture "$work/move_a.png"
  for _ in $(seq 10); do
    sleep 0.3; picture "$work/move_b.png"
    [ "$(differ "$work/move_a.png" "$work/move_b.png")" -gt 0 ] && return 0
  done
  return 1
}
gone() {  # name: wait for no window of that title to be mapped
  for _ in $(seq 50); do
    [ -z "$(visible_named "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

for menu in f e v h; do
  xdotool key "alt+$menu"; sleep 0.5
  import -window root -crop 800x600+0+0 +repage "$shots/menu_$menu.png"
  xdotool key Escape; sleep 0.2; xdotool key Escape; sleep 0.2
done

moves || fail "the picture does not move before the About box"

xdotool key alt+h; sleep 0.4; xdotool key a
about=$(find_window 'About korTalwind') || fail "Help > About did not open the About box"
sleep 0.5
import -window root -crop 800x600+0+0 +repage "$shots/about.png"
picture "$work/still1.png"; sleep 1; picture "$work/still2.png"
d=$(differ "$work/still1.png" "$work/still2.png")
[ "$d" -eq 0 ] || fail "the picture advanced behind the About box ($d pixels changed)"

xdotool key Return
gone 'About korTalwind' || fail "Return (the default OK button) did not close the About box"
moves || fail "the picture stands still after the About box closed"

xdotool windowfocus "$main" 2>/dev/null; sleep 0.2
indicators "$work/lock_off.png"
xdotool key Caps_Lock; sleep 0.5
indicators "$work/lock_on.png"
import -window root -crop 800x600+0+0 +repage "$shots/caps_lock.png"
xdotool key Caps_Lock; sleep 0.5
indicators "$work/lock_off_again.png"
[ "$(differ "$work/lock_off.png" "$work/lock_on.png")" -gt 0 ] || fail "Caps Lock does not show in the status bar"
[ "$(differ "$work/lock_off.png" "$work/lock_off_again.png")" -eq 0 ] || fail "CAP stays after Caps Lock is off"

xdotool key alt+f; sleep 0.4; xdotool key x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "kortalwind did not exit"
wait "$pid"; status=$?
pid=""
[ "$status" -eq 0 ] || fail "kortalwind exited with status $status"
echo "ok: About box over a still picture, picture moving again after OK, CAP shown while Caps Lock is on"
