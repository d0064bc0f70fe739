#!/usr/bin/env bash
# A frame the saver shows is the exporter's picture of the same city, tick
# and size, pixel for pixel: with --fps the whole picture (both carry the
# statistics line at 0), without it everything below the line, where the
# saver shows no text; at ratios 1.5 and 2 the picture at the window's device
# pixels. The tick is fixed through KORTALWIND_SAVER_TICK. With
# --new-city the next city is the one a click builds: seeded with the tick.
#   pixels_test.sh SAVER EXPORTER
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
saver=$(realpath -- "$1")
exporter=$(realpath -- "$2")
readonly kSeed=20261208 kLineHeight=20 kYellow='#FFFF00'

shows() {  # shows SIZE TICK [OPTIONS]: starts the saver at 0,0 and waits for its window
  # shellcheck disable=SC2086  # the options are words
  KORTALWIND_SAVER_TICK=$2 kt_start "$saver" --seed $kSeed --new-city 0 --geometry "$1+0+0" ${3:-}
  kt_wait_window $kt_pid '^korTalwind$' >/dev/null || kt_fail "no window at $1"
}
stop_saver() { kill -TERM $kt_pid; kt_expect_exit $kt_pid 0 "SIGTERM"; }

checked=0
for size in 640x480 333x201; do
  for tick in 0 4000 3000000007; do
    "$exporter" png --tick $tick --size $size --seed $kSeed --out "$kt_work/exported.png" || kt_fail "the exporter failed"
    shows $size $tick --fps
    kt_wait_looks "$kt_work/exported.png" "$size+0+0" || kt_fail "at $size, tick $tick, --fps: $kt_differing pixels differ"
    stop_saver
    checked=$((checked + 1))
  done
  # The last tick again without the line.
  w=${size%x*} h=${size#*x}
  below="${w}x$((h - kLineHeight))+0+$kLineHeight"
  convert "$kt_work/exported.png" -crop "$below" +repage "$kt_work/exported-below.png"
  shows $size $tick
  kt_wait_looks "$kt_work/exported-below.png" "$below" || kt_fail "at $size without --fps the picture below the line differs"
  kt_shot "$kt_work/line.png" "${w}x${kLineHeight}+0+0"
  kt_colours "$kt_work/line.png" | grep -qi "$kYellow" && kt_fail "the line shows without --fps"
  stop_saver
done
# At a device pixel ratio the window draws at the screen's own pixels: a
# window of WxH logical pixels shows the exporter's picture at its size in
# device pixels (odd sizes at 1.5 round up as the toolkit's backing store
# does: 333 x 201 is 500 x 302) with the statistics line R times as large.
# (Three ticks of each are the program's and the Wayland test's.)
for scaled in 1.5:333x201:500x302:4000 2:320x200:640x400:3000000007; do
  IFS=: read -r ratio logical device tick <<<"$scaled"
  "$exporter" png --tick $tick --size $device --scale $ratio --seed $kSeed --out "$kt_work/exported.png" ||
    kt_fail "the exporter failed"
  QT_SCALE_FACTOR=$ratio shows $logical $tick --fps
  kt_wait_looks "$kt_work/exported.png" "$device+0+0" ||
    kt_fail "at ratio $ratio, $logical, tick $tick: $kt_differing pixels differ"
  stop_saver
  checked=$((checked + 1))
done
"$exporter" png --tick $tick --size $size --seed $tick --out "$kt_work/next-city.png" || kt_fail "the exporter failed"
shows $size $tick "--fps --new-city 1"
kt_wait_looks "$kt_work/next-city.png" "$size+0+0" || kt_fail "--new-city 1 did not build the next city"
stop_saver
echo "ok: $checked frames with the line and 2 without equal the exporter's"
