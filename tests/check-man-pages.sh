#!/bin/sh
# Shows that man renders the manual page of every program from the build
# tree as the program's --help reads: its name line, no subsection headings
# but the two the help text has, and its example run for real, each line
# the example prints standing as a line of its own in the page.
# Usage: check-man-pages.sh MAN_DIR BIN_DIR PROGRAM...
set -eu
dir=$1 bin=$2
shift 2
command -v man >/dev/null || { echo "man is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$program: $*"; failed=1; }
for program in "$@"; do
  page=$(MANWIDTH=200 man -l "$dir/$program.1" 2>/dev/null | sed 's/^ *//; s/ *$//')
  printf "%s\n" "$page" | grep -Eq "^$program +- " || fail "no name line"
  headings=$(grep '^\.SS' "$dir/$program.1" | grep -vx -e '.SS "Example:"' -e '.SS "Exit status:"' || true)
  [ -z "$headings" ] || fail "stray subsection heading: $headings"
  # The example: "  $ COMMAND", then the lines it prints, up to a blank line.
  "$bin/$program" --help | sed -n '/^Example:$/,/^$/p' | sed -n '2,$p' | sed '/^$/d; s/^  //' > "$work/example"
  command=$(sed -n '1s/^\$ //p' "$work/example")
  [ -n "$command" ] || { fail "no example command"; continue; }
  sed '1d' "$work/example" > "$work/expected"
  PATH="$bin:$PATH" sh -c "$command" > "$work/actual" || fail "example exits with $?"
  # The output may end without the newline the help text shows.
  { cmp -s "$work/actual" "$work/expected" ||
    { printf '\n' >> "$work/actual" && cmp -s "$work/actual" "$work/expected"; }; } ||
    fail "the example prints other lines than its help shows"
  sed 's/ *$//' "$work/expected" | while IFS= read -r line; do
    printf "%s\n" "$page" | grep -Fxq -- "$line" || { echo "$program: the page shows no line '$line'"; exit 1; }
  done || failed=1
  printf "%s\n" "$page" | grep -Fxq -- "\$ $command" || fail "the page shows no line '\$ $command'"
done
[ "$failed" = 0 ] || exit 1
echo "$# manual pages render"
