#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the Linux suites there as scripts/test.sh does (Qt's offscreen
# platform, a private D-Bus session bus). The first finding aborts the test process, so
# its test fails with the report in its output. Leak checking is off: Qt and the system
# libraries keep memory until exit that LeakSanitizer would report. The test that prints
# through a private CUPS queue is skipped. Arguments go to ctest.
#
#   scripts/sanitize.sh [CTEST ARGUMENTS]     JOBS=N sets the parallel jobs (default 2)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
build="$root/build-asan"
sanitizers="address,undefined"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=$sanitizers -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers" -DSKELDER_BENCH=OFF >/dev/null
cmake --build "$build" -j"${JOBS:-2}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=0:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export SKELDER_CUPS_UNAVAILABLE="not started by scripts/sanitize.sh"
cd "$build"
dbus-run-session -- ctest --output-on-failure -j"${JOBS:-2}" "$@"
