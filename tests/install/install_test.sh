#!/usr/bin/env bash
# Installs the build into a fresh folder, as a learner's system would have it, and checks
# what the desktop needs of it: the program finds its shipped files there, the desktop entry
# and the learning-set file type are valid, and the Debian package holds it all.
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
    echo "FEHLER: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$source/resources" && find . -type f) | while read -r file; do
    [ -f "$prefix/share/memvalo/$file" ] || fail "$file fehlt in share/memvalo"
done
for size in 16 24 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/memvalo.png" ] || fail "Symbol $size fehlt"
done

# An older set is converted with its old files kept in a backup folder beside it, never in the
# installed program folder, which a learner cannot write to.
old=$work/alt
printf 'kursdatenbank\r\n250\r\n500\r\n850\r\n1200\r\n2000\r\n1\r\nHaus\r\nhouse\r\n\r\n\r\n01.01.2001\r\n0\r\n' \
    >"$old.ldt"
for box in k02 k03 k04; do printf '0\r\n' >"$old.$box"; done
printf '0\r\n0\r\n' >"$old.k05"
"$prefix/bin/memvalo-cli" convert "$old.ldt" >/dev/null 2>"$work/convert.err" ||
    fail "convert: $(cat "$work/convert.err")"
[ -f "$work/backup/alt.ldt" ] || fail "keine Sicherung neben dem alten Satz"
[ ! -e "$prefix/share/memvalo/backup" ] || fail "Sicherung im Programmordner"
"$prefix/bin/memvalo-cli" check "$prefix/share/memvalo/beispiel/Englisch-Beispiel.ldt" >/dev/null ||
    fail "das Beispiel lässt sich nicht lesen"

desktop-file-validate "$prefix/share/applications/memvalo.desktop" || fail "Desktop-Eintrag ungültig"
update-mime-database "$prefix/share/mime" 2>"$work/mime.err"
! grep -Ei 'error|failed' "$work/mime.err" || fail "Dateityp ungültig: $(cat "$work/mime.err")"
grep -qx '[0-9]*:application/x-memvalo-lerndatei:\*\.ldt' "$prefix/share/mime/globs2" ||
    fail "*.ldt gehört nicht zum Dateityp der Lerndateien"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
package=$(echo "$work"/package/memvalo_*.deb)
contents=$(dpkg-deb -c "$package")
for file in usr/bin/memvalo usr/bin/memvalo-cli usr/lib/memvalo/libmemvalo-sound.so \
    usr/share/applications/memvalo.desktop \
    usr/share/mime/packages/memvalo-lerndatei.xml usr/share/memvalo/start1.wav \
    usr/share/memvalo/beispiel/Englisch-Beispiel.ldt; do
    grep -q " \./$file\$" <<<"$contents" || fail "$file fehlt im Paket"
done
depends=$(dpkg-deb -f "$package" Depends)
grep -q libqt6widgets6 <<<"$depends" || fail "das Paket hängt nicht von Qt ab"
grep -q libqt6multimedia6 <<<"$depends" || fail "das Paket hängt nicht von Qt Multimedia ab"
echo "Installation und Paket in Ordnung"
