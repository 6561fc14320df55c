#!/usr/bin/env bash
# Builds everything and runs all tests (unit and end-to-end) with ctest. The test of
# the charts page renders it in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh chromium
cmake --workflow --preset default
