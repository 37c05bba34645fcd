#!/usr/bin/env bash
# Builds everything and runs every test. The tests run on Qt's offscreen platform
# inside a private D-Bus session bus, with their own settings and runtime folders.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
exec dbus-run-session -- ctest --output-on-failure -j2 "$@"
