#!/usr/bin/env bash
# Fuzzes one harness for a while: `scripts/fuzz.sh HARNESS [SECONDS]`
# (HARNESS is load_text, console_text, evaluation_file or stored_form;
# 60 seconds by default). Builds the libFuzzer programs with Clang in
# build-fuzz/ and runs the harness on its regression corpus and keyword
# dictionary. New inputs and crash reports go to build-fuzz/scratch/HARNESS/,
# never into the repository: a crashing input joins fuzz/corpus/HARNESS/
# once its fault is fixed, so that the replay test fuzz.HARNESS keeps it.
# Further libFuzzer options may follow the seconds (e.g. -jobs=2).
set -euo pipefail
cd "$(dirname "$0")/.."

harnesses=(load_text console_text evaluation_file stored_form)
harness="${1:-}"
if [[ ! " ${harnesses[*]} " =~ " ${harness} " ]] || [ -z "$harness" ]; then
  echo "usage: scripts/fuzz.sh HARNESS [SECONDS] [libFuzzer options...]" >&2
  echo "harnesses: ${harnesses[*]}" >&2
  exit 2
fi
seconds="${2:-60}"
shift $(( $# >= 2 ? 2 : 1 ))

bash scripts/setup.sh --fuzz
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVETTORA_FUZZ=ON -DVETTORA_BUILD_TESTS=OFF -DVETTORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "fuzz_$harness"

scratch="build-fuzz/scratch/$harness"
mkdir -p "$scratch/corpus"
# libFuzzer takes one dictionary: the stored form's texts are rule language.
dict="$scratch/keywords.dict"
case "$harness" in
  load_text|console_text) cat fuzz/vorlan.dict >"$dict" ;;
  stored_form) cat fuzz/stored_form.dict fuzz/vorlan.dict >"$dict" ;;
  evaluation_file) cat fuzz/evaluation_file.dict >"$dict" ;;
esac

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# The first corpus folder receives the new inputs; the repository's is only
# read. An input taking over 10 seconds is reported as a hang.
exec "build-fuzz/fuzz/fuzz_$harness" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -dict="$dict" \
  -artifact_prefix="$scratch/" "$@" "$scratch/corpus" "fuzz/corpus/$harness"
