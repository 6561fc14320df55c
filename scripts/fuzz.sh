#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each one for a fixed number of
# inputs with a fixed seed, starting from its seed corpus in fuzz/corpus/<target>/.
# Fails on the first crash, leak, sanitizer report or input that takes longer than the
# per-input timeout. The committed corpus is only read; new inputs and any finding go
# to a temporary folder (kept and named when something is found).
#
#   scripts/fuzz.sh                      every target, FUZZ_RUNS inputs each
#   FUZZ_RUNS=1000000 scripts/fuzz.sh quorrin_run_fuzz
#
# FUZZ_RUNS (default 50000), FUZZ_SEED (default 1) and FUZZ_TIMEOUT (seconds per input,
# default 10) can be set in the environment.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${FUZZ_RUNS:-50000}"
seed="${FUZZ_SEED:-1}"
timeout="${FUZZ_TIMEOUT:-10}"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(export_recipes_fuzz quorrin_run_fuzz omblen_run_fuzz duvessa_run_fuzz season_file_fuzz)
fi

scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

# The runs write their pages below the temporary folder: memory when the system has it.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"

for target in "${targets[@]}"; do
  work="$(mktemp -d "${TMPDIR:-/tmp}/league-fuzz-${target}-XXXXXX")"
  mkdir -p "$work/corpus" "$work/findings"
  echo "== $target: $runs inputs, seed $seed, timeout ${timeout}s per input"
  if ! build/fuzz/fuzz/"$target" \
      -runs="$runs" -seed="$seed" -timeout="$timeout" -max_len=65536 \
      -dict=fuzz/export.dict -print_final_stats=1 \
      -artifact_prefix="$work/findings/" \
      "$work/corpus" "fuzz/corpus/$target" >"$work/log.txt" 2>&1; then
    tail -n 60 "$work/log.txt"
    echo "== $target: FINDING; input and log kept in $work" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^Done ' "$work/log.txt" || true
  rm -rf "$work"
done
echo "== fuzzing: no finding"
