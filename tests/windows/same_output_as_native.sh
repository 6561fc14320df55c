#!/usr/bin/env bash
# Runs a program of the native build and the same program of the Windows build (under
# Wine) in copies of the same folders with the same typed answers, and fails unless
# both end with the same exit status, show the same console text and leave the same
# files, byte for byte. Line ends of the console and the wording of the system's pause
# prompt are the system's own and are not compared; the files written are.
#
#   same_output_as_native.sh NATIVE_PROGRAM WINDOWS_PROGRAM CASE_MAKER EMULATOR [ARGUMENTS...]
#
# CASE_MAKER (a native program) is called with a folder to fill: one folder per case,
# each with work/ (the folder the program starts in) and answers.txt (its standard
# input). EMULATOR, with its ARGUMENTS, starts the Windows program.
set -euo pipefail

if [ $# -lt 4 ]; then
  echo "usage: $0 NATIVE_PROGRAM WINDOWS_PROGRAM CASE_MAKER EMULATOR [ARGUMENTS...]" >&2
  exit 2
fi
# The programs run inside the case folders: take their paths from here.
native=$(realpath "$1")
windows=$(realpath "$2")
caseMaker=$(realpath "$3")
shift 3
emulator=("$(realpath "$1")" "${@:2}")

for program in "$native" "$caseMaker"; do
  if [ ! -x "$program" ]; then
    echo "No native program at $program: build the native programs first (cmake --workflow --preset default)." >&2
    exit 1
  fi
done
if [ ! -f "$windows" ]; then
  echo "No Windows program at $windows." >&2
  exit 1
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/league-same-output.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cases="$scratch/cases"
"$caseMaker" "$cases"

# The console as compared: LF line ends, and the pause prompt of either system (this
# build's own on Linux, the command interpreter's under Wine) as one marker.
comparableConsole() {
  sed -e 's/\r$//' \
      -e 's/Press any key to continue \. \. \. /[pause]/g' \
      -e 's/Press any key to continue\.\.\. /[pause]/g' "$1"
}

# The files of a folder below it, one a line, sorted.
filesBelow() {
  (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
}

passed=0
failed=0
for caseFolder in "$cases"/*/; do
  name=$(basename "$caseFolder")
  answers="$caseFolder/answers.txt"
  nativeRun="$scratch/runs/$name/native"
  windowsRun="$scratch/runs/$name/windows"
  mkdir -p "$scratch/runs/$name"
  cp -R "$caseFolder/work" "$nativeRun"
  cp -R "$caseFolder/work" "$windowsRun"

  nativeStatus=0
  (cd "$nativeRun" && "$native" <"$answers" >"$scratch/runs/$name/native.console") || nativeStatus=$?
  windowsStatus=0
  (cd "$windowsRun" && "${emulator[@]}" "$windows" <"$answers" >"$scratch/runs/$name/windows.console") || windowsStatus=$?

  problems=()
  if [ "$nativeStatus" -ne "$windowsStatus" ]; then
    problems+=("exit status $nativeStatus native, $windowsStatus on Windows")
  fi
  if ! diff -u --label native --label windows <(comparableConsole "$scratch/runs/$name/native.console") \
      <(comparableConsole "$scratch/runs/$name/windows.console") >"$scratch/runs/$name/console.diff"; then
    problems+=("console text differs:"$'\n'"$(cat "$scratch/runs/$name/console.diff")")
  fi
  if ! diff <(filesBelow "$nativeRun") <(filesBelow "$windowsRun") >/dev/null; then
    problems+=("different files: native has $(filesBelow "$nativeRun" | tr '\n' ' '); Windows has $(filesBelow "$windowsRun" | tr '\n' ' ')")
  fi
  written=()
  while IFS= read -r file; do
    if [ -f "$windowsRun/$file" ] && ! cmp -s "$nativeRun/$file" "$windowsRun/$file"; then
      problems+=("$file differs: $(cd "$scratch/runs/$name" && cmp "native/$file" "windows/$file" 2>&1 || true)")
    fi
    if ! cmp -s "$nativeRun/$file" "$caseFolder/work/$file" 2>/dev/null; then
      written+=("$file")
    fi
  done < <(filesBelow "$nativeRun")

  if [ ${#problems[@]} -eq 0 ]; then
    passed=$((passed + 1))
    echo "same: $name (exit status $nativeStatus; files written: ${written[*]:-none})"
  else
    failed=$((failed + 1))
    echo "DIFFERENT: $name"
    printf '  %s\n' "${problems[@]}"
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
