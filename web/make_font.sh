#!/usr/bin/env bash
# make_font.sh -- the page's Korean web font: Debian's NanumGothic cut down to the characters
# the page shows (its own strings, the read-me, ASCII), with its licence, into OUT_DIR/fonts/.
# Usage: make_font.sh OUT_DIR README_TXT   (the read-me in code page 949, as it ships)
# Without fontTools or the font the page keeps to the system's Korean fonts: this says so and
# leaves an empty fonts/font.css, so the build goes on.
set -euo pipefail
if (($# != 2)); then
  echo "usage: $0 OUT_DIR README_TXT" >&2
  exit 2
fi
out=$1/fonts
readme=$2
here=$(cd "$(dirname "$0")" && pwd)
source_font=/usr/share/fonts/truetype/nanum/NanumGothic.ttf
licence_source=/usr/share/doc/fonts-nanum/copyright

mkdir -p "$out"
rm -f "$out"/page-gothic.woff "$out"/page-gothic.woff2 "$out"/OFL.txt

fallback() {
  echo "make_font.sh: $1; the page uses the system's Korean fonts" >&2
  printf '/* font.css -- no web font was made (%s); page.css falls back to system fonts */\n' \
    "$1" >"$out/font.css"
  exit 0
}

# pyenv and the like put a python3 without Debian's modules first on PATH.
python=
for candidate in python3 /usr/bin/python3; do
  if command -v "$candidate" >/dev/null && "$candidate" -c 'import fontTools.subset' 2>/dev/null; then
    python=$candidate
    break
  fi
done
[[ -n $python ]] || fallback "fontTools is missing (Debian: python3-fonttools)"
[[ -r $source_font ]] || fallback "$source_font is missing (Debian: fonts-nanum)"
[[ -r $readme ]] || fallback "$readme cannot be read"
[[ -r $licence_source ]] || fallback "$licence_source (the font's licence) is missing"

"$python" - "$source_font" "$out" "$readme" "$here/index.html" "$here/page.js" <<'PY' ||
import sys
from fontTools import subset
from fontTools.ttLib import TTFont

source, out, readme, *page_files = sys.argv[1:]
text = open(readme, 'rb').read().decode('cp949')
for name in page_files:
    text += open(name, encoding='utf-8').read()
text += ''.join(chr(c) for c in range(0x20, 0x7F))
chars = sorted({ord(c) for c in text if c.isprintable() or c == ' '})

font = TTFont(source)
options = subset.Options()
options.name_IDs = ['*']
options.layout_features = ['*']
# The hinting tool's sources are of no use in a browser (and fontTools cannot cut them).
options.drop_tables += ['TSI0', 'TSI1', 'TSI2', 'TSI3', 'TSI5']
subsetter = subset.Subsetter(options)
subsetter.populate(unicodes=chars)
subsetter.subset(font)

# The licence reserves the font's names for the original: a cut-down copy takes its own.
family = 'Pelmo Page Gothic'
names = {1: family, 3: family + ' Regular', 4: family, 6: 'PelmoPageGothic-Regular',
         16: family, 17: 'Regular'}
table = font['name']
for record in list(table.names):
    if record.nameID in (1, 3, 4, 6, 16, 17, 18, 21, 22):
        table.removeNames(nameID=record.nameID)
for name_id, value in names.items():
    table.setName(value, name_id, 3, 1, 0x409)
    table.setName(value, name_id, 1, 0, 0)

try:
    import brotli  # noqa: F401  woff2 needs it
    flavor, extension, fmt = 'woff2', 'woff2', 'woff2'
except ImportError:
    flavor, extension, fmt = 'woff', 'woff', 'woff'
font.flavor = flavor
font.save(f'{out}/page-gothic.{extension}')

with open(f'{out}/font.css', 'w', encoding='utf-8') as css:
    css.write('/* font.css -- the page\'s Korean font, made by make_font.sh (SIL OFL 1.1, '
              'see OFL.txt) */\n')
    css.write('@font-face {\n'
              f'  font-family: "{family}";\n'
              f'  src: url("page-gothic.{extension}") format("{fmt}");\n'
              '  font-display: swap;\n'
              '}\n')
print(f'make_font.sh: fonts/page-gothic.{extension}, {len(chars)} characters')
PY
  fallback "the font could not be cut down"

# The licence: the OFL text from the package's copyright file, as the font's licence wants
# it beside every copy.
{
  echo "page-gothic.woff2 / page-gothic.woff: a subset of NanumGothic (Debian package"
  echo "fonts-nanum), renamed \"Pelmo Page Gothic\" as the licence asks of a modified copy."
  echo
  sed -n '/^License: OFL-1.1/,/^Files:/p' "$licence_source" | sed -e '1d' -e '$d' \
    -e 's/^ //' -e 's/^\.$//'
} >"$out/OFL.txt"
