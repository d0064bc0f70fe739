#!/bin/sh
# Builds the fuzz targets with Debian's clang: libFuzzer plus AddressSanitizer
# and UndefinedBehaviorSanitizer over the whole tree they link.
#   tests/fuzz/build.sh [build-folder]      (default: build-fuzz beside tests/)
# Then, for example:
#   build-fuzz/fuzz/kt_fuzz_export_args -max_total_time=300 tests/fuzz/corpus/export_args
#   build-fuzz/fuzz/kt_fuzz_document_open -max_total_time=300 tests/fuzz/corpus/document_open
# (copy a corpus folder first if new inputs should not be added to the tree).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build-fuzz}

cmake -S "$root" -B "$build" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKT_SANITIZE=ON -DKT_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  -DKT_LIBFUZZER=ON
cmake --build "$build" -j"${JOBS:-2}" --target kt_fuzz_export_args kt_fuzz_document_open
echo "fuzz targets in $build/fuzz"
