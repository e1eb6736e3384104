#!/usr/bin/env bash
# Configures and builds one build tree: build/ for the release build,
# build-sanitize/ for the address and undefined-behaviour sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-release}"
if [ "$mode" = "sanitize" ]; then
  dir=build-sanitize
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVETTORA_SANITIZE=ON -DVETTORA_BUILD_BENCH=OFF >/dev/null
else
  dir=build
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
