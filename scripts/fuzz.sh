#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (address and undefined
# behaviour sanitizers, coverage over the platform layer too) and runs each
# for a while, printing how many inputs it tried.
#
#   scripts/fuzz.sh [seconds per target, default 60] [target ...]
#
# A target's dictionary, if any, is fuzz/<target>.dict. New inputs found are
# kept in $BUILD_DIR/corpus/<target>/, crashing ones in $BUILD_DIR/artifacts/.
# Exits non-zero when any target crashed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
BUILD_DIR=${BUILD_DIR:-build-fuzz}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZAFIREL_LIBFUZZER=ON -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
fi
cmake --build "$BUILD_DIR" --target "${targets[@]}"

mkdir -p "$BUILD_DIR/artifacts"
failed=0
for t in "${targets[@]}"; do
  corpus="$BUILD_DIR/corpus/$t"
  log="$BUILD_DIR/$t.log"
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$t" ] && seeds=("fuzz/seeds/$t")
  dict=()
  [ -f "fuzz/$t.dict" ] && dict=("-dict=fuzz/$t.dict")
  if QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     "$BUILD_DIR/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=512 \
       "${dict[@]}" -artifact_prefix="$BUILD_DIR/artifacts/$t-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    echo "$t: $runs executions in ${seconds} s, no crash (corpus $(ls "$corpus" | wc -l) inputs)"
  else
    echo "$t: CRASHED, see $log"
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20
    failed=1
  fi
done
exit $failed
