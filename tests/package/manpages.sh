#!/usr/bin/env bash
# Both manual pages render with neither man nor groff warning about anything, and each has
# the sections of a games manual page.
set -uo pipefail
folder=$1
status=0
check() { # page, sections...
    local page=$1
    shift
    local warnings
    warnings=$( { LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >/dev/null; } 2>&1)
    warnings+=$(groff -k -ww -man -Tutf8 -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "FAIL: $page warns:"
        echo "$warnings"
        status=1
    fi
    grep -q '^\.TH TESSALY 6 ' "$page" || { echo "FAIL: $page is not in section 6"; status=1; }
    for section in "$@"; do
        grep -Eq "^\.SH \"?$section\"?\$" "$page" || { echo "FAIL: $page lacks $section"; status=1; }
    done
}
check "$folder/tessaly.6" NAME SYNOPSIS DESCRIPTION KEYS FILES "EXIT STATUS"
check "$folder/de/tessaly.6" BEZEICHNUNG ÜBERSICHT BESCHREIBUNG TASTEN DATEIEN EXIT-STATUS
[ $status = 0 ] && echo "both manual pages render cleanly"
exit $status
