#!/usr/bin/env bash
# Builds everything and runs every test: the Linux suites on Qt's offscreen platform
# inside a private D-Bus session bus, with their own settings and runtime folders; then
# the Windows build's suites under Wine (skipped when SKELDER_WINE_TESTS=0).
# Arguments go to ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
wine_tests="${SKELDER_WINE_TESTS:-1}"
[ "$wine_tests" = 0 ] || "$root/scripts/build-win32.sh"
export QT_QPA_PLATFORM=offscreen
status=0
(cd "$root/build" && dbus-run-session -- ctest --output-on-failure -j2 "$@") || status=$?
if [ "$wine_tests" != 0 ]; then
  "$root/scripts/wine-tests.sh" "$@" || status=$?
fi
exit $status
