#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (address and undefined-
# behaviour sanitizers) into build-fuzz/ and runs each for a bounded time,
# starting from the seed corpus in fuzz/corpus/. What a run learns and finds
# stays in build-fuzz/ (corpus/, findings/), never in the repository.
#   bash scripts/fuzz.sh [seconds per target] [target...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${EXAMSIM_FUZZ_BUILD_DIR:-$root/build-fuzz}"
jobs="${EXAMSIM_JOBS:-2}"
seconds="${1:-${EXAMSIM_FUZZ_SECONDS:-20}}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$root"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DEXAMSIM_FUZZ=ON -DEXAMSIM_DESKTOP=OFF -DEXAMSIM_TESTS=OFF -DEXAMSIM_BENCH=OFF > /dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

passed=0
failed=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  findings="$build/findings/$t/"
  mkdir -p "$corpus" "$findings"
  cp -n "$root/fuzz/corpus/${t%_fuzz}/"* "$corpus/" 2> /dev/null || true
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     "$build/fuzz/$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$findings" "$corpus" > "$build/$t.log" 2>&1; then
    passed=$((passed + 1))
    echo "fuzz: $t ran ${seconds}s: $(grep -ao 'stat::number_of_executed_units: *[0-9]*' "$build/$t.log" | grep -o '[0-9]*$') inputs, no finding"
  else
    failed=$((failed + 1))
    echo "fuzz: $t found a fault (input in $findings):"
    tail -n 60 "$build/$t.log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
