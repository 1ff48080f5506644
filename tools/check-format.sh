#!/bin/sh
# Fails, naming the files, when a C++ source differs from the house style in
# .clang-format (`clang-format -i FILE` puts it right) or a header does not
# open with a comment.
set -eu
cd "$(dirname "$0")/.."

files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
# shellcheck disable=SC2086 # one word a file
clang-format --style=file --dry-run --Werror $files

# Every header opens with a comment saying what it holds.
status=0
for file in $files; do
  case "$file" in *.h) ;; *) continue ;; esac
  first=$(grep -v -e '^#pragma once' -e '^[[:space:]]*$' "$file" | head -n 1)
  case "$first" in
    //*) ;;
    *) echo "$file: a header opens with a comment saying what it holds" >&2; status=1 ;;
  esac
done
exit $status
