#!/usr/bin/env bash
# Runs every test from scratch: installs what is missing, configures, builds
# and runs the test suite. `scripts/test.sh --sanitize` runs it under the
# address and undefined-behaviour sanitizers; `scripts/test.sh --thread`
# builds only the thread-contract tests and runs them under the thread
# sanitizer (build-tsan/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ "${1:-}" = "--sanitize" ]; then
  bash scripts/configure.sh sanitize
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
elif [ "${1:-}" = "--thread" ]; then
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVETTORA_TSAN=ON -DVETTORA_BUILD_BENCH=OFF >/dev/null
  cmake --build build-tsan -j"$(nproc)" --target engine_thread_tests public_api_tests
  export TSAN_OPTIONS=halt_on_error=1
  build-tsan/tests/engine/engine_thread_tests
  build-tsan/tests/api/public_api_tests
else
  bash scripts/configure.sh release
  ctest --test-dir build --output-on-failure -j"$(nproc)"
fi
