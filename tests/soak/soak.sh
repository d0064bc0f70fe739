#!/usr/bin/env bash
# Soak: runs the real program on its own Xvfb for SECONDS while a random user,
# at most four actions a second, clicks the picture, resizes the window (down
# to 1 x 1 and back), opens and closes the About box, starts File New and
# hides and shows the toolbar and the status bar from the View menu. Resident
# memory and open descriptors are sampled every few seconds.
#
#   tests/soak/soak.sh SECONDS [PROGRAM]     (PROGRAM: build/bin/kortalwind)
#
# Fails on a crash or hang, on more than 5 % memory growth after the first
# minute (judged for runs of 2 minutes or more), on any descriptor growth and
# on a picture that stops flying. The actions follow seed 1, another
# KT_SOAK_SEED, or a fresh one with KT_SOAK_SEED=random; the seed is printed.
# KEEP=1 keeps the work folder.
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
# At most four actions a second, a quick user's pace rather than the
# machine's: in the suite, beside the other tests, the soak took all the
# processor time they left and made about 260 actions in its minute; at this
# pace it makes about 200, on a fast machine as on a slow one, and leaves
# the rest of the processor to the others.
readonly kActionEveryUs=250000
readonly kWarmUp=60              # memory growth counts from here on
readonly kJudgeGrowthFrom=120    # shorter runs report growth but are not judged by it
readonly kMaxGrowthPercent=5
readonly kWidth=640 kHeight=480
readonly kPicture=400x200+100+150  # inside the view whichever bars show

source "$here/../harness.sh"
seed=${KT_SOAK_SEED:-1}
[ "$seed" = random ] && seed=$(($(date +%s) % 32768))
RANDOM=$seed

log() { printf '%6ds %s\n' $((SECONDS - start)) "$*" >>"$kt_work/actions.log"; }
alive() { ! kt_ended $kt_pid; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$kt_pid/status" 2>/dev/null; }
fd_count() { ls "/proc/$kt_pid/fd" 2>/dev/null | wc -l; }
at() { echo "at $((SECONDS - start)) s"; }
pick() {  # pick KEY ITEM: an item of a menu, from the keyboard
  kt_focus "$window"
  kt_menu $kt_pid "$1" "$2" || failures+=("the menu under Alt+$1 did not open or close $(at)")
}

crash=""
failures=()
declare -A done_count=()

kt_start "$program" -geometry "${kWidth}x${kHeight}+0+0"
start=$SECONDS
window=$(kt_wait_window $kt_pid ' - korTalwind$') || { echo "soak: the main window never appeared" >&2; cat "$kt_work/program.log" >&2; exit 1; }
echo "soak: $seconds s, seed $seed, pid $kt_pid, window $window"

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
      pick h a
      if ! kt_wait_window $kt_pid '^About korTalwind$' >/dev/null; then
        failures+=("About did not open $(at)"); log "about missing"
        return
      fi
      xdotool key Escape
      kt_wait_gone $kt_pid '^About korTalwind$' || failures+=("Escape did not close About $(at)")
      log about; done_count[about]=$((${done_count[about]:-0} + 1)) ;;
    5)
      kt_focus "$window"; xdotool key ctrl+n; log "file new"; done_count[new]=$((${done_count[new]:-0} + 1)) ;;
    6)
      pick v t; log "toolbar"; done_count[toolbar]=$((${done_count[toolbar]:-0} + 1)) ;;
    7)
      pick v s; log "status bar"; done_count[statusbar]=$((${done_count[statusbar]:-0} + 1)) ;;
    *)  # let it fly undisturbed until the picture moves
      [ $small = yes ] || kt_wait_change $kPicture || failures+=("the picture stood still $(at)")
      log fly; done_count[fly]=$((${done_count[fly]:-0} + 1)) ;;
  esac
}

next_sample=0
kt_clock
next_action=$kt_now
while ((SECONDS - start < seconds)); do
  kt_clock
  if ((kt_now < next_action)); then
    printf -v pause '%d.%06d' $(((next_action - kt_now) / 1000000)) $(((next_action - kt_now) % 1000000))
    kt_pause "$pause"
    kt_clock
  fi
  next_action=$((kt_now + kActionEveryUs))
  if ! alive; then
    kt_wait_exit $kt_pid; crash="exited with status $kt_exit_status $(at)"
    break
  fi
  if ((SECONDS - start >= next_sample)); then
    # Sample in a quiet state: no dialog open, the window at its normal size.
    [ $small = yes ] && { xdotool windowsize "$window" $kWidth $kHeight; small=no; }
    echo "$((SECONDS - start)) $(rss_kb) $(fd_count)" >>"$kt_work/samples.txt"
    next_sample=$((next_sample + kSampleEvery))
  fi
  act
done

# A clean exit through File > Exit, with the window back at its size.
kt_exit_status=""
if [ -z "$crash" ] && alive; then
  xdotool windowsize "$window" $kWidth $kHeight
  pick f x
  if ! kt_wait_exit $kt_pid; then
    failures+=("File > Exit did not end the program")
  elif ((kt_exit_status != 0)); then
    crash="exited with status $kt_exit_status on File > Exit"
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
  }' "$kt_work/samples.txt" 2>/dev/null)
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
for k in click resize about new toolbar statusbar fly; do actions+=" $k ${done_count[$k]:-0},"; done
echo "soak summary"
echo "  duration:      $((SECONDS - start)) s of $seconds s, seed $seed"
echo "  actions:      ${actions%,}"
echo "  crashes:       $([ -n "$crash" ] && echo "1 ($crash)" || echo 0)"
echo "  exit:          $([ -n "$kt_exit_status" ] && echo "status $kt_exit_status through File > Exit" || echo none)"
if ((samples > 0)); then
  echo "  samples:       $samples, every $kSampleEvery s"
  echo "  memory (RSS):  first $rss_first kB, baseline $rss_base kB, last $rss_last kB, max $rss_max kB"
  echo "  growth:        $growth % after the first minute$( ((seconds >= kJudgeGrowthFrom)) || echo ' (not judged: run under 2 minutes)')"
  echo "  descriptors:   min $fd_min, max $fd_max, baseline $fd_base, last $fd_last"
fi
if ((${#failures[@]} > 0)); then
  printf 'FAIL: %s\n' "${failures[@]}"
  echo "last actions:"; tail -5 "$kt_work/actions.log" 2>/dev/null
  echo "program output:"; tail -20 "$kt_work/program.log"
  exit 1
fi
echo "ok"
