#!/usr/bin/env bash
# Renders what the customer and the auditor get for a simulated calibration whose audiometer is 4.5 dB loud at
# 4000 Hz on the left supra-aural earphone, and for the demo booth (too loud at 1000 Hz for ears not covered):
# the certificate, the full audiometer report and the booth report, each as PDF by orvik-cli and then as PNG
# pages in docs/images.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ORVIK_BUILD_DIR:-build}
[ -x "$build/src/cli/orvik-cli" ] || ./scripts/build.sh
command -v pdftoppm >/dev/null || { echo "pdftoppm missing: apt-get install poppler-utils" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The lab's letterhead comes from the preferences; a private settings folder keeps the user's own out of it.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
mkdir -p "$XDG_CONFIG_HOME/Veltan-Quirn"
cat >"$XDG_CONFIG_HOME/Veltan-Quirn/Orvik.conf" <<'INI'
[Preferences]
CompanyName=Northfield Hearing Instruments
Header1="12 Mill Lane, Northfield"
Header2=Tel. 555 0199
INI
cli="$build/src/cli/orvik-cli"
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
