# shellcheck shell=bash
# Writes the bytes a learning set's box files must hold, so the test can compare the files the
# program saved byte for byte: Windows-1252 text, one item per line, CR LF line ends.

# One card: question, answer, two empty extra texts, then the 10-character fields (creation
# date, the box dates, the wrong-answer count) and an empty media reference.
card() {
    local frage=$1 antwort=$2 field
    shift 2
    printf '"%s"\r\n"%s"\r\n""\r\n""\r\n' "$frage" "$antwort"
    for field in "$@"; do printf '%-10s\r\n' "$field"; done
    printf '\r\n'
}

# The fill count line: with a blank on either side in box 1 and box 5, bare in boxes 2 to 4.
fill_count() {
    local box=$1 count=$2
    case $box in
        1 | 5) printf ' %s \r\n' "$count" ;;
        *) printf '%s\r\n' "$count" ;;
    esac
}

# Compares a file of the set with the expected text (given in UTF-8 on standard input) after
# converting that text to Windows-1252; on a difference shows both and fails.
expect_file() {
    local file=$1 expected
    expected="$WORK/expected-${file##*/}"
    iconv -f UTF-8 -t WINDOWS-1252 >"$expected"
    [ -f "$file" ] || fail "die Datei $file fehlt"
    if ! cmp -s "$expected" "$file"; then
        echo "erwartet:" >&2
        od -c "$expected" | head -n 40 >&2
        echo "gefunden:" >&2
        od -c "$file" | head -n 40 >&2
        fail "die Datei $file hat nicht den erwarteten Inhalt"
    fi
}

# The box summary of the command-line tool, one "Kasten K: N von S" line per box.
expect_boxes() {
    local set=$1 expected=$2 found
    found=$("$MEMVALO_CLI" check "$set" 2>&1) || fail "memvalo-cli check $set: $found"
    [ "$found" = "$expected" ] || fail "Kästen von $set:
$found
erwartet:
$expected"
}
