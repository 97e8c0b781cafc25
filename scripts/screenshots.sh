#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb: the measurement summary view and the
# audiometer set-up view of a simulated session, into docs/images/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ORVIK_BUILD_DIR:-build}
[ -x "$build/src/shell/widgets/orvik" ] || ./scripts/build.sh
mkdir -p docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"
xvfb-run -a -s "-screen 0 1366x768x24" \
  "$build/src/shell/widgets/orvik" --simulate --settings "$work/orvik.ini" \
  --screenshots "$PWD/docs/images"
ls -l docs/images
