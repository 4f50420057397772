#!/bin/sh
# Checks that every link of the README and of docs/ resolves: each relative
# path names a file of the repository, and each #anchor a heading of the
# Markdown file it points into. Usage: check-links.sh SOURCE_DIR
set -eu
cd "$1"
exec awk -f tests/check-links.awk README.md docs/*.md
