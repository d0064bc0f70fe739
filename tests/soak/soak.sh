#!/usr/bin/env bash
# Soak: runs the real program on its own Xvfb for SECONDS while a random user
# clicks the picture, resizes the window (down to 1 x 1 and back), opens and
# closes the About box, starts File New and hides and shows the toolbar and
# the status bar from the View menu. Resident memory and open descriptors are
# sampled every few seconds.
#
#   tests/soak/soak.sh SECONDS [PROGRAM]     (PROGRAM: build/bin/kortalwind)
#
# Fails on a crash or hang, on more than 5 % memory growth after the first
# minute (judged for runs of 2 minutes or more) and on any descriptor growth.
# KT_SOAK_SEED repeats a run's actions; KT_SOAK_KEEP keeps its work folder.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:?usage: soak.sh SECONDS [PROGRAM]}
program=${2:-$here/../../build/bin/kortalwind}
[[ $seconds =~ ^[0-9]+$ ]] && ((seconds > 0)) || { echo "soak: SECONDS must be a whole number above 0" >&2; exit 2; }
[ -x "$program" ] || { echo "soak: no program at $program" >&2; exit 2; }

if [ -z "${KT_SOAK_ON_XVFB:-}" ]; then
  KT_SOAK_ON_XVFB=1 exec "$here/../on_xvfb.sh" 1280x1024x24 "$0" "$seconds" "$program"
fi

readonly kSampleEvery=3          # seconds between samples
readonly kWarmUp=60              # memory growth counts from here on
readonly kJudgeGrowthFrom=120    # shorter runs report growth but are not judged by it
readonly kMaxGrowthPercent=5
readonly kWidth=640 kHeight=480

seed=${KT_SOAK_SEED:-$(( $(date +%s) % 32768 ))}
RANDOM=$seed
work=$(mktemp -d /tmp/kt-soak-XXXXXX)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "${KT_SOAK_KEEP:-}" ] && echo "soak: work folder kept: $work" || rm -rf "$work"
}
trap cleanup EXIT

log() { printf '%6ds %s\n' $((SECONDS - start)) "$*" >>"$work/actions.log"; }
alive() { kill -0 "$pid" 2>/dev/null; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null; }
fd_count() { ls "/proc/$pid/fd" 2>/dev/null | wc -l; }
visible_named() { xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1; }

focus() { timeout 3 xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window" 2>/dev/null; }
menu() {  # menu KEY ITEM: open a menu with Alt and pick an item by its mnemonic
  focus
  xdotool key "alt+$1"; sleep 0.3
  xdotool key "$2"; sleep 0.3
}

crash=""
failures=()
declare -A done_count=()

"$program" -geometry "${kWidth}x${kHeight}+0+0" >"$work/program.log" 2>&1 &
pid=$!
start=$SECONDS
window=""
for _ in $(seq 100); do
  window=$(visible_named 'korTalwind')
  [ -n "$window" ] && break
  alive || break
  sleep 0.1
done
[ -n "$window" ] || { echo "soak: the main window never appeared" >&2; cat "$work/program.log" >&2; exit 1; }
echo "soak: $seconds s, seed $seed, pid $pid, window $window"

small=no
act() {
  case $((RANDOM % 10)) in
    0 | 1 | 2)
      xdotool mousemove --window "$window" $((RANDOM % kWidth)) $((60 + RANDOM % (kHeight - 100))) click 1
      log click; done_count[click]=$((${done_count[click]:-0} + 1)) ;;
    3)
      if [ $small = no ]; then
        local sizes=("1 1" "2 2" "40 30" "160 20" "1 400")
        xdotool windowsize "$window" ${sizes[RANDOM % ${#sizes[@]}]}; small=yes; log "resize small"
      else
        xdotool windowsize "$window" $kWidth $kHeight; small=no; log "resize back"
      fi
      done_count[resize]=$((${done_count[resize]:-0} + 1)) ;;
    4)
      menu h a; sleep 0.5
      local about; about=$(visible_named '^About korTalwind')
      if [ -z "$about" ]; then
        failures+=("About did not open at $((SECONDS - start)) s"); log "about missing"
        return
      fi
      xdotool key Escape; sleep 0.4
      [ -n "$(visible_named '^About korTalwind')" ] && { xdotool key Return; sleep 0.4; }
      [ -n "$(visible_named '^About korTalwind')" ] && failures+=("About did not close at $((SECONDS - start)) s")
      log about; done_count[about]=$((${done_count[about]:-0} + 1)) ;;
    5)
      focus; xdotool key ctrl+n; log "file new"; done_count[new]=$((${done_count[new]:-0} + 1)) ;;
    6)
      menu v t; log "toolbar"; done_count[toolbar]=$((${done_count[toolbar]:-0} + 1)) ;;
    7)
      menu v s; log "status bar"; done_count[statusbar]=$((${done_count[statusbar]:-0} + 1)) ;;
    *)
      sleep 0.5 ;;  # let it fly undisturbed
  esac
}

next_sample=0
while ((SECONDS - start < seconds)); do
  if ! alive; then
    wait "$pid"; crash="exited with status $? at $((SECONDS - start)) s"; pid=""
    break
  fi
  if ((SECONDS - start >= next_sample)); then
    # Sample in a quiet state: no dialog open, the window at its normal size.
    [ $small = yes ] && { xdotool windowsize "$window" $kWidth $kHeight; small=no; }
    sleep 0.3
    echo "$((SECONDS - start)) $(rss_kb) $(fd_count)" >>"$work/samples.txt"
    next_sample=$((next_sample + kSampleEvery))
  fi
  act
  sleep "0.$((RANDOM % 4))"
done

# A clean exit through File > Exit, with the window back at its size.
exit_status=""
if [ -z "$crash" ] && alive; then
  xdotool windowsize "$window" $kWidth $kHeight
  sleep 0.3
  menu f x
  for _ in $(seq 50); do alive || break; sleep 0.1; done
  if alive; then
    failures+=("File > Exit did not end the program")
  else
    wait "$pid"; exit_status=$?; pid=""
    ((exit_status == 0)) || crash="exited with status $exit_status on File > Exit"
  fi
fi

# Summary from the samples (time, resident kB, descriptors). The baseline is
# the first sample after the warm-up, or the first one in a shorter run.
read -r samples rss_first rss_base rss_last rss_max fd_base fd_min fd_max fd_last < <(awk -v warm=$kWarmUp '
  NF == 3 {
    n++
    if (n == 1) { first = $2; fdfirst = $3; fmin = $3 }
    if (base == "" && $1 >= warm) { base = $2; fdb = $3 }
    last = $2; fdl = $3
    if ($2 > max) max = $2
    if ($3 < fmin) fmin = $3
    if ($3 > fmax) fmax = $3
  }
  END {
    if (n == 0) { print 0; exit }
    if (base == "") { base = first; fdb = fdfirst }
    print n, first, base, last, max, fdb, fmin, fmax, fdl
  }' "$work/samples.txt" 2>/dev/null)
samples=${samples:-0}
growth="n/a"
if ((samples == 0)); then
  failures+=("no samples were taken")
else
  growth=$(awk -v b="$rss_base" -v l="$rss_last" 'BEGIN { printf "%.2f", (l - b) * 100.0 / b }')
  if ((seconds >= kJudgeGrowthFrom)) && awk -v g="$growth" -v m=$kMaxGrowthPercent 'BEGIN { exit !(g > m) }'; then
    failures+=("resident memory grew by $growth % after the first minute")
  fi
  ((fd_last > fd_base)) && failures+=("open descriptors grew from $fd_base to $fd_last")
fi
[ -n "$crash" ] && failures+=("crash: $crash")

actions=""
for k in click resize about new toolbar statusbar; do actions+=" $k ${done_count[$k]:-0},"; done
echo "soak summary"
echo "  duration:      $((SECONDS - start)) s of $seconds s, seed $seed"
echo "  actions:      ${actions%,}"
echo "  crashes:       $([ -n "$crash" ] && echo "1 ($crash)" || echo 0)"
echo "  exit:          $([ -n "$exit_status" ] && echo "status $exit_status through File > Exit" || echo none)"
if ((samples > 0)); then
  echo "  samples:       $samples, every $kSampleEvery s"
  echo "  memory (RSS):  first $rss_first kB, baseline $rss_base kB, last $rss_last kB, max $rss_max kB"
  echo "  growth:        $growth % after the first minute$( ((seconds >= kJudgeGrowthFrom)) || echo ' (not judged: run under 2 minutes)')"
  echo "  descriptors:   min $fd_min, max $fd_max, baseline $fd_base, last $fd_last"
fi
if ((${#failures[@]} > 0)); then
  printf 'FAIL: %s\n' "${failures[@]}"
  echo "last actions:"; tail -5 "$work/actions.log" 2>/dev/null
  echo "program output:"; tail -20 "$work/program.log"
  exit 1
fi
echo "ok"
