#!/usr/bin/env bash
# kortalwind [FILE] as a shell user meets it: --help and --version answer on
# stdout without a display, a bad command line gets one line on stderr and
# status 2, a file that cannot be opened gets the message box and then status
# 1, and a file that can is named in the caption. The last two need an X
# server (run under tests/on_xvfb.sh).
#
#   command_line_test.sh PROGRAM
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
program=$(realpath -- "$1")

run_headless() {  # run_headless ARGS...: no display at all; sets status, out, err
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" "$@" >"$work/out" 2>"$work/err"
  status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

run_headless --help
[ $status -eq 0 ] || fail "--help gave status $status ($err)"
[[ $out == "Usage: kortalwind [OPTION]... [FILE]"* ]] || fail "--help printed: $out"
[ -z "$err" ] || fail "--help wrote to stderr: $err"

run_headless --version
[ $status -eq 0 ] && [ "$out" = "korTalwind 1.0.0.1" ] && [ -z "$err" ] || fail "--version: status $status, '$out', '$err'"

for bad in "--bogus" "-q" "one.kor two.kor" "-geometry"; do
  # shellcheck disable=SC2086  # two names on purpose
  run_headless $bad
  [ $status -eq 2 ] || fail "'$bad' gave status $status"
  [ -z "$out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] && [[ $err == kortalwind:* ]] ||
    fail "'$bad' should give one line on stderr, got '$err' / '$out'"
done

[ -n "${DISPLAY:-}" ] || { echo "ok: options (no X server for the file cases)"; exit 0; }

# A missing file: the message (captioned with the program's title), then status 1.
start "$program" "$work/missing file.kor"
box=$(wait_window $pid '^korTalwind$') || fail "no message for a missing file"
no_windows $pid ' - korTalwind$' || fail "a main window opened for a missing file"
focus "$box"; xdotool key Return
expect_exit $pid 1 "a missing file"

# A file with content: opened, named, untouched by Save; File > Exit then ends with 0.
printf 'the user data\n' >"$work/-city file.kor"
start "$program" -geometry 640x480+0+0 -- "$work/-city file.kor"
main=$(wait_window $pid '^-city file\.kor - korTalwind$') || fail "the opened file is not named in the caption"
focus "$main"
xdotool key --clearmodifiers ctrl+s
menu $pid f x || fail "Alt+F opened no menu"
expect_exit $pid 0 "File > Exit"
[ "$(cat "$work/-city file.kor")" = "the user data" ] || fail "opening and saving changed the file"
echo "ok: options, a missing file, an opened file"
