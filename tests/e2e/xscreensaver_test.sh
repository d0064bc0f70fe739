#!/usr/bin/env bash
# A real xscreensaver, set up as a user sets it up: a ~/.xscreensaver whose
# programs: list names only the saver, one mode, no fade, no lock. Activated,
# the screen shows the city; deactivated, the saver is gone within 2 s and
# neither xscreensaver nor the saver has anything to say about it.
#
# xscreensaver starts no program as root, so as root the daemon and its
# commands run as nobody, with a home and a runtime folder of their own, and
# the saver they start is a copy of the built one in the test's folder: a
# build tree under /root is out of nobody's reach. With SHOTS=<folder> the
# screenshot is kept there.
#   xscreensaver_test.sh SAVER
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
command -v xscreensaver >/dev/null || fail "xscreensaver is not installed (tools/setup.sh installs it)"
saver=$(realpath -- "$1")
shots=${SHOTS:-$work}
mkdir -p "$shots"
readonly kGoneWithin=2  # seconds from -deactivate to the saver's end

home=$work/home
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 711 "$work"
  chown nobody:nogroup "$home" "$work/run"
  install -m 755 -D "$saver" "$work/bin/kortalwind-saver" && saver=$work/bin/kortalwind-saver
fi
as_user+=(env HOME="$home" XDG_RUNTIME_DIR="$work/run" PATH=/usr/bin:/bin)
"${as_user[@]}" test -x "$saver" || fail "$saver cannot be run by $("${as_user[@]}" id -un)"

# Written as the manual page says: a name in quotes, the command, \n.
cat >"$home/.xscreensaver" <<EOF
mode: one
selected: 0
timeout: 1:00:00
lock: False
fade: False
unfade: False
splash: False
dpmsEnabled: False
programs: "korTalwind" $saver --root \\n
EOF
log=$home/xscreensaver.log
start "${as_user[@]}" xscreensaver --no-splash --verbose --log "$log"
daemon=$pid
answers() { ended $daemon && return 2; "${as_user[@]}" xscreensaver-command -time >/dev/null 2>&1; }
wait_for answers || fail "xscreensaver did not start: $(tail -5 "$log")"

"${as_user[@]}" xscreensaver-command -activate >/dev/null || fail "xscreensaver-command -activate"
# The daemon's screen process logs the pid of each program it starts.
launched() { grep -oE "forked \"$saver --root\" in pid [0-9]+" "$log" | grep -oE '[0-9]+$'; }
saver_pid=$(wait_for launched) || fail "xscreensaver did not start the saver: $(tail -5 "$log")"
city_on_screen() { ended "$saver_pid" && return 2; shot "$shots/xscreensaver_active.png" && shows_city "$shots/xscreensaver_active.png"; }
wait_for city_on_screen || fail "the active screen does not show the city (saver ended: $(ended "$saver_pid" && echo yes || echo no))"

"${as_user[@]}" xscreensaver-command -deactivate >/dev/null || fail "xscreensaver-command -deactivate"
# The saver is not this shell's child: once ended it may linger unreaped a moment.
gone() { local state; state=$(ps -o stat= -p "$1"); [[ -z $state || $state == Z* ]]; }
kt_deadline=$kGoneWithin wait_for gone "$saver_pid" >/dev/null || fail "the saver still ran ${kGoneWithin} s after -deactivate"

"${as_user[@]}" xscreensaver-command -exit >/dev/null
expect_exit $daemon 0 "xscreensaver-command -exit"
# The saver's own stderr goes to the same log: it has nothing to say either.
complaints=$(grep -iE 'did not die|SIGKILL|kill child|mysterious|not launching|kortalwind-saver: |X Error|qt\.|QStandardPaths' "$log")
[ -z "$complaints" ] || fail "xscreensaver's log: $complaints"
echo "ok: the city showed, the saver (pid $saver_pid) ended on -deactivate"
