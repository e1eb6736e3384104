#!/usr/bin/env bash
# Builds the engine alone as a shared library (no app, no shell: no Qt, no
# libedit), installs it into a scratch prefix, builds examples/embed
# against the installed package with find_package(Vettora), runs each
# example and compares its output with the expected text beside this
# script. The in-tree tests link the static library; this one the shared.
#   check_embedding.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
source_dir=$1
scratch=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"

# The engine must configure without Qt and without pkg-config's libedit.
cmake -S "$source_dir" -B "$scratch/engine" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DVETTORA_BUILD_APP=OFF -DVETTORA_BUILD_SHELL=OFF \
  -DVETTORA_BUILD_TESTS=OFF -DVETTORA_BUILD_BENCH=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DCMAKE_DISABLE_FIND_PACKAGE_PkgConfig=ON \
  --no-warn-unused-cli >/dev/null
if grep -qiE 'qt6|editline|libedit' "$scratch/engine/build.ninja"; then
  echo "the engine-only build refers to Qt or libedit" >&2
  exit 1
fi
cmake --build "$scratch/engine" -j"${VETTORA_JOBS:-2}" >/dev/null
cmake --install "$scratch/engine" --prefix "$scratch/prefix" >/dev/null

cmake -S "$source_dir/examples/embed" -B "$scratch/examples" -G Ninja \
  -DCMAKE_PREFIX_PATH="$scratch/prefix" >/dev/null
cmake --build "$scratch/examples" >/dev/null

# Only the public API is exported from the shared library.
if nm -DC --defined-only "$scratch/prefix/lib/libvettora.so" | grep -q "TInferenceEngine"; then
  echo "libvettora.so exports the engine's own classes" >&2
  exit 1
fi

status=0
for example in hello host_function output_capture; do
  actual=$("$scratch/examples/$example/$example")
  if [ "$actual" != "$(cat "$here/$example.expected")" ]; then
    echo "$example printed:" >&2
    echo "$actual" >&2
    status=1
  fi
done

# The pkg-config file names the installed library and headers.
if command -v pkg-config >/dev/null; then
  PKG_CONFIG_PATH="$scratch/prefix/lib/pkgconfig:$scratch/prefix/lib64/pkgconfig" \
    pkg-config --libs --cflags vettora | grep -q -- "-lvettora" || { echo "pkg-config: no -lvettora" >&2; status=1; }
fi
exit $status
