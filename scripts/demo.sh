#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it against the simulated mouse. With no display it runs under a
# virtual X server and saves a screenshot of every page of every display set into a folder that
# it prints.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh release
editor=build/src/app/orln7a-editor

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  # The simulated mouse keeps its memory in the build folder between runs.
  exec "$editor" --simulate build/simulated-mouse.bin
fi

shots=${ORLN7A_DEMO_DIR:-$PWD/build/demo-screenshots}
echo "No display: running the editor under Xvfb; screenshots go to $shots"
xvfb-run -a -s "-screen 0 1280x800x24" build/src/app/orln7a-demo-shots "$shots"
echo "Screenshots in $shots"
