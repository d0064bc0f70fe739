# Shared by on_xvfb.sh and on_weston.sh, sourced after they set $work: the
# server they start (its pid in $server) and the command they run end with
# the script, and $work goes with them.
server=""
child=""
stop() {
  [ -n "$child" ] && kill "$child" 2>/dev/null
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
  fi
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 143' TERM INT HUP

# run_command COMMAND [ARG...]: runs it and exits with its status.
run_command() {
  "$@" &
  child=$!
  wait "$child"
  local status=$?
  child=""
  exit "$status"
}
