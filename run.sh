#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts VelkEval with the
# arguments given (for example: ./run.sh -open my~spcboard.xml Scaler).
# Without a parallel port the port library's auto choice runs the simulated
# board.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are empty)." >&2
  echo "Run it under a virtual display instead:  xvfb-run -a ./run.sh $*" >&2
  exit 1
fi

bash scripts/ensure-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target VelkEval syncdelay
exec build/bin/VelkEval "$@"
