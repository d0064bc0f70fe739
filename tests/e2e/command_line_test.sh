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
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" "$@" >"$kt_work/out" 2>"$kt_work/err"
  status=$?
  out=$(cat "$kt_work/out")
  err=$(cat "$kt_work/err")
}

run_headless --help
[ $status -eq 0 ] || kt_fail "--help gave status $status ($err)"
[[ $out == "Usage: kortalwind [OPTION]... [FILE]"* ]] || kt_fail "--help printed: $out"
[ -z "$err" ] || kt_fail "--help wrote to stderr: $err"

run_headless --version
[ $status -eq 0 ] && [ "$out" = "korTalwind 1.0.0.1" ] && [ -z "$err" ] || kt_fail "--version: status $status, '$out', '$err'"

for bad in "--bogus" "-q" "one.kor two.kor" "-geometry"; do
  # shellcheck disable=SC2086  # two names on purpose
  run_headless $bad
  [ $status -eq 2 ] || kt_fail "'$bad' gave status $status"
  [ -z "$out" ] && [ "$(wc -l <"$kt_work/err")" -eq 1 ] && [[ $err == kortalwind:* ]] ||
    kt_fail "'$bad' should give one line on stderr, got '$err' / '$out'"
done

[ -n "${DISPLAY:-}" ] || { echo "ok: options (no X server for the file cases)"; exit 0; }

# A missing file: the message (captioned with the program's title), then status 1.
kt_start "$program" "$kt_work/missing file.kor"
box=$(kt_wait_window $kt_pid '^korTalwind$') || kt_fail "no message for a missing file"
kt_no_windows $kt_pid ' - korTalwind$' || kt_fail "a main window opened for a missing file"
kt_focus "$box"; xdotool key Return
kt_expect_exit $kt_pid 1 "a missing file"

# A file with content: opened, named, untouched by Save; File > Exit then ends with 0.
printf 'the user data\n' >"$kt_work/-city file.kor"
kt_start "$program" -geometry 640x480+0+0 -- "$kt_work/-city file.kor"
main=$(kt_wait_window $kt_pid '^-city file\.kor - korTalwind$') || kt_fail "the opened file is not named in the caption"
kt_focus "$main"
xdotool key --clearmodifiers ctrl+s
kt_menu $kt_pid f x || kt_fail "Alt+F opened no menu"
kt_expect_exit $kt_pid 0 "File > Exit"
[ "$(cat "$kt_work/-city file.kor")" = "the user data" ] || kt_fail "opening and saving changed the file"
echo "ok: options, a missing file, an opened file"
