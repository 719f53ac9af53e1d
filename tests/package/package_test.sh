#!/usr/bin/env bash
# The Debian package as a user gets it: built by CPack from the build folder, unpacked anywhere with
# dpkg-deb -x, its programs run from an unrelated working folder find their dictionary beside them.
# package_test.sh BUILD_FOLDER VERSION
set -euo pipefail
build="$1"
version="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

(cd "$build" && cpack --config CPackConfig.cmake -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log" >&2; fail "cpack"; }
debs=("$scratch"/out/quillmere_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one quillmere_${version}_<arch>.deb, found: $(ls "$scratch/out")"
deb="${debs[0]}"
arch="$(dpkg --print-architecture)"
[ "$(basename "$deb")" = "quillmere_${version}_${arch}.deb" ] || fail "package named $(basename "$deb")"

# Dependencies come from the programs' libraries.
depends="$(dpkg-deb -f "$deb" Depends)"
names=" $(sed -E 's/ *\([^)]*\)//g; s/,/ /g' <<<"$depends") "
for lib in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  [[ "$names" == *" $lib "* ]] || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"

# Unpacked in a folder whose path has a space, used from another folder.
root="$scratch/un packed"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/quillmere usr/bin/quillmere-cli usr/share/quillmere/WORD.LST \
         usr/share/applications/org.quillmere.Quillmere.desktop \
         usr/share/metainfo/org.quillmere.Quillmere.metainfo.xml \
         usr/share/mime/packages/org.quillmere.Quillmere.xml \
         usr/share/icons/hicolor/scalable/apps/org.quillmere.Quillmere.svg \
         usr/share/icons/hicolor/48x48/apps/org.quillmere.Quillmere.png \
         usr/share/icons/hicolor/256x256/apps/org.quillmere.Quillmere.png \
         usr/share/man/man1/quillmere.1.gz usr/share/man/man1/quillmere-cli.1.gz; do
  [ -f "$root/$f" ] || fail "the package lacks /$f"
done
elsewhere="$scratch/elsewhere"
mkdir -p "$elsewhere"
cd "$elsewhere"

[ "$("$root/usr/bin/quillmere-cli" --version)" = "quillmere-cli $version" ] || fail "quillmere-cli --version"
[ "$("$root/usr/bin/quillmere" --version)" = "quillmere $version" ] || fail "quillmere --version"
"$root/usr/bin/quillmere-cli" dictionary >"$scratch/dictionary.txt" || fail "quillmere-cli dictionary"
grep -q "^total [0-9]* words" "$scratch/dictionary.txt" || fail "no word count: $(tail -3 "$scratch/dictionary.txt")"
"$root/usr/bin/quillmere-cli" fill 15 1 --fills 1 >"$scratch/fill.txt" || fail "quillmere-cli fill 15 1 --fills 1"
grep -qE "^1:  .+ \([0-9,-]+\)\r?$" "$scratch/fill.txt" || fail "the fill shows no clue 1: $(tail -20 "$scratch/fill.txt")"

# The window starts and is still running two seconds later.
code=0
QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/quillmere" >"$scratch/window.log" 2>&1 || code=$?
[ "$code" -eq 124 ] || { cat "$scratch/window.log" >&2; fail "the window ended with $code within two seconds"; }

# The crossword file type builds into a MIME database.
mkdir -p "$scratch/mime/packages"
cp "$root/usr/share/mime/packages/org.quillmere.Quillmere.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" >"$scratch/mime.log" 2>&1 || { cat "$scratch/mime.log" >&2; fail "update-mime-database"; }
grep -q "application/x-quillmere-crossword:\*\.xwd" "$scratch/mime/globs2" || fail "no *.xwd glob in the MIME database"
grep -q "application/x-ipuz:\*\.ipuz" "$scratch/mime/globs2" || fail "no *.ipuz glob in the MIME database"
grep -q "application/x-crossword:\*\.puz" "$scratch/mime/globs2" || fail "no *.puz glob in the MIME database"
echo "package test passed: $(basename "$deb")"
