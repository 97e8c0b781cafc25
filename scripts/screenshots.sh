#!/usr/bin/env bash
# Takes the documentation's screenshots from the real program under Xvfb, in a simulated session whose
# audiometer is 4.5 dB loud at 1000 Hz on the left earphone: the summary and set-up views, the meter
# calibration check, and the test sheet after the left ear's hearing-level run (one failing point).
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
  --fault level:supra:left:1000=4.5 --screenshots "$PWD/docs/images"
ls -l docs/images
