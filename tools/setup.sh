#!/usr/bin/env bash
# Shared by ./run and ./test: installs the Debian packages that are missing,
# then configures and builds into build/. Safe to run again: an up-to-date
# machine and build cost a few seconds. With --cross (./test) it also installs
# what the arm64 check needs: Debian's cross compiler, the :arm64 libraries
# and qemu-user; and Chromium, which the browser page's tests run it in.
# With --no-build it stops after the packages, for a caller that builds.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config lld
  qt6-base-dev libglib2.0-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
  xvfb xauth xdotool x11-utils imagemagick locales
  desktop-file-utils appstream lintian groff-base libxml2-utils
  xscreensaver weston qt6-wayland
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev
  ffmpeg  # ffprobe and ffmpeg judge the exporter's videos in the tests
  emscripten  # builds the browser page, build/web/kortalwind.html
  clang libclang-rt-14-dev  # the compiler, and the runtimes of ./test's sanitizers
)

CROSS_PACKAGES=(
  g++-aarch64-linux-gnu qemu-user
  qt6-base-dev:arm64 libglib2.0-dev:arm64 libx11-dev:arm64 libxkbcommon-dev:arm64
  libgtest-dev:arm64 libgmock-dev:arm64 libpng-dev:arm64
  libavcodec-dev:arm64 libavformat-dev:arm64 libavutil-dev:arm64 libswscale-dev:arm64
)

TEST_PACKAGES=(chromium)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing PACKAGE... (NAME, or NAME:ARCH for another architecture's)
install_missing() {
  local native name arch status missing=() p
  local -A installed=()
  # One query for them all: one a package took seconds.
  native=$(dpkg --print-architecture)
  while read -r status name arch; do
    [ "$status" = ii ] || continue
    installed[$name:$arch]=1
    if [[ $arch == "$native" || $arch == all ]]; then installed[$name]=1; fi
  done < <(dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Architecture}\n' "$@" 2>/dev/null)
  for p in "$@"; do
    [ -n "${installed[$p]:-}" ] || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# new_build_generator DIR: "-G Ninja" for a folder not configured yet.
# Ninja runs the same compiles as make with a tenth less processor time
# (no make or cmake process per target to check what is out of date); a
# folder made before keeps the generator it has.
new_build_generator() {
  [ -f "$1/CMakeCache.txt" ] || echo "-G Ninja"
}

# with_huge_pages COMMAND...: runs it with the C library's heaps on
# transparent huge pages, where the kernel gives them on request: the
# compilers then take a fifth less time (fewer page faults and address
# translations), and make the same bytes. Only the build tools: the tests
# run the programs as a user's machine does.
with_huge_pages() { GLIBC_TUNABLES=${GLIBC_TUNABLES:+$GLIBC_TUNABLES:}glibc.malloc.hugetlb=1 "$@"; }

# build DIR [cmake options...] [--target TARGET...]
# Unity builds compile each folder in a few large units: the Qt headers are
# read a few times instead of once per file, which halves the build. Line
# tables are all the debug information a profile or a backtrace needs, and
# take a fifth off the compile; the code is the same as with full -g.
#
# clang compiles this tree in five sixths of GCC's time (two thirds with the
# sanitizers) and the programs draw the same bytes as fast; GCC builds the
# arm64 programs, which are compared with these byte for byte.
build() {
  local dir=$1 options=(); shift
  while (($# > 0)) && [ "$1" != --target ]; do options+=("$1"); shift; done
  configure "$dir" "${options[@]}"
  with_huge_pages cmake --build "$dir" -j"$(nproc)" "$@"
}
# configure DIR [cmake options...]: the first half of build.
configure() {
  local dir=$1; shift
  with_huge_pages cmake -S . -B "$dir" $(new_build_generator "$dir") -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    "$@" >/dev/null
}

cross=no build_here=yes
for option in "$@"; do
  case $option in
    --cross) cross=yes ;;
    --no-build) build_here=no ;;  # the caller builds, with configure and build above
    *) echo "setup.sh: unknown option $option (--cross, --no-build)" >&2; exit 2 ;;
  esac
done
cd "$(dirname "${BASH_SOURCE[0]}")/.."
install_missing "${PACKAGES[@]}"
if [ $cross = yes ]; then
  dpkg --print-foreign-architectures | grep -qx arm64 || as_root dpkg --add-architecture arm64
  # The arm64 postinst of libgdk-pixbuf prints "Exec format error": harmless.
  install_missing "${CROSS_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
fi
[ $build_here = no ] || build build
