#!/usr/bin/env bash
# readme_to_cp949.sh -- the launcher's read-me as it ships: code page 949, CR LF line ends.
# Usage: readme_to_cp949.sh SOURCE_UTF8 OUTPUT
set -euo pipefail
tmp="$2.tmp"
iconv -f UTF-8 -t CP949 "$1" | sed -e 's/\r$//' -e 's/$/\r/' >"$tmp"
mv "$tmp" "$2"
