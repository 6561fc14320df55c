#!/bin/sh
# Runs a Windows program under Wine without touching the user's own Wine set-up:
#
#   wine-run.sh [--prefix DIR] PROGRAM.exe [ARGUMENTS...]
#
# With --prefix, the program runs in the Wine prefix DIR, which the first run makes
# and later runs reuse. The test runs of a build share one prefix in the build folder:
# a new prefix takes seconds, while a program started in a ready prefix, with Wine's
# server still up from the run before, takes a few milliseconds. Runs that start
# together wait for the one that makes the prefix or starts the server.
# Without --prefix, the program runs in a fresh prefix in a temporary folder, which is
# removed afterwards.
# Standard input and output pass through; the exit status is the program's.
set -eu

wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
  wine=$(command -v wine64 || command -v wine || true)
fi
if [ -z "$wine" ]; then
  echo "wine-run.sh: Wine is not installed (Debian package wine64)" >&2
  exit 127
fi
wineserver=$(dirname "$wine")/wineserver
if [ ! -x "$wineserver" ]; then
  wineserver=$(command -v wineserver || echo true)
fi

export WINEDEBUG=-all
# No prompts for the .NET and browser engines that a new prefix would offer.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Setting up a prefix takes a few seconds and reports on stderr: keep that out of the
# program's output. Wine's server, started here, must not inherit the lock (fd 9).
makePrefix() {
  "$wine" wineboot --init </dev/null >/dev/null 2>&1 9>&-
}

if [ "${1:-}" = "--prefix" ] && [ $# -ge 2 ]; then
  mkdir -p "$2"
  WINEPREFIX=$(cd "$2" && pwd)
  export WINEPREFIX
  shift 2
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.league-ready" ]; then
    # Whatever an interrupted set-up left is made anew.
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    makePrefix
    touch "$WINEPREFIX/.league-ready"
  fi
  # Wine's server and its system processes keep the output handles of the program
  # that started them until the server ends, and whoever reads that output (ctest)
  # waits for them. So they are started here, away from the program's output, when
  # the server is not running (status 0: this call started it; 2: it was running).
  # The server stays 10 s after its last program, so a test run keeps it up.
  if "$wineserver" -p10 </dev/null >/dev/null 2>&1 9>&-; then
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
  fi
  exec 9>&-
  exec "$wine" "$@"
fi

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/league-wine.XXXXXX")
export WINEPREFIX

cleanUp() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanUp EXIT
trap 'exit 130' INT TERM

makePrefix
status=0
"$wine" "$@" || status=$?
exit "$status"
