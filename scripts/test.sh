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
# The printing system test's own print spooler; where cupsd cannot run here, the test
# says why and is skipped.
cups_folder="$(mktemp -d /tmp/skelder-cups.XXXXXX)"
trap '"$root/scripts/cups-queue.sh" stop "$cups_folder"; rm -rf "$cups_folder"' EXIT
if reason="$("$root/scripts/cups-queue.sh" start "$cups_folder" 2>&1)"; then
  export SKELDER_CUPS_FOLDER="$cups_folder"
else
  echo "$reason: the test that prints through CUPS is skipped" >&2
  export SKELDER_CUPS_UNAVAILABLE="$reason"
fi
status=0
(cd "$root/build" && dbus-run-session -- ctest --output-on-failure -j2 "$@") || status=$?
if [ "$wine_tests" != 0 ]; then
  "$root/scripts/wine-tests.sh" "$@" || status=$?
fi
exit $status
