#!/usr/bin/env bash
# The program at device pixel ratios 1, 1.5 and 2 (QT_SCALE_FACTOR) shows,
# below its toolbar, exactly the picture `kortalwind-export png --scale R`
# writes for its render window's size in device pixels: the city drawn at the
# screen's own pixels, not enlarged. The clock stands still where the test
# puts it (fixed_clock.cpp), so the program shows one frame of its first city
# at a time, with the meter at 0. The
# picture in the README's section on scaling is built from the runs at 1 and
# 2; with SHOTS=<folder> it is kept there as scaling.png.
#   scale_test.sh PROGRAM EXPORTER FIXED_CLOCK_LIBRARY
set -uo pipefail
source "$(dirname "$0")/../harness.sh"
program=$(realpath -- "$1")
exporter=$(realpath -- "$2")
clock=$(realpath -- "$3")
shots=${SHOTS:-$kt_work}
# Where the render window is: the box around the ground and the roads, which
# at these ticks reach all four of its sides (the statistics line's cells are
# one of them at the top left). A road's grey also tinges a pixel of the
# menu's letters here and there: specks smaller than 3 x 3 are left out.
# The ticks lie within a second of the first, which the program starts at:
# the meter never closes a sample and shows 0, as the exporter's does.
readonly kTicks=(70000 70300 70600)
readonly kMarker='#FF00FF'
readonly kScreenPart=700x700+0+0  # the window at 2, and black around it
picture_area() {  # picture_area SHOT: WxH+X+Y
  convert "$1" -alpha off -fill "$kMarker" -opaque '#004000' -opaque '#404040' -fill black +opaque "$kMarker" \
    -morphology Open Square:1 -format '%@' info:
}

# shows_export RATIO TICK: the screen's picture equals the exporter's for its
# size; sets area and leaves the screenshot in $kt_work/shot-RATIO.png.
shows_export() {
  kt_ended $kt_pid && return 2
  kt_shot "$kt_work/shot-$1.png" "$kScreenPart"
  area=$(picture_area "$kt_work/shot-$1.png") || return 1
  "$exporter" png --tick "$2" --size "${area%%+*}" --scale "$1" --out "$kt_work/exported.png" || return 1
  convert "$kt_work/shot-$1.png" -crop "$area" +repage "$kt_work/shown.png"
  kt_differ "$kt_work/exported.png" "$kt_work/shown.png"
  ((kt_differing == 0))
}

# Renamed into place: the program never reads a half-written file.
set_tick() { echo "$1" >"$kt_work/tick.new" && mv "$kt_work/tick.new" "$kt_work/tick"; }

checked=""
for ratio in 1.5 2 1; do
  set_tick "${kTicks[0]}"
  KT_FIXED_TICK_FILE=$kt_work/tick QT_SCALE_FACTOR=$ratio LD_PRELOAD=$clock kt_start "$program" -geometry 333x301+0+0
  window=$(kt_wait_window $kt_pid '^Untitled - korTalwind$') || kt_fail "no window at ratio $ratio"
  for tick in "${kTicks[@]}"; do
    [ "$ratio" = 1 ] && [ "$tick" != "${kTicks[1]}" ] && continue  # at 1 only for the README's picture
    set_tick "$tick"
    # Each try is a screenshot, an export and two conversions: a loaded
    # machine gets few of them into the harness's usual 10 s.
    kt_deadline=30 kt_wait_for shows_export $ratio $tick >/dev/null ||
      kt_fail "at ratio $ratio, tick $tick the picture ($area) is not the exporter's: $kt_differing pixels differ"
    # The picture fills the render window, which is as wide as the frame.
    width=$(xwininfo -id "$window" | awk '/Width:/ { print $2 }')
    [[ $area == "${width}x"*"+0+"* ]] || kt_fail "at ratio $ratio the picture ($area) is not the frame's width ($width)"
    cp "$kt_work/shot-$ratio.png" "$kt_work/shot-$ratio-$tick.png"
    checked="$checked ${ratio}:${area%%+*}"
  done
  kill -TERM $kt_pid
  kt_expect_exit $kt_pid 0 "SIGTERM at ratio $ratio"
done

# The same part of the city at 1, enlarged as the window system did it, beside 2.
readonly kPart=150x100+0+0 kPartAt2=300x200+0+0
at1=$kt_work/shot-1-${kTicks[1]}.png at2=$kt_work/shot-2-${kTicks[1]}.png
convert "$at1" -crop "$(picture_area "$at1")" +repage -crop $kPart +repage \
  -scale 200% "$kt_work/at1.png"
convert "$at2" -crop "$(picture_area "$at2")" +repage -crop $kPartAt2 +repage \
  "$kt_work/at2.png"
convert "$kt_work/at1.png" -size 8x200 xc:white "$kt_work/at2.png" +append -strip "$shots/scaling.png" ||
  kt_fail "could not make the README's picture"
echo "ok: ratio:device size of the render window:$checked, each the exporter's picture"
