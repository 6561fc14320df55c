#!/usr/bin/env bash
# Runs scripts\demo.bat of the release tree that `cmake --install BUILD` makes, under
# Wine, started in each way that an admin or a machine starts it, and checks that it
# waits for a key at its end only when it was double-clicked, and that it says that
# status 1 is the normal end of Omblen and Duvessa.
#
#   demo_bat.sh BUILD WINE_RUN [WINE_RUN_OPTION...]
#
# Wine's command interpreter leaves %cmdcmdline% empty, so each start gives the
# command line that it has on Windows in the environment variable CMDCMDLINE, which
# takes the place of the interpreter's own on Windows too.
set -euo pipefail

[ $# -ge 2 ] || { echo "usage: $0 BUILD WINE_RUN [WINE_RUN_OPTION...]" >&2; exit 2; }
build=$1
shift
tree=$(mktemp -d "${TMPDIR:-/tmp}/demo-bat.XXXXXX")
trap 'rm -rf "$tree"' EXIT
cmake --install "$build" --prefix "$tree" > /dev/null
demo="Z:$(printf '%s' "$tree" | tr / '\\')\\scripts\\demo.bat"

fail=0
# How it was started | what %cmdcmdline% is then | CI | whether it waits for a key
while IFS='|' read -r start commandLine ci waits; do
  output=$(cd "$tree" && env -u CI ${ci:+CI=$ci} CMDCMDLINE="$commandLine" "$@" cmd /c "$demo" <<< "x" 2>&1 | tr -d '\r') \
    || { echo "$start: demo.bat failed:"; echo "$output"; fail=1; continue; }
  prompts=$(grep -c "Press any key" <<< "$output" || true)
  if [ "$prompts" -ne "$waits" ]; then
    echo "$start: demo.bat waited for a key $prompts times, not $waits"
    fail=1
  fi
  normal=$(grep -cE '^== (Omblen|Duvessa) ended with exit status 1 \(normal' <<< "$output" || true)
  if [ "$normal" -ne 2 ]; then
    echo "$start: demo.bat does not say that status 1 is normal for Omblen and Duvessa:"
    echo "$output"
    fail=1
  fi
done << CASES
double-clicked in Explorer|C:\\windows\\system32\\cmd.exe /c ""$demo" "||1
typed in a console|"C:\\windows\\system32\\cmd.exe"||0
started by a script|cmd /c scripts\\demo.bat||0
started by a script by its full path|cmd /c "$demo"||0
started by CI|C:\\windows\\system32\\cmd.exe /c ""$demo" "|true|0
CASES
exit "$fail"
