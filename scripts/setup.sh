#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the benchmarks
# need; `--fuzz` adds Clang and its libFuzzer runtime for scripts/fuzz.sh
# (the replay tests of the fuzz corpora need neither). Idempotent: when
# everything is present it changes nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libedit-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  xvfb xauth
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
