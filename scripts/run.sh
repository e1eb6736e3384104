#!/usr/bin/env bash
# Builds only the assessment window and starts it (arguments are passed on,
# e.g. `scripts/run.sh --assess FILE.evl`).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target vettora
exec build/src/app/vettora "$@"
