#!/bin/sh
# Shows that man renders the manual page of every program from the build
# tree, with its name line and its example.
# Usage: check-man-pages.sh MAN_DIR PROGRAM...
set -eu
dir=$1
shift
command -v man >/dev/null || { echo "man is not installed"; exit 77; }
for program in "$@"; do
  page=$(MANWIDTH=200 man -l "$dir/$program.1" 2>/dev/null)
  echo "$page" | grep -Eq "^ +$program +- " || { echo "$program: no name line"; exit 1; }
  echo "$page" | grep -q "Example" || { echo "$program: no example"; exit 1; }
done
echo "$# manual pages render"
