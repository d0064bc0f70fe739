#!/usr/bin/env bash
# The harness the other scripts stand on, each case in a script of its own
# under a locale with a decimal comma: screenshots hold the screen's pixels,
# a picture that cannot be compared fails the test with the reason (it must
# not pass as unchanged), large pixel counts are read whole, a process's
# windows are those xdotool finds, a wait ends at
# its deadline, and cleanup kills a program that ignores the request to end.
# Run on an X server (tests/on_xvfb.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness.sh"

locales=$kt_work/locales
mkdir -p "$locales"
localedef -i de_DE -f ISO-8859-1 "$locales/de_DE" >/dev/null 2>&1 ||
  kt_fail "cannot build a locale with a decimal comma (Debian package locales)"
comma() { LOCPATH=$locales LC_ALL=de_DE "$@"; }
[[ $(comma bash -c 'echo $EPOCHREALTIME') == *,* ]] || kt_fail "the locale built has no decimal comma"

# run_case LINES: runs LINES after sourcing the harness, with a deadline of
# 1 s, under the comma locale; sets out and status (124: it hung).
run_case() {
  printf 'set -u\nsource %q\n%s\n' "$here/../harness.sh" "$1" >"$kt_work/case.sh"
  out=$(KT_DEADLINE=1 comma timeout 30 bash "$kt_work/case.sh" 2>&1)
  status=$?
}

convert -size 1280x1000 xc:red "$kt_work/red.png" && convert -size 1280x1000 xc:blue "$kt_work/blue.png" &&
  convert -size 30x10 xc:'#808080' "$kt_work/grey.png" && convert -size 30x10 xc:'#858080' "$kt_work/grey5.png" &&
  convert -size 30x10 xc:'#808086' "$kt_work/grey6.png" || kt_fail "convert made no pictures"
# 2 % of 255 is 5.1: a channel 5 apart is alike, one 6 apart is not.
run_case "kt_differ $kt_work/red.png $kt_work/blue.png; echo \$kt_differing
          kt_differ $kt_work/red.png $kt_work/red.png 2%; echo \$kt_differing
          kt_differ $kt_work/grey.png $kt_work/grey5.png 2%; echo \$kt_differing
          kt_differ $kt_work/grey.png $kt_work/grey6.png 2%; echo \$kt_differing
          kt_differ $kt_work/grey.png $kt_work/grey5.png; echo \$kt_differing"
[ $status -eq 0 ] && [ "$out" = $'1280000\n0\n0\n300\n300' ] || kt_fail "pixel counts: status $status, '$out'"

# Shots against ImageMagick's of the same parts of a screen of noise: the
# same pixels, whole, in part or in two parts, the same colours, and a part
# one pixel aside differs, and a malformed part is refused.
# (display sets the root window's background and says 1 even so: the last
# check tells whether the noise is there.)
convert -size 97x61 xc: +noise Random -depth 8 "$kt_work/noise.png" || kt_fail "convert made no noise"
display -window root "$kt_work/noise.png"
for part in "" 300x200+17+9 50x40+600+450; do
  kt_shot "$kt_work/ours.png" $part
  import -window root ${part:+-crop $part} +repage "$kt_work/theirs.png"
  kt_differ "$kt_work/ours.png" "$kt_work/theirs.png"
  ((kt_differing == 0)) || kt_fail "a shot of '$part' differs from ImageMagick's in $kt_differing pixels"
done
kt_shot "$kt_work/one.png" 300x200+17+9 "$kt_work/two.png" 50x40+600+450
for shot in one:300x200+17+9 two:50x40+600+450; do
  import -window root -crop "${shot#*:}" +repage "$kt_work/theirs.png"
  kt_differ "$kt_work/${shot%%:*}.png" "$kt_work/theirs.png"
  ((kt_differing == 0)) || kt_fail "part ${shot#*:} of a shot of two differs from ImageMagick's in $kt_differing pixels"
done
theirs=$(convert "$kt_work/noise.png" -unique-colors txt:- | grep -o '#[0-9A-F]\{6\}' | LC_ALL=C sort)
[ -n "$theirs" ] && [ "$(kt_colours "$kt_work/noise.png")" = "$theirs" ] ||
  kt_fail "the colours of a picture are not those ImageMagick finds"
import -window root -crop 300x200+18+9 +repage "$kt_work/aside.png"
kt_shot "$kt_work/ours.png" 300x200+17+9
kt_differ "$kt_work/ours.png" "$kt_work/aside.png"
((kt_differing > 0)) || kt_fail "a shot is the same as one a pixel aside (or the noise is not on the screen)"
for bad in 300x200+17 300x200+17+9+ 0x5+1+1 123456x1+0+0 3x5+1+1x; do
  "$kt_screen" shot "$kt_work/bad.png" "$bad" 2>/dev/null
  (($? == 2)) || kt_fail "a shot of the area '$bad' was taken, not refused"
done

# A process's windows as xdotool finds them: mapped ones only, in the same
# order, with their titles, narrowed by title and width. Pictures shown by
# display stand for a program's windows; two are marked as this script's the
# way a toolkit marks its own, the third as another process's.
convert -size 50x40 xc:red "$kt_work/small.png" || kt_fail "convert made no picture to show"
declare -A shown
for name in small wide other; do
  kt_start display -title "$name" "$kt_work/small.png"
  shown[$name]=$(kt_wait_for xdotool search --name "^$name\$") || kt_fail "display showed no '$name'"
done
wide_title=$'wide \\0101 one,\n\ton two lines'  # read back as it is, not as escapes
for title in "small one" "$wide_title" "other one"; do
  xdotool set_window --name "$title" "${shown[${title%% *}]}"
done
xdotool windowsize --sync "${shown[wide]}" 200 40
for mark in small:$$ wide:$$ other:$PPID; do
  xprop -id "${shown[${mark%:*}]}" -f _NET_WM_PID 32c -set _NET_WM_PID "${mark#*:}" || kt_fail "xprop cannot mark $mark"
done
same_as_xdotool() {  # same_as_xdotool TITLE...: kt_windows $$ lists these, in any order, as xdotool does
  local theirs=() w
  for w in $(xdotool search --all --onlyvisible --pid $$); do theirs+=("$w:$(xdotool getwindowname "$w")"); done
  kt_windows $$ >"$kt_work/ours"
  local ours=() i=0
  while read -r w; do ours+=("$w:${kt_titles[i++]}"); done <"$kt_work/ours"
  mismatch="the windows listed: '${ours[*]}'; xdotool's: '${theirs[*]}'; wanted the titles '$*'"
  [ "${ours[*]}" = "${theirs[*]}" ] && [ "$(printf '%s\n' "${kt_titles[@]}" | sort)" = "$(printf '%s\n' "$@" | sort)" ]
}
same_as_xdotool "small one" "$wide_title" || kt_fail "$mismatch"
[ "$(kt_windows $$ '^small')" = "${shown[small]}" ] || kt_fail "a title pattern did not pick the small window"
[ "$(kt_windows $$ ' one' 100)" = "${shown[small]}" ] || kt_fail "a width limit did not pick the small window"
kt_no_windows $$ '^nothing$' || kt_fail "windows were listed for a title none has"
xdotool windowreparent "${shown[small]}" "${shown[wide]}"  # a window inside another is found too
kt_wait_for same_as_xdotool "small one" "$wide_title" || kt_fail "$mismatch"
xdotool windowunmap --sync "${shown[wide]}"  # and neither is seen once the outer one is unmapped
kt_wait_for same_as_xdotool || kt_fail "$mismatch"

run_case "kt_looks_as $kt_work/missing.png 10x10+0+0; echo went on"
[ $status -eq 1 ] && [[ $out == *"FAIL: cannot compare"*"missing.png"* ]] && [[ $out != *"went on"* ]] ||
  kt_fail "a missing picture: status $status, '$out'"

# A wait of 1 s polls every 0.1 s: about 10 times, neither spinning nor stuck.
run_case 'polls=0; never() { polls=$((polls + 1)); return 1; }
          kt_wait_for never; echo "gave up with $? after $polls polls"'
[ $status -eq 0 ] && [[ $out =~ ^"gave up with 1 after "([0-9]+)" polls"$ ]] &&
  ((BASH_REMATCH[1] >= 4 && BASH_REMATCH[1] <= 15)) ||
  kt_fail "a wait under a decimal comma: status $status, '$out'"

run_case "kt_start sh -c \"trap '' TERM; touch \$kt_work/deaf; exec sleep 300\"
          kt_wait_for test -e \$kt_work/deaf || kt_fail 'the program never started'
          echo \$kt_pid"
deaf=${out##*$'\n'} left=no
if [[ $deaf =~ ^[0-9]+$ ]] && ! kt_ended "$deaf"; then kill -KILL "$deaf"; left=yes; fi
[ $status -eq 0 ] && [ $left = no ] ||
  kt_fail "cleanup with a program that ignores SIGTERM: status $status, left running: $left, '$out'"
echo "ok: pixel counts, shots as ImageMagick takes them, windows as xdotool finds them, a missing picture fails, waits end under a decimal comma, cleanup kills at the deadline"
