#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one briefly.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DORLN7A_FUZZ=ON -DORLN7A_GUI=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzzers
status=0
for f in build-fuzz/fuzz/fuzz-*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  echo "== $name (${seconds}s)"
  if ! "$f" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 "$corpus" \
      >"build-fuzz/$name.log" 2>&1; then
    echo "FINDING in $name:"; tail -n 40 "build-fuzz/$name.log"; status=1
  fi
done
[ $status -eq 0 ] && echo "fuzzers: no finding"
exit $status
