#!/usr/bin/env bash
# Builds Orvik with its benchmarks (Release) and runs every benchmark executable.
set -euo pipefail
cd "$(dirname "$0")/.."
export ORVIK_BUILD_DIR=${ORVIK_BUILD_DIR:-build-bench} ORVIK_BUILD_TYPE=Release
./scripts/build.sh -DORVIK_BUILD_BENCHMARKS=ON -DORVIK_BUILD_TESTS=OFF
for b in "$ORVIK_BUILD_DIR"/bench/*/bench_*; do
  [ -x "$b" ] && "$b" "$@"
done
