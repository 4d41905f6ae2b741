#!/usr/bin/env bash
# Installs what is missing, builds the project twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer), runs every test of both builds, then runs each fuzzer briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Qt and the X libraries keep a few allocations for the life of the process.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}

status=0
for flavour in release sanitize; do
  echo "== $flavour build"
  ./scripts/build.sh "$flavour"
  dir=build; [ "$flavour" = sanitize ] && dir=build-sanitize
  echo "== $flavour tests"
  ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" || status=1
done
echo "== fuzzers"
./scripts/fuzz.sh "${ORLN7A_FUZZ_SECONDS:-10}" || status=1
exit $status
