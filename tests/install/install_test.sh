#!/usr/bin/env bash
# install_test.sh -- the game as a user gets it: installed under a staging prefix (`staged`) or
# unpacked from the Debian package (`deb`), started from an unrelated folder with no --data,
# where it must find its installed data and play; and the desktop files must validate.
# Usage: install_test.sh staged|deb BUILD_DIR
set -euo pipefail
mode=$1
build=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

if [[ $mode == staged ]]; then
  cmake --install "$build" --prefix "$work/stage" >"$work/install.log" ||
    fail "cmake --install: $(tail -5 "$work/install.log")"
  prefix=$work/stage
else
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -5 "$work/cpack.log")"
  deb=$(ls "$work"/package/*.deb) || fail "cpack made no .deb"
  depends=$(dpkg-deb -f "$deb" Depends)
  [[ $depends == *libsdl2-2.0-0* && $depends == *libfltk* && $depends == *fonts-nanum* ]] ||
    fail "the package depends on '$depends'"
  dpkg-deb -x "$deb" "$work/root"
  prefix=$work/root/usr
  echo "ok: $(basename "$deb"), depending on $depends"
fi

for file in bin/pelmo bin/quenmar share/pelmo/grim/pal.pal share/pelmo/readme.txt \
  share/icons/hicolor/32x32/apps/org.example.Pelmo.png; do
  [[ -s $prefix/$file ]] || fail "$file is not installed"
done
[[ ! -e $prefix/share/pelmo/game.ex ]] || fail "the build's game.ex was installed as data"

# From a folder without the game's data, with relative paths of the caller's own.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
"$prefix/bin/pelmo" --headless --frames 5 --dump state.json 2>stderr.txt ||
  fail "the installed game ended with status $?: $(cat stderr.txt)"
[[ ! -s stderr.txt ]] || fail "the installed game said: $(cat stderr.txt)"
grep -q '"mapName": "20",' state.json || fail "not on the first map: $(head -c 300 state.json)"
grep -q '"messages": \[\]' state.json || fail "a message box came up"
echo "ok: the installed game plays its installed data from another folder"

desktop-file-validate "$prefix/share/applications/org.example.Pelmo.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Pelmo.metainfo.xml" ||
  fail "appstreamcli validate"
echo "ok: the desktop entry and the metainfo validate"
