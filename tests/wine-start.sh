#!/bin/sh
# Before the tests under wine: wine makes its prefix on the first run, saying
# so on standard error, and starts a server for every program unless one
# stays up. Both are done here, once. A server already up is kept.
#
# wine now and then fails to start a program, silently, with status 1 (the
# test runner starts such a program again); wineboot starts several, so it
# is tried three times, and what it said the last time is shown if all fail.
# (What it says goes to a file: the server and the processes it leaves
# running hold its output open, and a pipe would never end.)
said=$(mktemp) || exit 1
trap 'rm -f "$said"' EXIT

# Keeps the server up between programs; in a prefix not made yet this fails,
# and is done again once wineboot has made it (then status 2: a server is up
# already, and is kept).
wineserver -p 2>/dev/null
status=0
for attempt in 1 2 3; do
  if wineboot -i >"$said" 2>&1; then
    wineserver -p 2>/dev/null
    exit 0
  else
    status=$?
  fi
done
tail -n 20 "$said" >&2
echo "wine-start.sh: wineboot -i failed three times (status $status)" >&2
exit 1
