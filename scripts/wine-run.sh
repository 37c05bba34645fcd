#!/usr/bin/env bash
# Runs a Windows test program under Wine; the test runner's emulator for build-win32/.
# Now and then Wine's own loader dies of a signal while the program ends, after the
# program has printed its results. A Windows program that crashes ends with its
# exception code, never with a signal, so only a signal death is tried once more; any
# other failure stands as it is.
wine "$@"
status=$?
if [ "$status" -gt 128 ] && [ "$status" -lt 160 ]; then
  echo "wine-run.sh: Wine ended by signal $((status - 128)); running once more" >&2
  exec wine "$@"
fi
exit "$status"
