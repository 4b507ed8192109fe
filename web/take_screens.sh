#!/usr/bin/env bash
# take_screens.sh -- pictures of the web edition as a reader of the repository would see it in
# a browser: the launcher's page, a balloon and the opening cut-scene, each the whole page,
# into content/screens/web/. Run after scripts/build-web.
# Usage: web/take_screens.sh [BUILD_WEB_DIR]   (default: build-web/)
# The game's moments come from the page's test mode on the virtual clock, so each is the same
# frame at every run: the demo walkthrough to its first spoken line, and the opening's text.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
site=${1:-$top/build-web}
out=$top/content/screens/web
browser=$(command -v chromium || command -v chromium-browser || true)
[[ -n $browser ]] || { echo "take_screens.sh: chromium is missing (Debian: chromium)" >&2; exit 1; }
[[ -f $site/index.html && -f $site/game.js ]] || {
  echo "take_screens.sh: $site has no page and game; run scripts/build-web first" >&2
  exit 1
}

work=$(mktemp -d)
server=
cleanup() {
  if [[ -n $server ]]; then kill "$server" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A copy, so the key script can lie beside the page without touching the build.
cp -r "$site" "$work/site"
cp "$top/content/walkthrough.keys" "$work/site/"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$work/site" "$port" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do
  python3 -c 'import socket, sys; socket.create_connection(("127.0.0.1", int(sys.argv[1])))' \
    "$port" 2>/dev/null && break
  sleep 0.1
done

browse() {  # size action url
  "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" --hide-scrollbars --virtual-time-budget=60000 \
    --window-size="$1" "$2" "$3" 2>/dev/null
}

shoot() {  # name size query
  local url="http://127.0.0.1:$port/index.html$3"
  # The test mode names its end in the title: a game that did not reach its frame is no shot.
  if [[ -n $3 ]] && ! browse "$2" --dump-dom "$url" | grep -q '<title>done</title>'; then
    echo "take_screens.sh: the game did not get to its frame for $1 ($url)" >&2
    exit 1
  fi
  browse "$2" --screenshot="$out/$1.png" "$url" >/dev/null
  echo "screens: web/$1.png"
}

mkdir -p "$out"
shoot launcher 1000,700 ""
# The page's bar is 36 pixels high: these windows show the game at its own 640 x 480.
shoot balloon 800,516 "?play&frames=930&input=walkthrough.keys"
shoot opening 800,516 "?play&frames=100"
