#!/usr/bin/env bash
# Builds everything and runs all tests (unit and end-to-end) with ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --workflow --preset default
