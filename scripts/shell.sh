#!/usr/bin/env bash
# Builds only the rule-language console and starts it (arguments are passed
# on, e.g. `scripts/shell.sh examples/family.clp`).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target vettora-shell
exec build/src/shell/vettora-shell "$@"
