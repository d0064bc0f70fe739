#!/usr/bin/env bash
# Runs a command on a private Xvfb and returns its exit status.
#
#   tests/on_xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARG...]
#
# The server picks its own free display number (-displayfd) and reports it
# once it accepts connections, so tests started side by side never pick the
# same number and never talk to each other's server, as they can when two
# `xvfb-run -a` race for the first free one.
set -uo pipefail

screen=${1:?usage: on_xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARG...]}
shift
(($# > 0)) || { echo "on_xvfb: no command given" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "on_xvfb: Xvfb is needed (Debian package xvfb)" >&2; exit 2; }

readonly kReadyWithin=100   # tenths of a second for the server to come up

work=$(mktemp -d /tmp/kt-xvfb-XXXXXX)
source "$(dirname "$0")/server_lifetime.sh"

: >"$work/display"  # there before the background server opens it
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
  3>"$work/display" >"$work/server.log" 2>&1 &
server=$!

display=""
for ((i = 0; i < kReadyWithin; i++)); do
  # The number arrives with its newline once the server is listening.
  if [ "$(tail -c 1 "$work/display" | od -An -tx1 | tr -d ' ')" = 0a ]; then
    display=$(tr -d '\n' <"$work/display")
    break
  fi
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$display" ]; then
  echo "on_xvfb: Xvfb did not start:" >&2
  cat "$work/server.log" >&2
  exit 2
fi

run_command env DISPLAY=":$display" XAUTHORITY=/dev/null "$@"
