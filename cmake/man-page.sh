#!/bin/sh
# Writes the manual page of a program from its --help and --version.
# Usage: man-page.sh HELP2MAN PROGRAM OUTPUT
set -eu
help2man=$1 program=$2 output=$3
# The page's one-line name is the second line of --help, without its period.
name=$("$program" --help | sed -n '2s/\.$//p')
exec "$help2man" --no-info --no-discard-stderr --name="$name" --output="$output" "$program"
