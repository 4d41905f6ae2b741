#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh [release|sanitize]   (build folder: build/ or build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-release}
case "$flavour" in
  release)  dir=build;          opts=() ;;
  sanitize) dir=build-sanitize; opts=(-DORLN7A_SANITIZE=ON) ;;
  *) echo "usage: $0 [release|sanitize]" >&2; exit 2 ;;
esac
cmake -S . -B "$dir" "${opts[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
