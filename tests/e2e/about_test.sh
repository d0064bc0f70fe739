#!/usr/bin/env bash
# The Help menu from the keyboard opens the About box; while it is up the
# picture behind it stands still, and after OK it moves again. Caps Lock
# shows in the status bar and goes away again. With SHOTS=<folder> the
# screenshots (menus, About box) are kept there for looking at.
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
shots=${SHOTS:-$kt_work}
mkdir -p "$shots"
# A strip of the picture left of where the About box sits, the status bar's
# indicator panes at the bottom right, and the whole window.
readonly kPicture=150x400+10+100 kIndicators=170x20+630+578 kWindow=800x600+0+0

kt_start "$1" -geometry $kWindow
main=$(kt_wait_window $kt_pid '^Untitled - korTalwind$') || kt_fail "the main window never appeared"
kt_focus "$main"

for m in f e v h; do
  kt_open_menu $kt_pid $m || kt_fail "Alt+$m opened no menu"
  kt_shot "$shots/menu_$m.png" $kWindow
  xdotool key Escape; kt_wait_gone $kt_pid "$kt_menu_title" || kt_fail "Escape left the menu open"; xdotool key Escape
done

kt_wait_change $kPicture || kt_fail "the picture does not move before the About box"
kt_menu $kt_pid h a || kt_fail "Alt+H opened no menu"
kt_wait_window $kt_pid '^About korTalwind$' >/dev/null || kt_fail "Help > About did not open the About box"
kt_wait_still $kWindow 1 || kt_fail "the picture keeps moving behind the About box"
kt_shot "$shots/about.png" $kWindow

xdotool key Return
kt_wait_gone $kt_pid '^About korTalwind$' || kt_fail "Return (the default OK button) did not close the About box"
kt_wait_change $kPicture || kt_fail "the picture stands still after the About box closed"

kt_focus "$main"
kt_shot "$kt_work/lock_off.png" $kIndicators
xdotool key Caps_Lock
kt_wait_change $kIndicators 0 "$kt_work/lock_off.png" || kt_fail "Caps Lock does not show in the status bar"
kt_shot "$shots/caps_lock.png" $kWindow
xdotool key Caps_Lock
kt_wait_looks "$kt_work/lock_off.png" $kIndicators || kt_fail "CAP stays after Caps Lock is off"

kt_menu $kt_pid f x || kt_fail "Alt+F opened no menu"
kt_expect_exit $kt_pid 0 "File > Exit"
echo "ok: About box over a still picture, picture moving again after OK, CAP shown while Caps Lock is on"
