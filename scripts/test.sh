#!/usr/bin/env bash
# Builds Orvik and runs the whole test suite under CTest. ORVIK_SANITIZE=1 builds with ASan/UBSan in
# build-asan/. --full does that, then runs every fuzz harness for a few seconds (ORVIK_FUZZ_SECONDS, default 5)
# as a smoke test. Extra arguments go to ctest, e.g. -L acceptance.
set -euo pipefail
cd "$(dirname "$0")/.."
full=0
if [ "${1:-}" = --full ]; then
  full=1
  export ORVIK_SANITIZE=1
  shift
fi
if [ "${ORVIK_SANITIZE:-0}" = 1 ]; then
  export ORVIK_BUILD_DIR=${ORVIK_BUILD_DIR:-build-asan}
  ./scripts/build.sh -DORVIK_SANITIZE=ON
else
  ./scripts/build.sh
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${ORVIK_BUILD_DIR:-build}" --output-on-failure --timeout 300 -j "$(nproc)" "$@"
if [ $full = 1 ]; then
  ./scripts/fuzz.sh "${ORVIK_FUZZ_SECONDS:-5}"
fi
