#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for SECONDS seconds on a
# copy of its seed corpus, with leak checking on. Fails when a target finds a crash or a leak
# (the input is kept in build-fuzz/artifacts/).
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET=${1:-60}
BUILD=build-fuzz
TARGETS=(tga bmp rla pic emf grid gpu icon)
bash scripts/setup.sh  # clang-14 and its sanitizer runtimes

export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
CC=clang-14 CXX=clang++-14 cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache \
  -DTESSELLA_BUILD_FUZZ=ON -DTESSELLA_BUILD_TESTS=OFF -DTESSELLA_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target "${TARGETS[@]/#/fuzz_}"

# Leaks are errors too; fontconfig's caches behind Qt's font fallback are not ours.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
mkdir -p "$BUILD/artifacts"
failed=()
for t in "${TARGETS[@]}"; do
  work="$BUILD/corpus/$t"
  rm -rf "$work"
  mkdir -p "$work"
  if [ "$t" = grid ]; then  # the direct path reads 24 and 32-bit TGA, 24-bit BMP, RGB and RGBA PNG files
    cp fuzz/corpus/tga/* fuzz/corpus/bmp/* fuzz/corpus/png/* "$work"/
  else
    cp fuzz/corpus/"$t"/* "$work"/
  fi
  cp tests/imagefile/regressions/"$t"-* "$work"/ 2>/dev/null || true  # inputs that once crashed
  echo "== fuzz_$t for ${SECONDS_PER_TARGET}s"
  if ! "$BUILD/fuzz/fuzz_$t" -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 \
      -timeout=10 -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$t-" \
      "$work" 2>"$BUILD/fuzz_$t.log"; then
    tail -n 60 "$BUILD/fuzz_$t.log"
    failed+=("$t")
  else
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|^stat::peak_rss_mb' \
      "$BUILD/fuzz_$t.log" || true
  fi
done

passed=$((${#TARGETS[@]} - ${#failed[@]}))
if [ ${#failed[@]} -ne 0 ]; then
  echo "Plantages trouvés par : ${failed[*]} (entrées dans $BUILD/artifacts/)"
  echo "Fuzzing: $passed passed, ${#failed[@]} failed"
  exit 1
fi
echo "Fuzzing: $passed passed, 0 failed"
