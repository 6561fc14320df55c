#!/bin/sh
# Runs a Windows program under Wine in a fresh Wine prefix of its own, so that tests
# never see (or change) a user's Wine set-up: wine-run.sh PROGRAM.exe [ARGUMENTS...]
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

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/league-wine.XXXXXX")
export WINEPREFIX
export WINEDEBUG=-all
# No prompts for the .NET and browser engines that a new prefix would offer.
export WINEDLLOVERRIDES="mscoree,mshtml="

cleanUp() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanUp EXIT
trap 'exit 130' INT TERM

# Setting up the prefix takes a few seconds and reports on stderr: keep that out of
# the program's output.
"$wine" wineboot --init </dev/null >/dev/null 2>&1

status=0
"$wine" "$@" || status=$?
exit "$status"
