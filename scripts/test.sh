#!/usr/bin/env bash
# Builds Orvik and runs the whole test suite under CTest. ORVIK_SANITIZE=1 builds with ASan/UBSan in
# build-asan/. Extra arguments go to ctest, e.g. -L acceptance.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${ORVIK_SANITIZE:-0}" = 1 ]; then
  export ORVIK_BUILD_DIR=${ORVIK_BUILD_DIR:-build-asan}
  ./scripts/build.sh -DORVIK_SANITIZE=ON
else
  ./scripts/build.sh
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${ORVIK_BUILD_DIR:-build}" --output-on-failure --timeout 300 -j "$(nproc)" "$@"
