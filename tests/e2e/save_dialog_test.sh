#!/usr/bin/env bash
# Ctrl+S on a new, untitled document asks for a name in the Save As dialog;
# the name typed there gets an empty file and becomes the caption; a second
# Ctrl+S saves without asking. Run on an X server (tests/on_xvfb.sh).
#
#   save_dialog_test.sh PROGRAM [SHOT_DIR]   (SHOT_DIR keeps the screenshot)
set -uo pipefail
program=$(realpath -- "$1")
shots=${2:-}
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

window_named() {  # window_named NAME: waits for a visible window of the program
  local w
  for _ in $(seq 50); do
    w=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}

cd "$work" || exit 1
"$program" -geometry 640x480+0+0 >"$work/program.log" 2>&1 &
pid=$!
main=$(window_named 'Untitled - korTalwind') || fail "the main window never appeared"
xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.5

xdotool key --clearmodifiers ctrl+s
dialog=$(window_named 'Save As') || fail "Ctrl+S on an untitled document showed no Save As dialog"
sleep 0.5
import -window root "$work/save_as.png"
[ -n "$shots" ] && cp "$work/save_as.png" "$shots/save_as.png"
# The dialog shows over the frame, which keeps its caption while it asks.
xdotool search --all --onlyvisible --pid "$pid" --name '^Untitled - korTalwind$' >/dev/null ||
  fail "the main window lost its caption while the dialog was up"

target="$work/saved city.kor"
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$target"
xdotool key Return
window_named 'saved city.kor - korTalwind' >/dev/null || fail "the caption did not take the saved file's name"
[ -f "$target" ] && [ ! -s "$target" ] || fail "no empty file at $target"
[ "$(ls -A "$work" | grep -vc -e '^program.log$' -e '^save_as.png$' -e '^saved city.kor$')" -eq 0 ] ||
  fail "something was left beside the saved file: $(ls -A "$work")"

# Named now: Ctrl+S saves without asking.
printf 'kept' >"$target"
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key --clearmodifiers ctrl+s
sleep 1
xdotool search --all --onlyvisible --pid "$pid" --name '^Save As$' >/dev/null && fail "Ctrl+S asked again for a name"
[ "$(cat "$target")" = kept ] || fail "Save rewrote the unchanged document's file"

# Save As onto an existing file asks before replacing it; No keeps it.
xdotool key --clearmodifiers alt+f; sleep 0.4; xdotool key a
dialog=$(window_named 'Save As') || fail "File > Save As showed no dialog"
sleep 0.3
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$target"
xdotool key Return
sleep 1
confirm=""
for w in $(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null); do
  [ "$w" = "$main" ] || [ "$w" = "$dialog" ] || confirm=$w
done
[ -n "$confirm" ] || fail "Save As onto an existing file did not ask before replacing it"
import -window root "$work/replace.png"
[ -n "$shots" ] && cp "$work/replace.png" "$shots/replace.png"
xdotool windowfocus --sync "$confirm" 2>/dev/null; xdotool key --clearmodifiers alt+n; sleep 0.5
xdotool windowfocus --sync "$dialog" 2>/dev/null; xdotool key Escape; sleep 0.5
[ "$(cat "$target")" = kept ] || fail "declining the replacement still changed the file"
window_named 'saved city.kor - korTalwind' >/dev/null || fail "the caption changed after a cancelled Save As"

xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key --clearmodifiers alt+f; sleep 0.4; xdotool key x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the program"
wait "$pid"; status=$?; pid=""
[ $status -eq 0 ] || fail "File > Exit gave status $status"
echo "ok: Save As asked, empty file saved, caption renamed, second Save left the file alone, replacing asked first"
