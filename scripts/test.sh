#!/usr/bin/env bash
# Runs every test from scratch: installs what is missing, configures, builds
# and runs the test suite. `scripts/test.sh --sanitize` runs it under the
# address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ "${1:-}" = "--sanitize" ]; then
  bash scripts/configure.sh sanitize
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
else
  bash scripts/configure.sh release
  ctest --test-dir build --output-on-failure -j"$(nproc)"
fi
