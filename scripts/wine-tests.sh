#!/usr/bin/env bash
# Runs the tests of the Windows build (build-win32/) under Wine. The Wine prefix is
# private to the build folder and made afresh once per run (making one is the slow
# part); one wine server and one virtual X display (the broadcast tests need windows)
# serve the whole run. Arguments go to ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-win32"
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
# No prompts to install Mono or Gecko into the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver --kill 2>/dev/null || true  # a server left over from an interrupted run
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver --wait
exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
  wineserver --persistent
  # Wine'"'"'s own background processes start now, so that they do not inherit (and keep
  # open) the output of a test.
  wineboot >/dev/null 2>&1
  status=0
  ctest --test-dir "$0" --output-on-failure -j2 "$@" || status=$?
  wineserver --kill || true
  exit $status' "$build" "$@"
