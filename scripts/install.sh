#!/usr/bin/env bash
# Installs Skelder into a Tera Term folder (the one that holds ttermpro.exe): builds, then
# runs `cmake --install build --prefix FOLDER`. Skelderc, skeldertool and the data files
# go beside ttermpro.exe, the tool's manual page into FOLDER/share/man/man1; on Linux the
# icon and a desktop entry for the installed program go into $XDG_DATA_HOME (by default
# ~/.local/share). Tera Term's teraterm.ini is left as it is.
#
#   install.sh [--build-dir BUILD] FOLDER
#
# --build-dir installs what BUILD holds, as it stands, without building.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=""
if [ "${1:-}" = "--build-dir" ] && [ $# -ge 2 ]; then
  build="$2"
  shift 2
fi
if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 [--build-dir BUILD] TERA_TERM_FOLDER" >&2
  exit 2
fi
if [ ! -f "$1/ttermpro.exe" ]; then
  echo "$1 holds no ttermpro.exe: Skelder installs into Tera Term's folder. Nothing was installed." >&2
  exit 1
fi
folder="$(cd "$1" && pwd)"
if [ -z "$build" ]; then
  "$root/scripts/build.sh"
  build="$root/build"
fi
cmake --install "$build" --prefix "$folder"
