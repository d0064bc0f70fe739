#!/usr/bin/env bash
# SIGTERM and SIGHUP end the program with status 0 within a second in every
# state that runs a loop of its own: the About box, a message box, the Save
# As dialog, an open menu and a toolbar being dragged. A Save As cut short
# by the signal writes nothing. Each case starts a fresh program.
#
#   signals_test.sh PROGRAM
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
program=$(realpath -- "$1")
folder=$kt_work/folder
mkdir -p "$folder"
cd "$folder" || exit 1
readonly kHandle=(4 33)  # the toolbar's handle in a window at +0+0
mkfifo pipe.kor          # opened, it gets the message box: a pipe is no document

# Each opener shows its state in the program just started and waits until it is up.
open_about() { kt_menu $kt_pid h a && kt_wait_window $kt_pid '^About korTalwind$' >/dev/null; }
open_menu() { kt_open_menu $kt_pid f; }
in_file_dialog() {  # in_file_dialog KEY TITLE NAME: the file dialog under Ctrl+KEY, with NAME typed in
  local dialog
  xdotool key --clearmodifiers "ctrl+$1"
  dialog=$(kt_wait_window $kt_pid "^$2\$") && kt_focus "$dialog" || return 1
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 10 "$3"
}
# The dialogs start in the working folder: a name alone is typed, as a slash
# would bring up the name completion, which takes the keys.
open_save_as() { in_file_dialog s 'Save As' "cut short.kor"; }
open_message_box() {
  in_file_dialog o Open pipe.kor && xdotool key Return && kt_wait_window $kt_pid '^korTalwind$' >/dev/null
}
open_toolbar_drag() {  # out of its dock, where it floats in a window of its own, the button kept down
  xdotool mousemove "${kHandle[@]}" mousedown 1 mousemove 30 60 mousemove 200 250
  kt_wait_window $kt_pid '^Standard$' >/dev/null
}

# The two signals take turns over the states: both go through one handler,
# and a fresh program for every pair would take twice as long.
failures=()
signals=(TERM HUP)
states=(about menu save_as message_box toolbar_drag)
for i in "${!states[@]}"; do
  state=${states[$i]} signal=${signals[$((i % 2))]}
  kt_start "$program" -geometry 640x480+0+0
  main=$(kt_wait_window $kt_pid '^Untitled - korTalwind$') || kt_fail "$state: the main window never appeared"
  kt_focus "$main"
  "open_$state" || kt_fail "$state: it never opened"
  kt_signal_ends $kt_pid $signal || failures+=("SIG$signal, $state: status $kt_exit_status after $kt_took_ms ms")
  xdotool mouseup 1  # a drag leaves the button down for the next program
done
[ "$(ls -A)" = pipe.kor ] || failures+=("a Save As cut short left files: $(ls -A)")
((${#failures[@]} == 0)) || kt_fail "$(printf '%s\n' "${failures[@]}")"
echo "ok: SIGTERM and SIGHUP end it with 0 within a second in every modal state"
