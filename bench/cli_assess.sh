#!/bin/sh
# Times `halvex-cli assess` on a file of one million generated blood gases.
# Usage: cli_assess.sh path/to/halvex-cli
set -eu
cli=$1
rows=1000000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" generate --count "$rows" --seed 1 |
  awk -F, 'NR > 1 { printf "%s,%s,%s,%s,%s,%s\n", $4, $5, $6, $7, $8, $9 }' >"$work/input.csv"

start=$(date +%s.%N)
"$cli" assess "$work/input.csv" >"$work/output.csv"
end=$(date +%s.%N)

lines=$(wc -l <"$work/output.csv")
awk -v s="$start" -v e="$end" -v n="$rows" -v w="$((lines - 1))" \
  'BEGIN { printf "halvex-cli assess: %d rows in %.2f s (%d rows written)\n", n, e - s, w }'
