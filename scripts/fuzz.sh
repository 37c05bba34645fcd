#!/usr/bin/env bash
# Fuzzes every reader of outside data: builds the libFuzzer targets of fuzz/ with clang
# (AddressSanitizer and UndefinedBehaviorSanitizer, any finding fatal) into build-fuzz/
# and runs each for SECONDS seconds (default 60), one after the other, starting from its
# seed corpus in fuzz/corpus/<target>/. The inputs the fuzzing adds are kept in
# build-fuzz/corpus/<target>/ for the next run; findings go to build-fuzz/findings/.
# Exits non-zero when any target found a crash, a leak, a time-out or a broken property.
#
#   scripts/fuzz.sh [SECONDS]     JOBS=N sets the build's parallel jobs (default 2)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
"$root/scripts/deps.sh"
build="$root/build-fuzz"
sanitizers="address,undefined"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="-fsanitize=$sanitizers,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers" \
  -DSKELDER_GUI=OFF -DSKELDER_BENCH=OFF -DSKELDER_FUZZ=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target fuzzers

# The targets that read files write each input to a scratch file: in memory where the
# system offers a folder there.
scratch="$(mktemp -d /dev/shm/skelder-fuzz.XXXXXX 2>/dev/null || mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p "$build/findings"
failed=()
for source in "$root"/fuzz/*Fuzzer.cpp; do
  target="$(basename "$source" .cpp)"
  corpus="$build/corpus/$target"
  seeds="$root/fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target: $seconds s"
  if ! "$build/$target" "$corpus" "$seeds" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$build/findings/$target-" -print_final_stats=1 \
    >"$build/$target.log" 2>&1; then
    failed+=("$target")
    tail -n 40 "$build/$target.log"
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$build/$target.log" | tail -n 2 || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in $build/findings/)" >&2
  exit 1
fi
echo "No findings."
