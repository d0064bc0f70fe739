#!/usr/bin/env bash
# Runs a command on a private headless Wayland compositor and returns its
# exit status; the command sees WAYLAND_DISPLAY, QT_QPA_PLATFORM=wayland and
# no DISPLAY, so a Qt program in it talks Wayland or fails.
#
#   tests/on_weston.sh WIDTHxHEIGHT[@SCALE] COMMAND [ARG...]
#
# WIDTHxHEIGHT is the output's size in logical pixels; SCALE (default 1) is
# how many of its pixels make one, each way, as on a high-resolution screen.
# The compositor runs with its debug protocol on, which weston-screenshooter
# needs, in a runtime folder of its own (mode 0700, as Wayland asks), on a
# socket named after this script's process, so servers side by side never meet.
set -uo pipefail

size=${1:?usage: on_weston.sh WIDTHxHEIGHT[@SCALE] COMMAND [ARG...]}
shift
scale=1
[[ $size == *@* ]] && scale=${size#*@} size=${size%@*}
(($# > 0)) || { echo "on_weston: no command given" >&2; exit 2; }
command -v weston >/dev/null || { echo "on_weston: weston is needed (Debian package weston)" >&2; exit 2; }

readonly kReadyWithin=100   # tenths of a second for the compositor to come up

work=$(mktemp -d /tmp/kt-weston-XXXXXX)  # the compositor's runtime folder
chmod 700 "$work"
socket=kt-weston-$$
source "$(dirname "$0")/server_lifetime.sh"

XDG_RUNTIME_DIR=$work weston --backend=headless-backend.so --use-pixman --debug --no-config \
  --socket="$socket" --width="${size%x*}" --height="${size#*x}" --idle-time=0 --scale="$scale" \
  --log="$work/weston.log" >/dev/null 2>&1 &
server=$!

for ((i = 0; i < kReadyWithin; i++)); do
  [ -S "$work/$socket" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$work/$socket" ]; then
  echo "on_weston: weston did not start:" >&2
  cat "$work/weston.log" >&2
  exit 2
fi

run_command env -u DISPLAY -u XAUTHORITY XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
