#!/usr/bin/env bash
# Measures `orvik --simulate`: time from launch until the main window is shown (the 2.0 s settling wait of
# start-up included) and resident memory once it is up. Runs offscreen with its own settings and demo
# database in a temporary folder; prints one line per run and the figures of the slowest run.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
build=${ORVIK_BUILD_DIR:-build}
[ -x "$build/src/shell/widgets/orvik" ] || ./scripts/build.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"
export QT_LOGGING_RULES="orvik.startup.info=true"
worst_ms=0
worst_kb=0
for i in $(seq "$runs"); do
  log="$work/run$i.log"
  "$build/src/shell/widgets/orvik" --simulate --settings "$work/orvik.ini" --quit-after 1500 2>"$log" &
  pid=$!
  kb=0
  # Resident memory once the window is up (the program reports it), before it closes itself.
  until grep -q "window shown" "$log" 2>/dev/null || ! kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
  sleep 0.5
  kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  wait "$pid"
  ms=$(sed -n 's/.*window shown after \([0-9]*\) ms.*/\1/p' "$log")
  echo "run $i: window shown after ${ms} ms, resident ${kb} kB"
  [ "${ms:-0}" -gt "$worst_ms" ] && worst_ms=$ms
  [ "${kb:-0}" -gt "$worst_kb" ] && worst_kb=$kb
done
echo "slowest start-up: ${worst_ms} ms (aim < 3000); largest resident memory: $((worst_kb / 1024)) MB (aim < 150)"
