#!/usr/bin/env bash
# Builds the three programs and runs them on the bundled sample league.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target Quorrin Omblen Duvessa
echo "Built: build/default/src/quorrin/Quorrin, build/default/src/omblen/Omblen, build/default/src/duvessa/Duvessa"
