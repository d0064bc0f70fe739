#!/usr/bin/env bash
# The platform layers depend one way, bottom up, and no two files need each
# other. Reads only the #include lines of the source tree:
#   - a file in platform/LAYER/ includes nothing from a layer above LAYER;
#   - the graph of modules (a header and its source as one) has no cycle;
#   - Qt headers appear only in platform/, tools/, tests/ and bench/.
#
#   tests/platform/layers_test.sh [SOURCE_DIR]
set -uo pipefail
cd "${1:-$(dirname "$0")/../..}" || exit 2

readonly layers=(core draw window shell)  # bottom first
rank() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# module -> module edges, as "FROM TO" lines.
edges=$(grep -rHo --include='*.cpp' --include='*.h' -E '^#include "[a-z_]+/[a-z_/]+\.h"' \
          app saver render platform scene pipeline res tools bench |
        sed -E 's/^([^:]+)\.(cpp|h):#include "(.+)\.h"$/\1 \3/' | awk '$1 != $2')

for layer in "${layers[@]}"; do [ -d "platform/$layer" ] || fail "platform/$layer is missing"; done
stray=$(find platform -maxdepth 1 -name '*.cpp' -o -maxdepth 1 -name '*.h')
[ -z "$stray" ] || fail "files outside the layers: $stray"

while read -r from to; do
  [[ $from == platform/* && $to == platform/* ]] || continue
  fromLayer=${from#platform/}; fromLayer=${fromLayer%%/*}
  toLayer=${to#platform/}; toLayer=${toLayer%%/*}
  if [ "$(rank "$toLayer")" -gt "$(rank "$fromLayer")" ]; then
    fail "$from includes $to, a layer above its own"
  fi
done <<<"$edges"

# tsort names the modules of every cycle it meets.
loops=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null | grep -v 'input contains a loop' | sed 's/^tsort: //' | sort -u)
[ -z "$loops" ] || fail "include cycle among: $(echo $loops)"

qt=$(grep -rlE --include='*.cpp' --include='*.h' '^#include <Q[A-Za-z]+>' app saver render scene pipeline res)
[ -z "$qt" ] || fail "Qt headers outside platform/, tools/, tests/ and bench/: $qt"

if [ "$failures" -gt 0 ]; then
  echo "$failures layering rule(s) broken"
  exit 1
fi
echo "layers: core < draw < window < shell hold, no include cycles"
