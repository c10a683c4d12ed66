#!/usr/bin/env bash
# A learner's first session with the real program on a virtual display, by keyboard alone:
# first start, a new set with three cards, saved under a name, the program ended, started
# again, the set reopened from the File menu's history, box 1 queried with one right and one
# wrong answer, saved. Then the six files must hold exactly the expected cards in the expected
# boxes. Screenshots of the main steps go to the artifact folder.
#
# Usage: first_session.sh MEMVALO MEMVALO_CLI ARTIFACT_FOLDER
set -euo pipefail

if [ -z "${MEMVALO_E2E_DISPLAY:-}" ]; then
    # A display of its own, whatever the caller has. Without -noreset the server resets when
    # its last client leaves, and the program's second start can find no display.
    export MEMVALO_E2E_DISPLAY=1
    exec timeout --kill-after=10 600 \
        xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$0" "$@"
fi

MEMVALO=$1
MEMVALO_CLI=$2
ARTIFACTS=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/lib/x11_driver.sh
. "$here/lib/x11_driver.sh"
# shellcheck source=tests/e2e/lib/set_files.sh
. "$here/lib/set_files.sh"

WORK=$(mktemp -d)
program_pid=""
finish() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap finish EXIT

rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS"
export HOME="$WORK/home" XDG_DATA_HOME="$WORK/data" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset XDG_CONFIG_HOME XDG_DOCUMENTS_DIR
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME/Lernen" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
set_path="$HOME/Lernen/Vokabeln.ldt"
base="${set_path%.ldt}"
today=$(date +%d.%m.%Y)

main_title='^Memvalo +Lernkartei'

start_program() {
    "$MEMVALO" >>"$ARTIFACTS/memvalo.log" 2>&1 &
    program_pid=$!
}

# Ends the program through "Programm &beenden" and waits until it has gone.
end_program() {
    local window
    window=$(wait_window "$main_title")
    focus "$window"
    keys alt+d
    shot "$1"
    keys b
    wait_exit "$program_pid" || fail "das Programm endet mit Code $?"
    program_pid=""
}

# --- First start -------------------------------------------------------------------------
start_program
message=$(wait_window '^Einstellungsdatei lesen fehlgeschlagen$')
shot first-start-message
focus "$message"
keys Return
wait_no_window '^Einstellungsdatei lesen fehlgeschlagen$'
window=$(wait_window "$main_title")
shot first-start-window
[ -f "$XDG_DATA_HOME/memvalo/memvalo.ini" ] || fail "die Einstellungsdatei fehlt nach dem ersten Start"

# --- A new set, three cards ----------------------------------------------------------------
focus "$window"
keys ctrl+n
wait_window "$main_title.*Neuanlage\$" >/dev/null
# The focus is in the question field; Tab leads to the answer, Alt+Right is the next-card
# button. Only characters of the display's US keymap are typed: xdotool types any other by
# rebinding a key for a moment, which a busy program can miss.
type_text "Hund"
keys Tab
type_text "dog"
keys alt+Right
type_text "Katze"
keys Tab
type_text "cat"
keys alt+Right
type_text Maus
keys Tab
type_text "mouse"
shot three-cards-typed

# --- Saved under a name ---------------------------------------------------------------------
keys ctrl+s
dialog=$(wait_window '^Lerndatei speichern$')
focus "$dialog"
type_text "$base"
shot save-dialog
keys Return
wait_no_window '^Lerndatei speichern$'
window=$(wait_window "$main_title.*Datei: Vokabeln\.ldt\$")
shot saved
expect_boxes "$set_path" "Kasten 1: 3 von 250
Kasten 2: 0 von 500
Kasten 3: 0 von 850
Kasten 4: 0 von 1200
Kasten 5: 0 von 2000"
{
    fill_count 1 3
    card Hund dog "$today" 0
    card Katze cat "$today" 0
    card Maus mouse "$today" 0
} | expect_file "$base.ldt"

# --- Program ended, started again ---------------------------------------------------------
end_program file-menu-before-exit
grep -qx "$set_path" <(tr -d '\r' <"$XDG_DATA_HOME/memvalo/dateiliste.lis") ||
    fail "die Historie nennt $set_path nicht"

start_program
window=$(wait_window "$main_title")
shot second-start
[ -z "$(xdotool search --onlyvisible --name '^Einstellungsdatei' 2>/dev/null || true)" ] ||
    fail "beim zweiten Start fehlen die Einstellungen"

# --- Reopened from the history: the File menu opens at its first entry; from there the ---
# --- history entry is three steps up (past "Programm beenden" and "Historie löschen"). ---
focus "$window"
keys alt+d Up Up Up
shot history-entry-chosen
keys Return
window=$(wait_window "$main_title.*Datei: Vokabeln\.ldt\$")
shot reopened

# --- Box 1 queried: one right, one wrong -------------------------------------------------
focus "$window"
# "&Karteikasten wählen", then the menu beside it, "&Modus auswählen", and "Abfragem&odus".
# (Alt+M is shared with "&Multimedia": Qt alternates between the two, so the way is by the
# neighbouring menu.)
keys alt+k Right
shot mode-menu
keys o
keys alt+k
shot box-menu
keys 1
question=$(wait_window '^Abfrage$')
shot shuffle-question
focus "$question"
keys n
wait_no_window '^Abfrage$'
focus "$window"
shot first-card-covered
keys ctrl+Return
shot first-card-revealed
keys ctrl+r
shot after-right-answer
keys ctrl+Return
shot second-card-revealed
keys ctrl+f
shot after-wrong-answer

# --- Saved ---------------------------------------------------------------------------------
keys ctrl+s
deadline=$((SECONDS + E2E_TIMEOUT))
until [ "$("$MEMVALO_CLI" check "$set_path" 2>&1 | head -n 2)" = "Kasten 1: 2 von 250
Kasten 2: 1 von 500" ]; do
    ((SECONDS < deadline)) || fail "der Lernstand wird nicht gespeichert"
    sleep 0.3
done
shot saved-after-query
end_program file-menu-at-the-end

expect_boxes "$set_path" "Kasten 1: 2 von 250
Kasten 2: 1 von 500
Kasten 3: 0 von 850
Kasten 4: 0 von 1200
Kasten 5: 0 von 2000"
{
    fill_count 1 2
    card Katze cat "$today" 1
    card Maus mouse "$today" 0
} | expect_file "$base.ldt"
{
    fill_count 2 1
    card Hund dog "$today" "$today" 0
} | expect_file "$base.k02"
fill_count 3 0 | expect_file "$base.k03"
fill_count 4 0 | expect_file "$base.k04"
fill_count 5 0 | expect_file "$base.k05"
{
    printf '%s\r\n' 250 500 850 1200 2000 "[Kasten 5 bereits beantwortet]" " 0 " \
        "[Pfad für Klänge/Bilder]" "" "[Bilder bei Abfrage zeigen?]" nein \
        "[Bilder überhaupt zeigen?]" ja
    for _ in $(seq 30); do printf 'placeholder\r\n'; done
} | expect_file "$base.cfg"
echo "Erste Sitzung bestanden; Bildschirmfotos in $ARTIFACTS"
