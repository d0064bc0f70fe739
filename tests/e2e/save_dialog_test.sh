#!/usr/bin/env bash
# Ctrl+S on a new, untitled document asks for a name in the Save As dialog;
# the name typed there gets an empty file and becomes the caption; a second
# Ctrl+S saves without asking. Run on an X server (tests/on_xvfb.sh).
#
#   save_dialog_test.sh PROGRAM [SHOT_DIR]   (SHOT_DIR keeps the screenshot)
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
program=$(realpath -- "$1")
shots=${2:-$work}
folder=$work/folder
mkdir -p "$folder"
cd "$folder" || exit 1

start "$program" -geometry 640x480+0+0
main=$(wait_window $pid '^Untitled - korTalwind$') || fail "the main window never appeared"
focus "$main"
xdotool key --clearmodifiers ctrl+s
dialog=$(wait_window $pid '^Save As$') || fail "Ctrl+S on an untitled document showed no Save As dialog"
shot "$shots/save_as.png"
# The dialog shows over the frame, which keeps its caption while it asks.
windows $pid '^Untitled - korTalwind$' >/dev/null || fail "the main window lost its caption while the dialog was up"

target="$folder/saved city.kor"
focus "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$target"
xdotool key Return
wait_window $pid '^saved city\.kor - korTalwind$' >/dev/null || fail "the caption did not take the saved file's name"
[ -f "$target" ] && [ ! -s "$target" ] || fail "no empty file at $target"
[ "$(ls -A "$folder")" = "saved city.kor" ] || fail "something was left beside the saved file: $(ls -A "$folder")"

# Named now: Ctrl+S saves without asking. The File menu opening after it
# shows the key was handled and no dialog holds the window.
printf 'kept' >"$target"
focus "$main"
xdotool key --clearmodifiers ctrl+s
open_menu $pid f || fail "the File menu did not open after Ctrl+S (Save As windows: $(windows $pid '^Save As$'))"
no_windows $pid '^Save As$' || fail "Ctrl+S asked again for a name"
[ "$(cat "$target")" = kept ] || fail "Save rewrote the unchanged document's file"

# Save As onto an existing file asks before replacing it; No keeps it.
xdotool key a
dialog=$(wait_window $pid '^Save As$') || fail "File > Save As showed no dialog"
focus "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$target"
xdotool key Return
confirm=$(wait_window $pid '^Save As$' 400) || fail "Save As onto an existing file did not ask before replacing it"
shot "$shots/replace.png"
focus "$confirm"; xdotool key --clearmodifiers alt+n
wait_gone $pid '^Save As$' 400 || fail "No did not close the question"
focus "$dialog"; xdotool key Escape
wait_gone $pid '^Save As$' || fail "Escape did not close the Save As dialog"
[ "$(cat "$target")" = kept ] || fail "declining the replacement still changed the file"
windows $pid '^saved city\.kor - korTalwind$' >/dev/null || fail "the caption changed after a cancelled Save As"

focus "$main"
menu $pid f x || fail "Alt+F opened no menu"
expect_exit $pid 0 "File > Exit"
echo "ok: Save As asked, empty file saved, caption renamed, second Save left the file alone, replacing asked first"
