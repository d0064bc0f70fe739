#!/usr/bin/env bash
# kortalwind [FILE] as a shell user meets it: --help and --version answer on
# stdout without a display, a bad command line gets one line on stderr and
# status 2, a file that cannot be opened gets the message box and then a
# non-zero status, and a file that can is named in the caption. The last two
# need an X server (run under tests/on_xvfb.sh).
#
#   command_line_test.sh PROGRAM
set -uo pipefail
program=$(realpath -- "$1")
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

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

wait_window() {  # wait_window REGEX: a visible window of the program
  local w
  for _ in $(seq 50); do
    w=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
wait_exit() {
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  wait "$pid"; status=$?; pid=""
}

# A missing file: the message (captioned with the program's title), then an unsuccessful end.
"$program" "$work/missing file.kor" >"$work/log" 2>&1 &
pid=$!
box=$(wait_window '^korTalwind$') || fail "no message for a missing file"
xdotool search --all --onlyvisible --pid "$pid" --name ' - korTalwind$' >/dev/null && fail "a main window opened for a missing file"
xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return
wait_exit
[ $status -ne 0 ] && [ $status -lt 128 ] || fail "a missing file ended with status $status"

# A file with content: opened, named, untouched; File > Exit then ends with 0.
printf 'the user data\n' >"$work/-city file.kor"
"$program" -geometry 640x480+0+0 -- "$work/-city file.kor" >"$work/log" 2>&1 &
pid=$!
main=$(wait_window '^-city file.kor - korTalwind$') || fail "the opened file is not named in the caption"
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key --clearmodifiers ctrl+s; sleep 0.5
xdotool key --clearmodifiers alt+f; sleep 0.4; xdotool key x
wait_exit
[ $status -eq 0 ] || fail "File > Exit gave status $status"
[ "$(cat "$work/-city file.kor")" = "the user data" ] || fail "opening and saving changed the file"
echo "ok: options, a missing file, an opened file"
