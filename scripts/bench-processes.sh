#!/usr/bin/env bash
# Times each program's whole run on its largest input as a process, against a
# statically linked empty C++ program started the same way, and prints the ratios:
#
#   scripts/bench-processes.sh          BENCH_PAIRS (default 51) pairs of runs each
#
# Each run is `sh -c 'cd FOLDER && PROGRAM < ANSWERS > /dev/null'`; the timing program
# (bench/process_ratio.cpp) alternates the two commands in pairs and prints the median
# times and the median of the pair ratios. The inputs (bench/process_inputs.cpp) go to a
# temporary folder that is removed afterwards: Quorrin on the largest race (33 riders,
# 39 laps, 3000 lap records), Omblen and Duvessa on four exports of 33 rows (132 rows;
# the table takes 99), and Quorrin on one race in a sparse replay of 512 MB against the
# same race in one of 100 KB; League on a season of 30 held rounds (four race and four
# qualifying exports of 33 riders each, and one race of 33 riders over 39 laps analysed
# from its replay) and on the same season of 60 rounds, which
# must cost at most 2.2 times the 30 rounds.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
pairs="${BENCH_PAIRS:-51}"
if [ "$pairs" -lt 20 ]; then
  echo "BENCH_PAIRS must be at least 20" >&2
  exit 2
fi

scripts/install-deps.sh libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build --preset bench -j2 --target Quorrin Omblen Duvessa League empty_program process_ratio write_process_inputs

build="$root/build/bench"
inputs="$(mktemp -d "${TMPDIR:-/tmp}/league-bench-processes.XXXXXX")"
trap 'rm -rf "$inputs"' EXIT
"$build/bench/write_process_inputs" "$inputs"

quorrin="$build/src/quorrin/Quorrin"
omblen="$build/src/omblen/Omblen"
duvessa="$build/src/duvessa/Duvessa"
league="$build/src/league/League"
empty="$build/bench/empty_program"

# The command of one run: PROGRAM in FOLDER with the answers of CASE.
runIn() {
  local folder="$1" program="$2" answers="$3"
  printf "cd '%s' && '%s' < '%s' > /dev/null" "$inputs/$folder" "$program" "$inputs/$answers.answers"
}

# A timed run must be a whole run: once before the timing, every page is written.
checkPages() {
  local folder="$1" program="$2" answers="$3"
  shift 3
  sh -c "$(runIn "$folder" "$program" "$answers")" || true
  for page in "$@"; do
    if [ ! -s "$inputs/$folder/$page" ]; then
      echo "$(basename "$program") wrote no $page in $folder: not a whole run" >&2
      exit 1
    fi
  done
}
checkPages quorrin "$quorrin" quorrin race.html race_G.html
checkPages omblen "$omblen" omblen a.html grids.html grids_forum.txt
checkPages duvessa "$duvessa" duvessa Xa.html
checkPages replay_small "$quorrin" replay_small race.html race_G.html
checkPages replay_large "$quorrin" replay_large race.html race_G.html
checkPages league30 "$league" league30 season/index.html season/round-30.html season/season.json \
  season/round-30/qualifying.html season/round-30/r30_night_analysis.html
checkPages league60 "$league" league60 season/index.html season/round-60.html season/season.json \
  season/round-60/qualifying.html season/round-60/r60_night_analysis.html

ratio="$build/bench/process_ratio"
echo
echo "Whole runs as processes, median of $pairs alternating pairs:"
printf '%-44s %11s %11s %9s\n' "run" "time" "baseline" "ratio"
"$ratio" "$pairs" "Quorrin, largest race / empty program" \
  "$(runIn quorrin "$quorrin" quorrin)" "$(runIn quorrin "$empty" quorrin)"
"$ratio" "$pairs" "Omblen, 4 x 33 rows / empty program" \
  "$(runIn omblen "$omblen" omblen)" "$(runIn omblen "$empty" omblen)"
"$ratio" "$pairs" "Duvessa, 4 x 33 rows / empty program" \
  "$(runIn duvessa "$duvessa" duvessa)" "$(runIn duvessa "$empty" duvessa)"
"$ratio" "$pairs" "Quorrin, replay of 512 MB / of 100 KB" \
  "$(runIn replay_large "$quorrin" replay_large)" "$(runIn replay_small "$quorrin" replay_small)"
"$ratio" "$pairs" "League, 30 rounds / empty program" \
  "$(runIn league30 "$league" league30)" "$(runIn league30 "$empty" league30)"
"$ratio" "$pairs" "League, 60 rounds / 30 rounds (at most 2.2)" \
  "$(runIn league60 "$league" league60)" "$(runIn league30 "$league" league30)"
