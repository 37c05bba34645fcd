#!/usr/bin/env bash
# Builds the program and opens it on the demo Tera Term folder (build/demo) with its
# sample table. The demo keeps its settings in build/demo-config, apart from yours.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
export XDG_CONFIG_HOME="$root/build/demo-config"
export XDG_DATA_HOME="$root/build/demo-data"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
demo="$root/build/demo"
if [ $# -eq 0 ] && [ ! -f "$XDG_CONFIG_HOME/Vantrell Solutions/Skelder.reg" ]; then
  # The first start opens the sample table; later starts reopen the last table.
  set -- "$demo/Demo.SKD"
fi
exec "$demo/Skelderc" "$@"
