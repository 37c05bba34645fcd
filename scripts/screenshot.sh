#!/usr/bin/env bash
# Remakes docs/main-window.png, the README's picture of the main window: the program on
# the demo folder under Xvfb, with the demo table open and "Office gateway" selected
# (the settings of a fresh user who left it so: the last table and the selected node's
# index), saved by the program itself through SKELDER_SCREENSHOT. An argument names
# another PNG file.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
picture="$(realpath -m "${1:-$root/docs/main-window.png}")"
"$root/scripts/build.sh"
demo="$root/build/demo"
home="$(mktemp -d /tmp/skelder-screenshot.XXXXXX)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/cfg/Vantrell Solutions" "$home/data" "$home/rt" "$home/standin"
chmod 700 "$home/rt"
# The node index counts the tree in display order from "This computer" (0); the window
# size is in pixels.
printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Vantrell Solutions\Skelder]' \
  "\"LastSKDFile\"=\"$demo/Demo.SKD\"" '"SelectedNodeIndex"=dword:00000001' \
  '"WinLeft"=dword:00000000' '"WinTop"=dword:00000000' \
  '"WinWidth"=dword:000003a0' '"WinHeight"=dword:00000230' \
  >"$home/cfg/Vantrell Solutions/Skelder.reg"
rm -f "$picture"
(cd "$demo" && env XDG_CONFIG_HOME="$home/cfg" XDG_DATA_HOME="$home/data" \
  XDG_RUNTIME_DIR="$home/rt" SKELDER_STANDIN_LOG="$home/standin" \
  SKELDER_DIALOG_LOG="$home/dialogs.log" SKELDER_SCREENSHOT="$picture" QT_QPA_PLATFORM=xcb \
  timeout 60 xvfb-run -a -s '-screen 0 1280x1024x24' ./Skelderc)
if [ -s "$home/dialogs.log" ]; then
  echo "the program showed boxes:" >&2
  cat "$home/dialogs.log" >&2
  exit 1
fi
[ -s "$picture" ] || { echo "no picture was made" >&2; exit 1; }
echo "$picture"
