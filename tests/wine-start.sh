#!/bin/sh
# Before the tests under wine: wine makes its prefix on the first run, saying
# so on standard error, and starts a server for every program unless one
# stays up. Both are done here, once: a server kept up first (in an empty
# prefix folder, which wineboot then fills), then the prefix. A server
# already up is kept.
#
# wine now and then fails to start a program, silently, with status 1 (the
# test runner starts such a program again); wineboot starts several
# programs, so it is tried three times, and what it said the last time is
# shown if all fail. (What it says goes to a file: the server and the
# processes it leaves running hold its output open, and a pipe would never
# end.)
said=$(mktemp) || exit 1
trap 'rm -f "$said"' EXIT
trap 'exit 1' HUP INT TERM

# A server started by a program (wineboot's) ends with its last program:
# only one started with -p stays up, and only in a folder that exists.
mkdir -p "${WINEPREFIX:-$HOME/.wine}" || exit 1
wineserver -p 2>/dev/null
for attempt in 1 2 3; do
  if wineboot -i >"$said" 2>&1; then
    exit 0
  else
    status=$?
    echo "wine-start.sh: wineboot -i failed (attempt $attempt, status $status)" >&2
  fi
done
tail -n 20 "$said" >&2
echo "wine-start.sh: wineboot -i failed three times" >&2
exit 1
