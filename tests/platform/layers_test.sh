#!/usr/bin/env bash
# The house depends one way, bottom up: base under everything; scene and
# pipeline (the model) and platform (raster < core < draw < window < shell,
# the framework) beside each other; render, res and app above them. Reads
# the #include lines of the source tree, and the targets' link libraries
# from the file the build writes (LINKS_FILE, "target: lib;lib;..." lines):
#   - base/ includes only the standard library, and kt_base links nothing;
#   - scene/ and pipeline/ include and link nothing of platform/, render/,
#     res/ or app/;
#   - platform/ includes and links nothing of app/, res/, scene/, pipeline/
#     or render/, and a file in platform/LAYER/ includes and its library
#     links nothing from a layer above LAYER;
#   - platform/raster/ has no toolkit: it includes only the standard library,
#     the compiler's processor intrinsics, base/ and itself, and links only kt_base;
#   - the frame composition and paint (render/frame_compose, road_grid,
#     overlay_text, frame_paint, back_buffer, frame_meter), built for the
#     browser too, see of the platform only the device context's vocabulary
#     and the clock, and of render/ only themselves;
#   - platform/canvas/ (the draw layer's classes again, for the browser) has
#     no toolkit: it includes only the standard library, base/, the raster
#     layer, itself and the draw layer's plain headers it implements, and
#     nothing else in platform/ includes it;
#   - the browser page (web/) includes only what its build compiles, and
#     nothing but its tests includes it;
#   - the graph of modules (a header and its source as one) has no cycle;
#   - Qt headers appear only in platform/, tools/, tests/ and bench/.
#
#   tests/platform/layers_test.sh [SOURCE_DIR [LINKS_FILE]]
set -uo pipefail
cd "${1:-$(dirname "$0")/../..}" || exit 2
links_file=${2:-}

readonly layers=(raster core draw window shell)  # bottom first
declare -A rank=()  # each layer's place, looked up without a subshell per include
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# module -> module edges, as "FROM TO" lines.
edges=$(grep -rHo --include='*.cpp' --include='*.h' -E '^#include "[a-z_]+/[a-z_/]+\.h"' \
          app saver render platform scene pipeline res tools bench base web |
        sed -E 's/^([^:]+)\.(cpp|h):#include "(.+)\.h"$/\1 \3/' | awk '$1 != $2')

for layer in "${layers[@]}"; do [ -d "platform/$layer" ] || fail "platform/$layer is missing"; done
stray=$(find platform -maxdepth 1 -name '*.cpp' -o -maxdepth 1 -name '*.h')
[ -z "$stray" ] || fail "files outside the layers: $stray"

# forbidden FROM_FOLDER "FOLDERS..." WHY
forbidden() {
  local folder=$1 banned=$2 from to
  while read -r from to; do
    [[ $from == "$folder"/* ]] || continue
    for b in $banned; do [[ $to == "$b"/* ]] && fail "$from includes $to: $3"; done
  done <<<"$edges"
}
forbidden platform "app res scene pipeline render" "the framework knows no program"
forbidden scene "platform render res app" "the model is standard C++ only"
forbidden pipeline "platform render res app" "the model is standard C++ only"

while read -r from to; do
  [[ $from == platform/* && $to == platform/* ]] || continue
  fromLayer=${from#platform/}; fromLayer=${fromLayer%%/*}
  toLayer=${to#platform/}; toLayer=${toLayer%%/*}
  [ "$fromLayer" = canvas ] && continue  # held to its own rule below
  [ "$toLayer" = canvas ] && { fail "$from includes $to: only the browser's build uses the canvas"; continue; }
  if ((${rank[$toLayer]:--1} > ${rank[$fromLayer]:--1})); then
    fail "$from includes $to, a layer above its own"
  fi
done <<<"$edges"

composed="render/frame_compose render/road_grid render/overlay_text"
readonly composed+=" render/frame_paint render/back_buffer render/frame_meter"
vocabulary="platform/draw/dc platform/draw/pen platform/draw/brush platform/draw/bitmap"
readonly vocabulary+=" platform/draw/gdi_types platform/core/tick_count"
while read -r from to; do
  [[ " $composed " == *" $from "* ]] || continue
  [[ " $vocabulary " == *" $to "* ]] && continue
  case $to in
    platform/* | app/* | res/*) fail "$from includes $to: the frame is composed without windows or toolkit" ;;
    render/*) [[ " $composed " == *" $to "* ]] || fail "$from includes $to: the frame is composed without windows" ;;
  esac
done <<<"$edges"

# What web/browser/CMakeLists.txt compiles besides scene/, pipeline/, the
# raster layer and the canvas.
readonly page_sees="$composed $vocabulary platform/core/command_line platform/core/quoted_text saver/flight_settings"
while read -r from to; do
  if [[ $from != web/* ]]; then
    [[ $to == web/* ]] && fail "$from includes $to: nothing is built on the page"
    continue
  fi
  case $to in
    web/* | scene/* | pipeline/* | base/* | platform/raster/* | platform/canvas/*) ;;
    *) [[ " $page_sees " == *" $to "* ]] || fail "$from includes $to: the page's build does not compile it" ;;
  esac
done <<<"$edges"

# The standard library's headers have neither a suffix nor a folder.
base_includes=$(grep -rHE --include='*.cpp' --include='*.h' '^#include ' base |
                grep -vE '#include <[a-z_]+>$|#include "base/[a-z_]+\.h"$')
[ -z "$base_includes" ] || fail "base/ includes more than the standard library: $base_includes"
raster_includes=$(grep -rHE --include='*.cpp' --include='*.h' '^#include ' platform/raster |
                  grep -vE '#include <[a-z_]+>$|#include <[a-z0-9]+intrin\.h>$|#include "(base|platform/raster)/[a-z_]+\.h"$')
[ -z "$raster_includes" ] || fail "platform/raster/ includes more than the standard library and base/: $raster_includes"

canvas_includes=$(grep -rHE --include='*.cpp' --include='*.h' '^#include ' platform/canvas |
                  grep -vE '#include <[a-z_]+>$|#include "(base|platform/raster|platform/canvas)/[a-z_]+\.h"$' |
                  grep -vE '#include "platform/draw/(dc|pen|brush|bitmap|gdi_types)\.h"$')
[ -z "$canvas_includes" ] || fail "platform/canvas/ includes more than the standard library, base/, the raster layer and the draw layer's plain headers: $canvas_includes"

# tsort names the modules of every cycle it meets.
loops=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null | grep -v 'input contains a loop' | sed 's/^tsort: //' | sort -u)
[ -z "$loops" ] || fail "include cycle among: $(echo $loops)"

qt=$(grep -rlE --include='*.cpp' --include='*.h' '^#include <Q[A-Za-z]+>' app saver render scene pipeline res base web)
[ -z "$qt" ] || fail "Qt headers outside platform/, tools/, tests/ and bench/: $qt"

# Link lines: what each library links directly.
if [ -n "$links_file" ] && [ ! -s "$links_file" ]; then
  fail "no link libraries listed in $links_file"
elif [ -n "$links_file" ]; then
  links_of() { sed -n "s/^$1: //p" "$links_file" | tr ';' ' '; }
  # banned_links TARGET "PATTERNS..." WHY
  banned_links() {
    local lib pattern
    grep -q "^$1: " "$links_file" || { fail "$1 is not listed in $links_file"; return; }
    for lib in $(links_of "$1"); do
      for pattern in $2; do [[ $lib == $pattern ]] && fail "$1 links $lib: $3"; done
    done
  }
  [ -z "$(links_of kt_base)" ] || fail "kt_base links $(links_of kt_base): it is the standard library only"
  grep -q "^kt_platform_raster: " "$links_file" || fail "kt_platform_raster is not listed in $links_file"
  [ "$(links_of kt_platform_raster)" = kt_base ] ||
    fail "kt_platform_raster links $(links_of kt_platform_raster): it has no toolkit, only kt_base"
  grep -q "^kt_platform_canvas: " "$links_file" || fail "kt_platform_canvas is not listed in $links_file"
  for lib in $(links_of kt_platform_canvas); do
    [[ $lib == kt_platform_raster || $lib == kt_surface_glyph_table || $lib == kt_base ]] ||
      fail "kt_platform_canvas links $lib: it has no toolkit, only the raster layer, the glyph table and kt_base"
  done
  for target in kt_scene kt_pipeline; do
    banned_links $target "kt_platform* kt_render kt_res kt_app Qt6::*" "the model is standard C++ only"
  done
  for i in "${!layers[@]}"; do
    above=""
    for layer in "${layers[@]:$((i + 1))}"; do above+=" kt_platform_$layer"; done
    banned_links "kt_platform_${layers[$i]}" "kt_scene kt_pipeline kt_render kt_res kt_app$above" \
      "the framework links only what is below it"
  done
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures layering rule(s) broken"
  exit 1
fi
echo "layers: base alone; scene and pipeline apart from the framework; raster (no toolkit) < core < draw" \
     "< window < shell" \
     "knowing no program; no include cycles${links_file:+; link lines agree}"
