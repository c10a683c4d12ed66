# shellcheck shell=bash
# Drives a program on a virtual X display the way a keyboard user does: waits for windows by
# title, gives them the keyboard focus, types and presses keys, and takes screenshots.
# Every wait is bounded by E2E_TIMEOUT seconds; a wait that runs out fails the test with a
# message naming what did not happen. Needs ARTIFACTS (the screenshot folder) and WORK.

: "${E2E_TIMEOUT:=90}"
shot_number=0

# The windows on the display, for the failure report.
list_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "  Fenster $id: \"$(xdotool getwindowname "$id" 2>/dev/null)\""
    done
}

fail() {
    echo "FEHLER: $*" >&2
    echo "Sichtbare Fenster:" >&2
    list_windows >&2
    import -window root "$ARTIFACTS/failure.png" 2>/dev/null || true
    exit 1
}

# A program that has died is reported at once rather than after the wait runs out.
check_alive() {
    if [ -n "${program_pid:-}" ] && ! kill -0 "$program_pid" 2>/dev/null; then
        fail "das Programm ist vorzeitig beendet (siehe memvalo.log)"
    fi
}

# Prints the id of the newest visible window whose title matches the extended regular
# expression, once there is one.
wait_window() {
    local pattern=$1 deadline=$((SECONDS + E2E_TIMEOUT)) ids
    while ((SECONDS < deadline)); do
        ids=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true)
        if [ -n "$ids" ]; then
            echo "$ids" | tail -n 1
            return 0
        fi
        check_alive
        sleep 0.2
    done
    fail "kein Fenster mit dem Titel /$pattern/ nach ${E2E_TIMEOUT} s"
}

wait_no_window() {
    local pattern=$1 deadline=$((SECONDS + E2E_TIMEOUT))
    while ((SECONDS < deadline)); do
        [ -z "$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true)" ] && return 0
        check_alive
        sleep 0.2
    done
    fail "das Fenster /$pattern/ schließt sich nicht"
}

# Without a window manager nobody hands out the focus: the test does, and waits until the
# server has moved it.
focus() {
    timeout "$E2E_TIMEOUT" xdotool windowfocus --sync "$1" ||
        fail "Fenster $1 bekommt den Tastaturfokus nicht"
}

# Keys in xdotool's names ("ctrl+n", "Return"), to the window that has the focus.
keys() {
    xdotool key --clearmodifiers --delay 60 "$@"
}

# Text as typed on the keyboard, into the widget that has the focus.
type_text() {
    xdotool type --clearmodifiers --delay 40 -- "$1"
}

# Waits until the screen no longer changes, apart from a blinking text cursor.
settle() {
    local deadline=$((SECONDS + E2E_TIMEOUT)) before="$WORK/settle-1.png" after="$WORK/settle-2.png"
    local changed
    import -window root "$before"
    while ((SECONDS < deadline)); do
        sleep 0.4
        import -window root "$after"
        changed=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
        changed=${changed%%.*}
        if [[ "$changed" =~ ^[0-9]+$ ]] && ((changed < 200)); then return 0; fi
        mv "$after" "$before"
    done
    fail "der Bildschirm kommt nicht zur Ruhe"
}

# Saves the settled screen as the next numbered artifact.
shot() {
    settle
    shot_number=$((shot_number + 1))
    import -window root "$ARTIFACTS/$(printf '%02d' "$shot_number")-$1.png"
}

# Waits until the process ends and gives its exit code.
wait_exit() {
    local pid=$1 deadline=$((SECONDS + E2E_TIMEOUT))
    while ((SECONDS < deadline)); do
        if ! kill -0 "$pid" 2>/dev/null; then
            local code=0
            wait "$pid" || code=$?
            return "$code"
        fi
        sleep 0.2
    done
    fail "das Programm (Prozess $pid) endet nicht"
}
