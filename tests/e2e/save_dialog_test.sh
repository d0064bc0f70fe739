#!/usr/bin/env bash
# Ctrl+S on a new, untitled document asks for a name in the Save As dialog;
# the name typed there gets an empty file and becomes the caption; a second
# Ctrl+S saves without asking. Run on an X server (tests/on_xvfb.sh).
#
#   save_dialog_test.sh PROGRAM [SHOT_DIR]   (SHOT_DIR keeps the screenshot)
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
program=$(realpath -- "$1")
shots=${2:-$kt_work}
folder=$kt_work/folder
mkdir -p "$folder"
cd "$folder" || exit 1

kt_start "$program" -geometry 640x480+0+0
main=$(kt_wait_window $kt_pid '^Untitled - korTalwind$') || kt_fail "the main window never appeared"
kt_focus "$main"
xdotool key --clearmodifiers ctrl+s
dialog=$(kt_wait_window $kt_pid '^Save As$') || kt_fail "Ctrl+S on an untitled document showed no Save As dialog"
kt_shot "$shots/save_as.png"
# The dialog shows over the frame, which keeps its caption while it asks.
kt_windows $kt_pid '^Untitled - korTalwind$' >/dev/null || kt_fail "the main window lost its caption while the dialog was up"

target="$folder/saved city.kor"
kt_focus "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$target"
xdotool key Return
kt_wait_window $kt_pid '^saved city\.kor - korTalwind$' >/dev/null || kt_fail "the caption did not take the saved file's name"
[ -f "$target" ] && [ ! -s "$target" ] || kt_fail "no empty file at $target"
[ "$(ls -A "$folder")" = "saved city.kor" ] || kt_fail "something was left beside the saved file: $(ls -A "$folder")"

# Named now: Ctrl+S saves without asking. The File menu opening after it
# shows the key was handled and no dialog holds the window.
printf 'kept' >"$target"
kt_focus "$main"
xdotool key --clearmodifiers ctrl+s
kt_open_menu $kt_pid f || kt_fail "the File menu did not open after Ctrl+S (Save As windows: $(kt_windows $kt_pid '^Save As$'))"
kt_no_windows $kt_pid '^Save As$' || kt_fail "Ctrl+S asked again for a name"
[ "$(cat "$target")" = kept ] || kt_fail "Save rewrote the unchanged document's file"

# Save As onto an existing file asks before replacing it; No keeps it.
xdotool key a
dialog=$(kt_wait_window $kt_pid '^Save As$') || kt_fail "File > Save As showed no dialog"
kt_focus "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$target"
xdotool key Return
confirm=$(kt_wait_window $kt_pid '^Save As$' 400) || kt_fail "Save As onto an existing file did not ask before replacing it"
kt_shot "$shots/replace.png"
kt_focus "$confirm"; xdotool key --clearmodifiers alt+n
kt_wait_gone $kt_pid '^Save As$' 400 || kt_fail "No did not close the question"
kt_focus "$dialog"; xdotool key Escape
kt_wait_gone $kt_pid '^Save As$' || kt_fail "Escape did not close the Save As dialog"
[ "$(cat "$target")" = kept ] || kt_fail "declining the replacement still changed the file"
kt_windows $kt_pid '^saved city\.kor - korTalwind$' >/dev/null || kt_fail "the caption changed after a cancelled Save As"

kt_focus "$main"
kt_menu $kt_pid f x || kt_fail "Alt+F opened no menu"
kt_expect_exit $kt_pid 0 "File > Exit"
echo "ok: Save As asked, empty file saved, caption renamed, second Save left the file alone, replacing asked first"
