#!/usr/bin/env bash
# first_map_test.sh -- the "Your first map" walk-through of docs/authoring.md, run as printed:
# every block fenced as ```sh first-map, in order, in a new folder where build/ is the build
# under test. The commands must all succeed, maplint must find nothing, the game must show no
# message, and the pictures the text shows must be written.
# Usage: first_map_test.sh DOC BUILD_DIR
set -euo pipefail
doc=$(realpath "$1")
build=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

awk '/^```sh first-map$/ { on = 1; next } on && /^```$/ { on = 0; next } on { print }' \
  "$doc" >"$work/walkthrough.sh"
blocks=$(grep -c '^```sh first-map$' "$doc" || true)
[[ $blocks -gt 0 ]] || fail "no first-map blocks in $doc"
ln -s "$build" "$work/build"
cd "$work"
bash -euo pipefail walkthrough.sh >out.txt 2>err.txt ||
  fail "the walk-through stopped: $(tail -5 err.txt)"

# maplint's findings go to stdout as FILE:LINE: lines.
if grep -E ':[0-9]+: (error|warning)' out.txt; then fail "maplint found the above"; fi
# Our tools name themselves on stderr; anything else there is a message of the game's.
if grep -v -E '^(res2png|png2res|txt2cp949|maplint|mapview): ' err.txt; then
  fail "unexpected messages (above)"
fi
for picture in 51.png 51-shot.png; do
  [[ $(head -c 4 "$picture" | od -An -c | tr -d ' ') == '211PNG' ]] ||
    fail "$picture was not written"
done
echo "ok: $blocks blocks ran"
