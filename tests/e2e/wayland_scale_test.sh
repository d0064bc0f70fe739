#!/usr/bin/env bash
# The saver full-screen on a Wayland output of scale 2 draws at the output's
# own pixels: the whole screen is the exporter's picture at its size in
# pixels with --scale 2, at three ticks (KORTALWIND_SAVER_TICK holds the clock).
#   wayland_scale_test.sh SAVER EXPORTER   (through tests/on_weston.sh WxH@2)
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
saver=$(realpath -- "$1")
exporter=$(realpath -- "$2")
readonly kSeed=20261208 kRatio=2
[ -n "${WAYLAND_DISPLAY:-}" ] || kt_fail "run me through tests/on_weston.sh"

# shows_export TICK: the screen equals the exporter's picture of its size.
shows_export() {
  kt_ended $kt_pid && return 2
  kt_wl_shot "$kt_work/shot.png" || return 1
  size=$(identify -format '%wx%h' "$kt_work/shot.png") || return 1
  "$exporter" png --tick "$1" --size "$size" --scale $kRatio --seed $kSeed --out "$kt_work/exported.png" || return 1
  kt_differ "$kt_work/exported.png" "$kt_work/shot.png"
  ((kt_differing == 0))
}

for tick in 0 4000 3000000007; do
  KORTALWIND_SAVER_TICK=$tick kt_start "$saver" --fullscreen --fps --seed $kSeed --new-city 0
  # Each try is a screenshot, an export and a comparison: a loaded machine
  # gets few of them into the harness's usual 10 s.
  kt_deadline=30 kt_wait_for shows_export $tick >/dev/null ||
    kt_fail "at tick $tick the screen ($size) is not the exporter's picture: $kt_differing pixels differ"
  kill -TERM $kt_pid
  kt_expect_exit $kt_pid 0 "SIGTERM"
done
echo "ok: three frames full-screen at scale 2 ($size pixels) equal the exporter's"
