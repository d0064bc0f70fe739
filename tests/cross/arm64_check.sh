#!/usr/bin/env bash
# The arm64 build against the x86-64 one: cross-builds the programs and the
# display-free unit tests for aarch64 (Debian's cross compiler and :arm64
# libraries, cmake/aarch64-toolchain.cmake), runs them under qemu-user, and
# compares what they write byte for byte with what the native build writes.
# Also makes the arm64 package and has lintian check it.
#
#   arm64_check.sh NATIVE_BUILD_DIR CROSS_BUILD_DIR
set -uo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
native=$(realpath -- "$1")
cross=$2
work=$(mktemp -d /tmp/kt-arm64-XXXXXX)
trap 'rm -rf "$work"' EXIT
# A failed check is told and the others still run; a missing piece ends the run.
failed=0
complain() { echo "FAIL (arm64): $*" >&2; failed=1; }
fail() { complain "$@"; exit 1; }
seconds() { echo "$(($(date +%s) - $1)) s"; }

start=$(date +%s)
# The package is made of what the build below made: cpack builds nothing more.
# -O1 compiles in less time than -O2 and computes the same numbers: no
# multiply and add are fused at any level (-ffp-contract=off).
generator=(-G Ninja)  # as in tools/setup.sh: a folder made before keeps its own
[ ! -f "$cross/CMakeCache.txt" ] || generator=()
cmake -S "$source_dir" -B "$cross" "${generator[@]}" --toolchain "$source_dir/cmake/aarch64-toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DKT_BUILD_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DKT_GLYPH_TABLE_FROM="$native/generated/surface_glyph_table.cpp" >"$work/configure.log" 2>&1 ||
  fail "configure: $(cat "$work/configure.log")"
# What the package holds, and the test programs run below; nothing else.
# The model's tests and the raster layer's: every way of writing a frame's
# pixels against a plain painter, and the glyph table against this
# processor's text drawing. The draw layer above them is held by the exports.
test_programs=(kt_tests_scene kt_tests_pipeline kt_tests_platform_raster)
cmake --build "$cross" -j"$(nproc)" --target kortalwind kortalwind-export kortalwind-saver kt_res_icons kt_docs \
  "${test_programs[@]}" >"$work/build.log" 2>&1 || fail "build: $(tail -50 "$work/build.log")"
echo "arm64 configure and build: $(seconds "$start")"

# The programs load the :arm64 libraries from where dpkg put them, through
# the arm64 loader of the same glibc. (qemu-aarch64 -L /usr/aarch64-linux-gnu
# would pair the cross compiler's loader with that glibc: another build of
# it, and the first thread a program starts spins for ever.)
arm64() { timeout 600 qemu-aarch64 "$@"; }
# The unit tests run one after another beside the exports below, which keep
# both processors busy from the start.
unit_tests() {
  local start=$(date +%s) program
  for program in "${test_programs[@]}"; do
    QT_QPA_PLATFORM=offscreen KT_SOURCE_DIR=$source_dir KT_BIN_DIR=$cross/bin \
      arm64 "$cross/tests/$program" --gtest_brief=1 >"$work/$program.log" 2>&1 ||
      echo "$program under qemu: $(tail -40 "$work/$program.log")" >>"$work/units_failed"
  done
  echo "arm64 unit tests under qemu: $(seconds "$start")"
}
unit_tests >"$work/units.log" &
units=$!

# Each line is one run of kortalwind-export: its arguments, with OUT where
# the file or folder it writes goes; without OUT, what it prints is kept.
runs=$work/runs
# Every seed's city and frames; the pictures at every size and tick, the tick
# choosing the seed, so each city is drawn too without drawing all three
# at every size (under qemu a 3840 x 2160 picture takes two seconds).
seeds=("" "--seed 2" "--seed 12345")
ticks=(0 4000 9000 4000000000)
seed_name() { local name=${1:+seed-${1##* }}; echo "${name:-first-city}"; }
for seed in "${seeds[@]}"; do
  echo "$(seed_name "$seed")-city.json city $seed"
  for tick in "${ticks[@]}"; do
    echo "$(seed_name "$seed")-frame-$tick.json frame --tick $tick --size 1920x1080 $seed"
  done
done >"$runs"
for i in "${!ticks[@]}"; do
  seed=${seeds[i % ${#seeds[@]}]} tick=${ticks[i]}
  for size in 1x1 333x777 1920x1080 3840x2160; do
    echo "$(seed_name "$seed")-$tick-$size.png png --tick $tick --size $size $seed --out OUT"
  done
done >>"$runs"
echo "frames frames --from 1000 --count 30 --every 41 --size 640x360 --seed 7 --out OUT --quiet" >>"$runs"
echo "flight.mkv video --seconds 2 --fps 25 --size 320x180 --seed 7 --from 2000 --out OUT --quiet" >>"$runs"

# The package and lintian's look at it, beside the exports too. The package
# stays in the build folder, for whoever wants it.
make_package() {
  local start=$(date +%s)
  rm -f "$cross"/kortalwind_*_arm64.deb
  cpack --config "$cross/CPackConfig.cmake" -B "$cross" >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
  local debs=("$cross"/kortalwind_*_arm64.deb)
  [ -f "${debs[0]}" ] || fail "cpack made no kortalwind_*_arm64.deb: $(cat "$work/cpack.log")"
  local lint
  lint=$(lintian --fail-on error,warning "${debs[0]}" 2>"$work/lintian.err") || fail "lintian: $lint $(cat "$work/lintian.err")"
  [ -z "$lint" ] || fail "lintian: $lint"
  echo "${debs[0]} clean for lintian: $(seconds "$start")"
}
make_package >"$work/package.log" 2>&1 &
package=$!

# export_all DIR COMMAND...: every run above, two at a time, into DIR.
export_all() {
  local dir=$1 out args; shift
  mkdir -p "$dir"
  while read -r out args; do
    (($(jobs -rp | wc -l) < 2)) || wait -n
    local stdout=$dir/$out
    [[ $args != *OUT* ]] || stdout=/dev/null
    ("$@" ${args//OUT/$dir/$out} </dev/null >"$stdout" 2>"$dir/$out.err" ||
      echo "$out: status $? $(cat "$dir/$out.err")" >>"$work/failed") &
  done <"$runs"
  wait
}
start=$(date +%s)
# Each in a subshell of its own, whose jobs are only its runs.
(export_all "$work/x86-64" "$native/bin/kortalwind-export")
(export_all "$work/arm64" arm64 "$cross/bin/kortalwind-export")
[ ! -s "$work/failed" ] || fail "kortalwind-export: $(cat "$work/failed")"
echo "kortalwind-export, $(wc -l <"$runs") runs each way: $(seconds "$start")"

# Every file, its messages on stderr aside, must be the same. A Matroska file
# holds random identifiers (two runs on one machine differ in them too), so
# a video that differs is compared by its decoded frames.
video_frames=50
frame_sums() { ffmpeg -v error -i "$1" -f framemd5 - | grep -v '^#'; }
differ=()
while read -r file; do
  cmp -s "$work/x86-64/$file" "$work/arm64/$file" || differ+=("$file")
done < <(cd "$work/x86-64" && find . -type f ! -name '*.err' | sed 's|^\./||' | LC_ALL=C sort)
[ "$(cd "$work/x86-64" && find . -type f | wc -l)" = "$(cd "$work/arm64" && find . -type f | wc -l)" ] ||
  fail "the two builds wrote different sets of files: $(diff <(cd "$work/x86-64" && find . | sort) <(cd "$work/arm64" && find . | sort))"
for file in "${differ[@]}"; do
  if [[ $file == *.mkv ]]; then
    frame_sums "$work/x86-64/$file" >"$work/x86-64.framemd5"
    frame_sums "$work/arm64/$file" >"$work/arm64.framemd5"
    if [ "$(wc -l <"$work/x86-64.framemd5")" = "$video_frames" ] && cmp -s "$work"/{x86-64,arm64}.framemd5; then
      echo "note: $file differs in its container's identifiers, not in its $video_frames decoded frames"
      continue
    fi
  fi
  complain "$file differs from the x86-64 build's"
done

wait "$units"
cat "$work/units.log"
[ ! -s "$work/units_failed" ] || complain "$(cat "$work/units_failed")"
wait "$package" || failed=1
cat "$work/package.log"
((failed == 0)) || exit 1
echo "ok: $(wc -l <"$runs") exports byte for byte as on x86-64"
