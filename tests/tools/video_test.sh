#!/usr/bin/env bash
# kortalwind-export video as a user runs it, judged by Debian's ffprobe and
# ffmpeg: the lossless .mkv decodes to exactly the frames pictures, the lossy
# formats are what they claim and close to them, faults and signals leave
# nothing behind, the progress line shows on a terminal only, and the
# README's picture is what the exporter draws now.
#
#   video_test.sh BIN_DIR SOURCE_DIR STALL_LIBRARY
set -uo pipefail
exporter=$1/kortalwind-export
source_dir=$2
stall_library=$3  # tests/support/stalled_libav.cpp
source "$(dirname "$0")/../harness.sh"

readonly kFrom=4000 kSeed=2 kCount=30 kSize=96x64
flight=(--from $kFrom --seed $kSeed --size $kSize)
run() { "$exporter" "$@" 2>"$kt_work/stderr"; }
no_errors() { [ ! -s "$kt_work/stderr" ] || kt_fail "$*: stderr not empty: $(head -c 300 "$kt_work/stderr")"; }

# probe FILE: codec, width, height, pixel format, rate, frames counted and duration.
probe() {
  ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=codec_name,pix_fmt,width,height,nb_read_frames,r_frame_rate:format=duration \
    -of default=noprint_wrappers=1:nokey=1 "$1" | tr '\n' ' '
}
# frame_hashes INPUT...: one checksum per decoded frame, in RGB.
frame_hashes() { ffmpeg -v error "$@" -f framemd5 -pix_fmt rgb24 - | grep -v '^#' | awk -F', *' '{print $6}'; }

run frames "${flight[@]}" --count $kCount --every 40 --out "$kt_work/ref" || kt_fail "frames: $(cat "$kt_work/stderr")"
no_errors "frames without a terminal"

# ------------------------------------------------------------------ exact --
run video "${flight[@]}" --count $kCount --out "$kt_work/exact.mkv" || kt_fail "mkv: $(cat "$kt_work/stderr")"
no_errors "video without a terminal"
got=$(probe "$kt_work/exact.mkv")
[ "$got" = "ffv1 96 64 bgr0 25/1 $kCount 1.200000 " ] || kt_fail "mkv stream: $got"
frame_hashes -i "$kt_work/exact.mkv" >"$kt_work/video.md5"
frame_hashes -framerate 25 -i "$kt_work/ref/frame-%05d.png" >"$kt_work/ref.md5"
[ "$(wc -l <"$kt_work/video.md5")" -eq $kCount ] || kt_fail "mkv decoded to $(wc -l <"$kt_work/video.md5") frames"
cmp -s "$kt_work/video.md5" "$kt_work/ref.md5" ||
  kt_fail "mkv frames differ from the pictures: $(diff "$kt_work/video.md5" "$kt_work/ref.md5" | head -4)"

# ------------------------------------------------------------------ lossy --
# Luma PSNR in the video's own 4:2:0 BT.709, the pictures converted alike.
luma_psnr() {
  ffmpeg -nostats -i "$1" -framerate 25 -i "$kt_work/ref/frame-%05d.png" -lavfi \
    "[0:v]format=yuv420p[a];[1:v]scale=out_color_matrix=bt709:out_range=tv,format=yuv420p[b];[a][b]psnr=shortest=1" \
    -f null - 2>&1 | sed -n 's/.*PSNR y:\([0-9.inf]*\).*/\1/p'
}
for kind in "mp4 h264" "webm vp9"; do
  set -- $kind
  out=$kt_work/lossy.$1
  run video "${flight[@]}" --seconds 1 --out "$out" || kt_fail "$1: $(cat "$kt_work/stderr")"
  got=$(probe "$out")
  [ "$got" = "$2 96 64 yuv420p 25/1 25 1.000000 " ] || kt_fail "$1 stream: $got"
  psnr=$(luma_psnr "$out")
  [ "$psnr" = inf ] || awk -v p="$psnr" 'BEGIN { exit !(p >= 40) }' || kt_fail "$1 luma PSNR $psnr dB, below 40"
done
# The index goes in front of the pictures, so that the .mp4 plays while it loads.
atoms=$(grep -aobE 'moov|mdat' "$kt_work/lossy.mp4" | head -2 | cut -d: -f2 | tr '\n' ' ')
[ "$atoms" = "moov mdat " ] || kt_fail "mp4 index not at the front: $atoms"
run video --size 64x48 --count 7 --fps 50 --out "$kt_work/fast.mp4" || kt_fail "fps 50: $(cat "$kt_work/stderr")"
got=$(probe "$kt_work/fast.mp4")
[ "$got" = "h264 64 48 yuv420p 50/1 7 0.140000 " ] || kt_fail "50 fps stream: $got"

# ----------------------------------------------------------------- faults --
# refuses LABEL STATUS TARGET [ARGS...]: video with ARGS (a small, short one
# unless given) must end with STATUS and one line on stderr, leaving the
# target's folder and the target as they were. The exporter runs under
# refusing_under (a command such as env, or nothing).
refusing_under=()
refuses() {
  local label=$1 status=$2 out=$3 dir before after
  shift 3
  (($# > 0)) || set -- --size 64x48 --count 5
  dir=$(dirname "$out")
  before=$(ls -lA --time-style=+%s.%N "$dir"; [ -f "$out" ] && md5sum <"$out")
  "${refusing_under[@]}" "$exporter" video "$@" --out "$out" >"$kt_work/stdout" 2>"$kt_work/stderr"
  local got=$?
  after=$(ls -lA --time-style=+%s.%N "$dir"; [ -f "$out" ] && md5sum <"$out")
  [ $got -eq "$status" ] || kt_fail "$label: status $got, not $status: $(cat "$kt_work/stderr")"
  [ "$(wc -l <"$kt_work/stderr")" -eq 1 ] && [ ! -s "$kt_work/stdout" ] || kt_fail "$label: $(cat "$kt_work/stderr")"
  [ "$before" = "$after" ] || kt_fail "$label: the folder changed: $(diff <(echo "$before") <(echo "$after"))"
}
mounts=()
on_exit() { local m; for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done; }
# A folder no one may write in: root may write anywhere but on a read-only mount.
locked=$kt_work/locked
mkdir -p "$locked"
echo "old video" >"$locked/keep.mp4"
if [ "$(id -u)" -ne 0 ]; then
  chmod a-w "$locked"
elif ! { mount --bind "$locked" "$locked" && mounts+=("$locked") && mount -o remount,bind,ro "$locked"; }; then
  locked=""
  echo "skipped: an unwritable folder (root without mounts)"
fi
if [ -n "$locked" ]; then
  refuses "unwritable folder" 1 "$locked/keep.mp4"
  refuses "new file in an unwritable folder" 1 "$locked/new.webm"
fi
mkdir -p "$kt_work/out/folder.mp4"
echo "old video" >"$kt_work/out/keep.mp4"
refuses "a folder as the target" 1 "$kt_work/out/folder.mp4"
refuses "odd size for .mp4" 2 "$kt_work/out/keep.mp4" --size 65x48 --count 5
grep -q "try --size 66x48" "$kt_work/stderr" || kt_fail "odd size: the even size is not named: $(cat "$kt_work/stderr")"
refuses "unknown extension" 2 "$kt_work/out/keep.avi"
if [ "$(id -u)" -eq 0 ] && mkdir -p "$kt_work/full" && mount -t tmpfs -o size=64k tmpfs "$kt_work/full"; then
  mounts+=("$kt_work/full")
  echo "old video" >"$kt_work/full/keep.mkv"
  refuses "no space left" 1 "$kt_work/full/keep.mkv" --size 320x240 --count 50
fi

# Without FFmpeg's libraries (the preloaded library refuses to load them)
# video says so, with status 1, and leaves everything as it was.
refusing_under=(env ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" KT_STALL=missing
                 LD_PRELOAD="$stall_library")
refuses "without FFmpeg's libraries" 1 "$kt_work/out/keep.mp4"
refusing_under=()
grep -q "cannot load FFmpeg's libraries (libav" "$kt_work/stderr" ||
  kt_fail "without FFmpeg's libraries: $(cat "$kt_work/stderr")"

# Signals in every state of a recording end it within a second, by the
# signal, with one line and the folder as it was. A background job of a shell
# without job control starts with SIGINT ignored, so it is set back to its
# default. The library holding the program in a call into libav comes before
# the sanitizers' runtime, which they allow only when told.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
# interrupted LABEL SIGNAL FOLDER READY COMMAND...: starts COMMAND, waits for
# READY (a command, given the process id), then sends SIGNAL.
interrupted() {
  local label=$1 signal=$2 folder=$3 ready=$4 before after pid
  shift 4
  before=$(ls -lA --time-style=+%s.%N "$folder"; md5sum "$folder"/keep.* 2>/dev/null)
  rm -f "$kt_work/stalled"
  env --default-signal=INT "$@" 2>"$kt_work/stderr" &
  pid=$!
  kt_pids+=("$pid")
  kt_wait_for "$ready" $pid >/dev/null || kt_fail "$label: not ready: $(cat "$kt_work/stderr")"
  kill -s $signal $pid
  local kt_deadline=1  # the most a user should wait
  kt_expect_exit $pid $((128 + $(kill -l $signal))) "$label: SIG$signal"
  after=$(ls -lA --time-style=+%s.%N "$folder"; md5sum "$folder"/keep.* 2>/dev/null)
  [ "$before" = "$after" ] || kt_fail "$label: the folder changed: $(diff <(echo "$before") <(echo "$after"))"
  [ "$(wc -l <"$kt_work/stderr")" -eq 1 ] || kt_fail "$label: $(cat "$kt_work/stderr")"
}
recording() {
  local t
  for t in "$kt_work/out"/.keep.mp4.*; do [ -f "$t" ] && (($(stat -c %s "$t") > 4096)) && return 0; done
  return 1
}
stalled() { [ -e "$kt_work/stalled" ]; }
stall=(env KT_STALL_MARK="$kt_work/stalled" LD_PRELOAD="$stall_library")
long=(video --size 64x48 --count 400000 --out "$kt_work/out/keep.mp4")
short=(video --size 64x48 --count 5 --out "$kt_work/out/keep.mp4")
for signal in INT TERM; do
  interrupted "between frames" $signal "$kt_work/out" recording "$exporter" "${long[@]}"
  interrupted "in a libav call that never returns" $signal "$kt_work/out" stalled \
    "${stall[@]}" KT_STALL=frame "$exporter" "${short[@]}"
  interrupted "in the finish" $signal "$kt_work/out" stalled "${stall[@]}" KT_STALL=drain "$exporter" "${short[@]}"
done
# frames, held where the second picture is written: a FIFO no one reads
# under the name the picture goes to first.
mkdir -p "$kt_work/seq"
opening_fifo() { [ "$(cat /proc/$1/wchan 2>/dev/null)" = wait_for_partner ]; }
interrupted "frames in a write that never returns" TERM "$kt_work/seq" opening_fifo sh -c \
  'mkfifo "$1/frame-00001.png.tmp-$$" && exec "$0" frames --from 0 --count 3 --every 40 --size 64x48 --out "$1"' \
  "$exporter" "$kt_work/seq"

# --------------------------------------------------------------- progress --
# On a terminal the line is redrawn in place up to 100 %; --quiet keeps it off.
for command in "video --count 20 --size 64x48 --out $kt_work/tty.mp4" \
               "frames --from 0 --every 40 --count 20 --size 64x48 --out $kt_work/tty"; do
  script -qec "$exporter $command" /dev/null >"$kt_work/tty.log" </dev/null || kt_fail "$command on a terminal"
  tr '\r' '\n' <"$kt_work/tty.log" | grep -q '^100 %  20/20 frames  [0-9]*:[0-9][0-9] elapsed  0:00 left' ||
    kt_fail "$command: no progress line reaching 100 %: $(head -c 300 "$kt_work/tty.log" | cat -v)"
  script -qec "$exporter $command --quiet" /dev/null >"$kt_work/tty.log" </dev/null || kt_fail "$command --quiet"
  [ ! -s "$kt_work/tty.log" ] || kt_fail "$command --quiet wrote: $(head -c 300 "$kt_work/tty.log" | cat -v)"
done

# ------------------------------------------------------------ README picture --
readme_picture=$source_dir/doc/flight.png
run png --tick 194000 --size 960x540 --out "$kt_work/flight.png" || kt_fail "png: $(cat "$kt_work/stderr")"
cmp -s "$kt_work/flight.png" "$readme_picture" ||
  kt_fail "doc/flight.png is not what the exporter draws now (png --tick 194000 --size 960x540 makes it)"
grep -q '(doc/flight.png)' "$source_dir/README.md" || kt_fail "the README does not show doc/flight.png"
echo ok
