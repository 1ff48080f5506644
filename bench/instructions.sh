#!/bin/sh
# Instruction counts, stable on a shared machine where wall clocks are not:
# halvex-cli assess a row (English, French, with --explain), the 1000-gas
# sheet, and the window's start-up against a bare Qt window. Each figure under
# valgrind's callgrind; without valgrind it says so and stops.
# Usage: instructions.sh path/to/build (a release build)
set -eu
build=$1
cli=$build/cli/halvex-cli
rows=100000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! command -v valgrind >/dev/null 2>&1; then
  echo "instructions: valgrind is not installed; install it for these figures"
  exit 0
fi

# Instructions of a command, as callgrind counts them.
count() {
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$@" 2>&1 >/dev/null |
    awk '/Collected :/ { print $NF }'
}

"$cli" generate --count "$rows" --seed 1 |
  awk -F, 'NR > 1 { printf "%s,%s,%s,%s,%s,%s\n", $4, $5, $6, $7, $8, $9 }' >"$work/input.csv"
head -n 1 "$work/input.csv" >"$work/one.csv"

per_row() { # label, then the options of assess
  label=$1
  shift
  fixed=$(count "$cli" assess "$@" "$work/one.csv")
  all=$(count "$cli" assess "$@" "$work/input.csv")
  awk -v l="$label" -v f="$fixed" -v a="$all" -v n="$rows" \
    'BEGIN { printf "halvex-cli assess %s: %d instructions a row\n", l, (a - f) / (n - 1) }'
}
per_row "English" --language English
per_row "French" --language French
per_row "English --explain" --language English --explain

sheet=$(count "$cli" sheet --count 1000 --seed 1 --out "$work/sheet.pdf")
awk -v s="$sheet" 'BEGIN { printf "halvex-cli sheet of 1000 gases: %.0f M instructions\n", s / 1e6 }'

mkdir -p "$work/settings"
halvex=$(QT_QPA_PLATFORM=offscreen HALVEX_PROBE_START_NS=0 XDG_CONFIG_HOME="$work/settings" \
  count "$build/bench/probe_halvex")
bare=$(QT_QPA_PLATFORM=offscreen HALVEX_PROBE_START_NS=0 count "$build/bench/probe_bare")
awk -v h="$halvex" -v b="$bare" \
  'BEGIN { printf "start-up: %.1f M instructions against %.1f M for a bare window, %.2fx\n", h / 1e6, b / 1e6, h / b }'
