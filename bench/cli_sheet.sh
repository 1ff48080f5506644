#!/bin/sh
# Times `halvex-cli sheet` writing an exercise sheet of 1000 blood gases as PDF.
# Usage: cli_sheet.sh path/to/halvex-cli
set -eu
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

best=""
for run in 1 2 3 4 5; do
  start=$(date +%s.%N)
  "$cli" sheet --count 1000 --out "$work/sheet.pdf" --seed "$run" 2>/dev/null
  end=$(date +%s.%N)
  best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; if (b == "" || t < b) print t; else print b }')
done
awk -v b="$best" -v size="$(wc -c <"$work/sheet.pdf")" \
  'BEGIN { printf "halvex-cli sheet: 1000 blood gases to PDF in %.2f s (best of 5), %d bytes\n", b, size }'
