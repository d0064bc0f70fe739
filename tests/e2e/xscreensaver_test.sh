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
command -v xscreensaver >/dev/null || kt_fail "xscreensaver is not installed (tools/setup.sh installs it)"
saver=$(realpath -- "$1")
shots=${SHOTS:-$kt_work}
mkdir -p "$shots"
readonly kGoneWithin=2  # seconds from -deactivate to the saver's end

home=$kt_work/home
mkdir -p "$home" "$kt_work/run"
chmod 700 "$kt_work/run"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 711 "$kt_work"
  chown nobody:nogroup "$home" "$kt_work/run"
  install -m 755 -D "$saver" "$kt_work/bin/kortalwind-saver" && saver=$kt_work/bin/kortalwind-saver
fi
as_user+=(env HOME="$home" XDG_RUNTIME_DIR="$kt_work/run" PATH=/usr/bin:/bin)
"${as_user[@]}" test -x "$saver" || kt_fail "$saver cannot be run by $("${as_user[@]}" id -un)"

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
kt_start "${as_user[@]}" xscreensaver --no-splash --verbose --log "$log"
daemon=$kt_pid
answers() { kt_ended $daemon && return 2; "${as_user[@]}" xscreensaver-command -time >/dev/null 2>&1; }
kt_wait_for answers || kt_fail "xscreensaver did not start: $(tail -5 "$log")"

"${as_user[@]}" xscreensaver-command -activate >/dev/null || kt_fail "xscreensaver-command -activate"
# The daemon's screen process logs the pid of each program it starts.
launched() { grep -oE "forked \"$saver --root\" in pid [0-9]+" "$log" | grep -oE '[0-9]+$'; }
saver_pid=$(kt_wait_for launched) || kt_fail "xscreensaver did not start the saver: $(tail -5 "$log")"
city_on_screen() { kt_ended "$saver_pid" && return 2; kt_shot "$shots/xscreensaver_active.png" && kt_shows_city "$shots/xscreensaver_active.png"; }
kt_wait_for city_on_screen || kt_fail "the active screen does not show the city (saver ended: $(kt_ended "$saver_pid" && echo yes || echo no))"

"${as_user[@]}" xscreensaver-command -deactivate >/dev/null || kt_fail "xscreensaver-command -deactivate"
# The saver is not this shell's child: once ended it may linger unreaped a moment.
gone() { local state; state=$(ps -o stat= -p "$1"); [[ -z $state || $state == Z* ]]; }
kt_deadline=$kGoneWithin kt_wait_for gone "$saver_pid" >/dev/null || kt_fail "the saver still ran ${kGoneWithin} s after -deactivate"

"${as_user[@]}" xscreensaver-command -exit >/dev/null
kt_expect_exit $daemon 0 "xscreensaver-command -exit"
# The saver's own stderr goes to the same log: it has nothing to say either.
complaints=$(grep -iE 'did not die|SIGKILL|kill child|mysterious|not launching|kortalwind-saver: |X Error|qt\.|QStandardPaths' "$log")
[ -z "$complaints" ] || kt_fail "xscreensaver's log: $complaints"
echo "ok: the city showed, the saver (pid $saver_pid) ended on -deactivate"
