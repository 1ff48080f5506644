#!/bin/sh
# Fails, naming the files, when any C++ source differs from the house style
# in .clang-format. `clang-format -i FILE` puts a file right.
set -eu
cd "$(dirname "$0")/.."

files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
# shellcheck disable=SC2086 # one word a file
clang-format --style=file --dry-run --Werror $files
