#!/usr/bin/env bash
# Regenerates the system spelling dictionary program/vuze.字典 from Debian's wamerican word
# list (apt-get install wamerican). The lexer lower-cases words and splits them at
# apostrophes, so only plain ASCII words are kept, lower-cased, once each, one a line.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source=${1:-/usr/share/dict/american-english}
[ -r "$source" ] || { echo "missing $source: apt-get install wamerican" >&2; exit 1; }
LC_ALL=C grep -E '^[A-Za-z]+$' "$source" | LC_ALL=C tr 'A-Z' 'a-z' | LC_ALL=C sort -u \
  | sed 's/$/\r/' >"$here/program/vuze.字典"
echo "wrote $(wc -l <"$here/program/vuze.字典") words"
