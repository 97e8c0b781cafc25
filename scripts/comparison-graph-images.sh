#!/usr/bin/env bash
# Renders the comparison of two simulated calibrations (this year's audiometer 4.5 dB loud at 4000 Hz on the left
# supra-aural earphone, last year's without fault, from a database of its own) and the graph window's drawing of
# a synthetic broad-band spectrum (white noise with a slight tilt, 0 to 10000 Hz in 401 points) to docs/images.
set -euo pipefail
source "$(dirname "$0")/image-bench.sh"
for db in now last; do "$cli" db create "$work/$db.mdb" >/dev/null; done
"$cli" calibrate --db "$work/now.mdb" --tests hl,freq --transducers supra --fault level:supra:left:4000=4.5 >/dev/null
"$cli" calibrate --db "$work/last.mdb" --tests hl,freq --transducers supra --seed 2 >/dev/null
"$cli" compare --db "$work/now.mdb" --id 1 --with 1 --with-db "$work/last.mdb" --pdf "$work/comparison.pdf"
awk 'BEGIN { srand(7); for (i = 0; i <= 400; i++) { hz = i * 25; printf "%g,%.2f\n", hz, 62 - hz / 4000 + (rand() - 0.5) * 3 } }' \
  >"$work/spectrum.csv"
mkdir -p docs/images
rm -f docs/images/comparison-*.png docs/images/broadband-graph.png
pdftoppm -r 60 -png "$work/comparison.pdf" docs/images/comparison
"$cli" graph --points "$work/spectrum.csv" --png docs/images/broadband-graph.png
ls -l docs/images/comparison-*.png docs/images/broadband-graph.png
