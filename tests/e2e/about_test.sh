#!/usr/bin/env bash
# The Help menu from the keyboard opens the About box; while it is up the
# picture behind it stands still, and after OK it moves again. Caps Lock
# shows in the status bar and goes away again. With SHOTS=<folder> the
# screenshots (menus, About box) are kept there for looking at.
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
shots=${SHOTS:-$work}
mkdir -p "$shots"
# A strip of the picture left of where the About box sits, the status bar's
# indicator panes at the bottom right, and the whole window.
readonly kPicture=150x400+10+100 kIndicators=170x20+630+578 kWindow=800x600+0+0

start "$1" -geometry $kWindow
main=$(wait_window $pid '^Untitled - korTalwind$') || fail "the main window never appeared"
focus "$main"

for m in f e v h; do
  open_menu $pid $m || fail "Alt+$m opened no menu"
  shot "$shots/menu_$m.png" $kWindow
  xdotool key Escape; wait_gone $pid "$kMenuTitle" || fail "Escape left the menu open"; xdotool key Escape
done

wait_change $kPicture || fail "the picture does not move before the About box"
menu $pid h a || fail "Alt+H opened no menu"
wait_window $pid '^About korTalwind$' >/dev/null || fail "Help > About did not open the About box"
wait_still $kWindow 1 || fail "the picture keeps moving behind the About box"
shot "$shots/about.png" $kWindow

xdotool key Return
wait_gone $pid '^About korTalwind$' || fail "Return (the default OK button) did not close the About box"
wait_change $kPicture || fail "the picture stands still after the About box closed"

focus "$main"
shot "$work/lock_off.png" $kIndicators
xdotool key Caps_Lock
wait_change $kIndicators 0 "$work/lock_off.png" || fail "Caps Lock does not show in the status bar"
shot "$shots/caps_lock.png" $kWindow
xdotool key Caps_Lock
wait_looks "$work/lock_off.png" $kIndicators || fail "CAP stays after Caps Lock is off"

menu $pid f x || fail "Alt+F opened no menu"
expect_exit $pid 0 "File > Exit"
echo "ok: About box over a still picture, picture moving again after OK, CAP shown while Caps Lock is on"
