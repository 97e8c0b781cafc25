#!/usr/bin/env bash
# Renders what the customer and the auditor get for a simulated calibration whose audiometer is 4.5 dB loud at
# 4000 Hz on the left supra-aural earphone, and for the demo booth (too loud at 1000 Hz for ears not covered):
# the certificate, the full audiometer report and the booth report, each as PDF by orvik-cli and then as PNG
# pages in docs/images.
set -euo pipefail
source "$(dirname "$0")/image-bench.sh"
db="$work/lab.mdb"
"$cli" db create "$db" >/dev/null
"$cli" calibrate --db "$db" --fault level:supra:left:4000=4.5 >/dev/null
"$cli" booth measure --db "$db" --name "Demo booth" --booth "Room 2" --customer "Northfield Clinic" --simulate \
  --noise 1000=30 >/dev/null
"$cli" certificate --db "$db" --id 1 --pdf "$work/certificate.pdf"
"$cli" report --db "$db" --id 1 --pdf "$work/report.pdf"
"$cli" report --db "$db" --booth "Demo booth" --pdf "$work/booth-report.pdf"
mkdir -p docs/images
rm -f docs/images/certificate*.png docs/images/report-*.png docs/images/booth-report*.png
pdftoppm -r 80 -png -singlefile "$work/certificate.pdf" docs/images/certificate
pdftoppm -r 60 -png "$work/report.pdf" docs/images/report
pdftoppm -r 60 -png -singlefile "$work/booth-report.pdf" docs/images/booth-report
ls -l docs/images
