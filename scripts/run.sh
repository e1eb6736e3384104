#!/usr/bin/env bash
# Builds what is needed and starts the main program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/configure.sh release >/dev/null
exec build/src/shell/vettora-shell "$@"
