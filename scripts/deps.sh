#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# Non-interactive; does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libqscintilla2-qt6-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  nlohmann-json3-dev
  libdbus-1-dev dbus dbus-bin libx11-dev
  # HTTP downloads of the update check; its tests serve files with Python's http.server.
  libcurl4-openssl-dev python3
  xvfb xauth
  # The install: the icon's PNG sizes, the check of its desktop entry, the manual page.
  librsvg2-bin desktop-file-utils groff-base man-db
  # Printing tests: poppler reads the printouts back; a private cupsd with a cups-pdf queue.
  poppler-utils cups printer-driver-cups-pdf
  # Fuzzing and the sanitizer builds (scripts/fuzz.sh, scripts/sanitize.sh): clang with
  # libFuzzer and the sanitizer runtimes.
  clang-14 libclang-rt-14-dev
  # The Windows build: MinGW-w64 for 32-bit Windows, its tests run under Wine.
  g++-mingw-w64-i686-posix wine wine32:i386
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  # wine32 is an i386 package.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
