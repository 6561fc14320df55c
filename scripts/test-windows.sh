#!/usr/bin/env bash
# Builds the programs and the tests for 64-bit Windows with MinGW-w64 and runs the
# tests under Wine (among them the comparison with the native build's pages, so the
# native build must exist: scripts/test.sh makes it), then makes the release zip from
# a build of the programs alone.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh g++-mingw-w64-x86-64 wine64
cmake --preset windows
cmake --build --preset windows
ctest --preset windows
cmake --workflow --preset windows-zip
