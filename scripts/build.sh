#!/usr/bin/env bash
# Installs what is missing, then configures and builds Orvik into build/ (or $ORVIK_BUILD_DIR).
# Extra arguments go to CMake's configure step, e.g. -DORVIK_SANITIZE=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build_dir=${ORVIK_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${ORVIK_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
