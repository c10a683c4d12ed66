#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh folder, as a learner's system would have it, and checks
# what the desktop needs of it: the program finds its shipped files there, the desktop entry,
# the learning-set file type and the software-centre entry are valid, the manual pages show
# and agree with memvalo-cli --help, and the Debian package holds it all and passes lintian.
# Run as root on a system without Memvalo, it also installs the package with apt and purges it.
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
# The readers of other programs' decks are a module the installed program loads.
printf '<Lesson><Batch><Card><FrontSide><Text>Haus</Text></FrontSide><ReverseSide><Text>house</Text></ReverseSide></Card></Batch></Lesson>' \
    >"$work/lektion.xml"
"$prefix/bin/memvalo-cli" import "$work/lektion.xml" "$work/lektion.ldt" >/dev/null \
    2>"$work/import.err" || fail "import: $(cat "$work/import.err")"

desktop-file-validate "$prefix/share/applications/memvalo.desktop" || fail "Desktop-Eintrag ungültig"
update-mime-database "$prefix/share/mime" 2>"$work/mime.err"
! grep -Ei 'error|failed' "$work/mime.err" || fail "Dateityp ungültig: $(cat "$work/mime.err")"
grep -qx '[0-9]*:application/x-memvalo-lerndatei:\*\.ldt' "$prefix/share/mime/globs2" ||
    fail "*.ldt gehört nicht zum Dateityp der Lerndateien"

appstreamcli validate --no-net "$prefix/share/metainfo/de.quorbel.memvalo.metainfo.xml" \
    >"$work/appstream.out" || fail "Softwarecenter-Eintrag ungültig: $(cat "$work/appstream.out")"

# The manual pages, and the commands, options and exit codes of memvalo-cli --help in each.
export MANPATH=$prefix/share/man MANWIDTH=200
help=$("$prefix/bin/memvalo-cli" --help)
optionsIn() { grep -oE -- '(^|[ (,])--?[a-zA-Z][-a-z]*' | sed 's/^[ (,]//' | sort -u; }
words=$(sed -n '/^Befehle:/,/^Rückgabewerte:/s/^  \([a-z][a-z-]*\) .*/\1/p' <<<"$help")
options=$(optionsIn <<<"$help")
codes=$(sed -n '/^Rückgabewerte:/,$s/^  \([0-9]\) .*/\1/p' <<<"$help")
for lang in en de; do
    for page in memvalo memvalo-cli; do
        folder=$prefix/share/man/man1
        [ "$lang" = en ] || folder=$prefix/share/man/$lang/man1
        [ "$(man -w -L "$lang" "$page")" = "$folder/$page.1.gz" ] || fail "man $page ($lang) fehlt"
        man -L "$lang" "$page" 2>/dev/null | col -b >"$work/$page.$lang" ||
            fail "man $page ($lang) zeigt nichts"
    done
    page=$work/memvalo-cli.$lang
    for word in $words $options; do
        grep -q -- "$word" "$page" || fail "memvalo-cli($lang) nennt $word nicht"
    done
    paged=$(optionsIn <"$page")
    [ "$paged" = "$options" ] || fail "Optionen in memvalo-cli($lang): $paged statt $options"
    status=$(sed -n '/^\(EXIT STATUS\|RÜCKGABEWERT\)/,/^[A-Z]/s/^ *\([0-9]\)\( .*\)\?$/\1/p' "$page")
    [ "$status" = "$codes" ] || fail "Rückgabewerte in memvalo-cli($lang): $status statt $codes"
done

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
package=$(echo "$work"/package/memvalo_*.deb)
contents=$(dpkg-deb -c "$package")
for file in usr/bin/memvalo usr/bin/memvalo-cli usr/lib/memvalo/plugins/libmemvalo-sound.so \
    usr/lib/memvalo/plugins/libmemvalo-decks.so \
    usr/share/applications/memvalo.desktop \
    usr/share/mime/packages/memvalo-lerndatei.xml usr/share/memvalo/start1.wav \
    usr/share/memvalo/beispiel/Englisch-Beispiel.ldt usr/share/doc/memvalo/copyright \
    usr/share/doc/memvalo/changelog.gz usr/share/man/man1/memvalo.1.gz \
    usr/share/man/de/man1/memvalo-cli.1.gz usr/share/metainfo/de.quorbel.memvalo.metainfo.xml; do
    grep -q " \./$file\$" <<<"$contents" || fail "$file fehlt im Paket"
done
depends=$(dpkg-deb -f "$package" Depends)
grep -q libqt6widgets6 <<<"$depends" || fail "das Paket hängt nicht von Qt ab"
grep -q libqt6multimedia6 <<<"$depends" || fail "das Paket hängt nicht von Qt Multimedia ab"
grep -q libzip <<<"$depends" || fail "das Paket hängt nicht von libzip ab"

# Lintian without an error or a warning, and without the pedantic hardening notes.
lintian --pedantic --tag-display-limit 0 "$package" >"$work/lintian.out" 2>&1 || true
! grep -E '^(E|W): |hardening' "$work/lintian.out" || fail "lintian: $(cat "$work/lintian.out")"

# Installed and purged as a learner does; only where the test may and nothing is in its way.
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W memvalo >/dev/null 2>&1; then
    apt=(apt-get -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300)
    trap '"${apt[@]}" purge memvalo >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
    "${apt[@]}" install "$package" >"$work/apt.out" 2>&1 || fail "apt install: $(cat "$work/apt.out")"
    dpkg-query -L memvalo | sort >"$work/files"
    MANPATH= man -w memvalo-cli | grep -q '^/usr/share/man/man1/memvalo-cli.1.gz$' ||
        fail "man findet memvalo-cli nicht"
    [ -f /usr/share/metainfo/de.quorbel.memvalo.metainfo.xml ] || fail "kein Softwarecenter-Eintrag"
    "${apt[@]}" purge memvalo >"$work/apt.out" 2>&1 || fail "apt purge: $(cat "$work/apt.out")"
    while read -r path; do
        [ -d "$path" ] && [ -n "$(ls -A "$path")" ] && continue
        [ ! -e "$path" ] || [ "$(dpkg-query -S "$path" 2>/dev/null)" != "" ] ||
            fail "$path bleibt nach apt purge"
    done <"$work/files"
    ! dpkg-query -W memvalo >/dev/null 2>&1 || fail "memvalo ist nach apt purge noch bekannt"
fi
echo "Installation und Paket in Ordnung"
