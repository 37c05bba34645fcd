#!/usr/bin/env bash
# Builds the program and opens it on the demo Tera Term folder (build/demo).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
exec "$root/build/demo/Skelderc" "$@"
