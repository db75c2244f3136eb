#!/usr/bin/env bash
# Builds everything and runs the whole test suite, end-to-end tests included.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
ctest --preset default "$@"
