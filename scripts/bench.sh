#!/usr/bin/env bash
# Builds the benchmarks (preset "bench") and runs them: the in-process benchmarks
# (Google Benchmark; arguments go to it, for example --benchmark_filter=Replay or
# --benchmark_repetitions=5), then the whole runs as processes
# (scripts/bench-processes.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build --preset bench -j2
build/bench/bench/league_bench "$@"
scripts/bench-processes.sh
