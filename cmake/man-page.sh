#!/bin/sh
# Writes the manual page of a program from its --help and --version.
# Usage: man-page.sh HELP2MAN PROGRAM OUTPUT [EMULATOR...]
#
# help2man fills paragraphs, which would run the lines of the example
# together; the example (a shell session under "Example:") is set as it
# stands instead, one line of the help a line of the page.
set -eu
help2man=$1 program=$2 output=$3
shift 3
# A program built for another machine runs through the emulator given.
wrapper=
if [ $# -gt 0 ]; then
  wrapper=$(mktemp)
  trap 'rm -f "$wrapper"' EXIT
  printf '#!/bin/sh\nexec %s "%s" "$@"\n' "$*" "$program" > "$wrapper"
  chmod +x "$wrapper"
fi
run=${wrapper:-$program}
# The page's one-line name is the summary under the usage lines, without its period.
name=$("$run" --help | sed -n '/^[A-Z]/{/^Usage:/d;s/\.$//p;q}')
"$help2man" --no-info --no-discard-stderr --name="$name" --output="$output.tmp" "$run"
awk '
  /^\.S[SH] / {
    if (example) print ".fi\n.RE"
    example = ($0 == ".SS \"Example:\"")
    print
    if (example) print ".RS\n.nf"
    next
  }
  example && /^\.(IP|PP|TP|HP|br)$/ { next }
  { print }
' "$output.tmp" > "$output"
rm -f "$output.tmp"
