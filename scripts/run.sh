#!/usr/bin/env bash
# Builds Orvik and starts it against the built-in K37 simulator with a demo database, so the whole
# program can be tried without a meter. Extra arguments go to orvik (e.g. --database other.mdb).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec "${ORVIK_BUILD_DIR:-build}/src/shell/widgets/orvik" --simulate "$@"
