#!/usr/bin/env bash
# Runs a command on a private headless Wayland compositor and returns its
# exit status; the command sees WAYLAND_DISPLAY, QT_QPA_PLATFORM=wayland and
# no DISPLAY, so a Qt program in it talks Wayland or fails.
#
#   tests/on_weston.sh WIDTHxHEIGHT COMMAND [ARG...]
#
# The compositor runs with its debug protocol on, which weston-screenshooter
# needs, in a runtime folder of its own (mode 0700, as Wayland asks), on a
# socket named after this script's process, so servers side by side never meet.
set -uo pipefail

size=${1:?usage: on_weston.sh WIDTHxHEIGHT COMMAND [ARG...]}
shift
(($# > 0)) || { echo "on_weston: no command given" >&2; exit 2; }
command -v weston >/dev/null || { echo "on_weston: weston is needed (Debian package weston)" >&2; exit 2; }

readonly kReadyWithin=100   # tenths of a second for the compositor to come up

runtime=$(mktemp -d /tmp/kt-weston-XXXXXX)
chmod 700 "$runtime"
socket=kt-weston-$$
server=""
child=""
stop() {
  [ -n "$child" ] && kill "$child" 2>/dev/null
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
  fi
  rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 143' TERM INT HUP

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug --no-config \
  --socket="$socket" --width="${size%x*}" --height="${size#*x}" --idle-time=0 \
  --log="$runtime/weston.log" >/dev/null 2>&1 &
server=$!

for ((i = 0; i < kReadyWithin; i++)); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "on_weston: weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 2
fi

env -u DISPLAY -u XAUTHORITY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@" &
child=$!
wait "$child"
status=$?
child=""
exit "$status"
