#!/usr/bin/env bash
# Builds the benchmarks (preset "bench") and runs them; arguments go to Google
# Benchmark, for example --benchmark_filter=Replay or --benchmark_repetitions=5.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build --preset bench -j2
build/bench/bench/league_bench "$@"
