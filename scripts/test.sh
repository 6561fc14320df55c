#!/usr/bin/env bash
# Builds everything and runs all tests (unit and end-to-end) with ctest. The tests of
# the charts page and of League's standings page render them in headless Chromium;
# the test of League's season.json validates it with python3-jsonschema.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh chromium python3-jsonschema
cmake --workflow --preset default
