#!/bin/sh
# Writes minitools(7), the overview page that lists every program with the
# one-line summary of its --help, so that "man minitools" and apropos find
# the suite.
# Usage: overview-page.sh VERSION OUTPUT BIN_DIR PROGRAM... [-- EMULATOR...]
set -eu
version=$1 output=$2 bin=$3
shift 3
programs=
while [ $# -gt 0 ] && [ "$1" != -- ]; do programs="$programs $1"; shift; done
[ $# -gt 0 ] && shift
date=$(LC_ALL=C date -u -d "@${SOURCE_DATE_EPOCH:-$(date +%s)}" "+%B %Y")
{
  printf '.TH MINITOOLS 7 "%s" "minitools %s" "Miscellaneous Information Manual"\n' "$date" "$version"
  printf '.SH NAME\nminitools \\- eighteen small exact console programs over numbers, letters and words\n'
  printf '.SH DESCRIPTION\n'
  printf 'Each program reads its input from a FILE operand or from standard input with the\n'
  printf 'conversions of scanf, computes one thing, and prints an exact answer, byte for byte.\n'
  printf 'Bad input is reported on standard error with the line it is on, and exit status 1;\n'
  printf 'a wrong command line gives exit status 2.\n'
  printf 'Every program answers \\fB\\-\\-help\\fR and \\fB\\-\\-version\\fR.\n'
  printf '.SH PROGRAMS\n'
  for program in $programs; do
    summary=$("$@" "$bin/$program" --help | sed -n '/^[A-Z]/{/^Usage:/d;p;q}')
    printf '.TP\n.BR %s (1)\n%s\n' "$program" "$summary"
  done
  printf '.SH SEE ALSO\n'
  sep=
  for program in $programs; do printf '%s.BR %s (1)' "$sep" "$program"; sep=',
'; done
  printf '\n'
} > "$output"
