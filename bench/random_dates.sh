#!/usr/bin/env bash
# Prints COUNT random Common Era dates (yyyy-mm-dd, one a line) drawn uniformly
# from the days of the years FIRST..LAST, the same file for the same SEED on
# every machine: a 32-bit linear congruential generator written out in awk, so
# that every awk (mawk, gawk, busybox) makes the same sequence (the products
# stay below 2^53, where awk's doubles are exact). A day is turned into year,
# month and day with the civil-from-days arithmetic of the Gregorian calendar.
#
# Usage: bench/random_dates.sh COUNT SEED FIRST LAST
set -euo pipefail
awk -v n="$1" -v seed="$2" -v y1="$3" -v y2="$4" '
function next_random() {
    state = (1664525 * state + 1013904223) % 4294967296
    return state
}
function days_from_civil(y, m, d,    era, yoe, doy) {
    y -= (m <= 2)
    era = int(y / 400)
    yoe = y - era * 400
    doy = int((153 * (m > 2 ? m - 3 : m + 9) + 2) / 5) + d - 1
    return era * 146097 + yoe * 365 + int(yoe / 4) - int(yoe / 100) + doy
}
BEGIN {
    state = seed % 4294967296
    first = days_from_civil(y1, 1, 1)
    span = days_from_civil(y2, 12, 31) - first + 1
    for (i = 0; i < n; i++) {
        z = first + int(next_random() / 4294967296 * span)
        era = int(z / 146097)
        doe = z - era * 146097
        yoe = int((doe - int(doe / 1460) + int(doe / 36524) - int(doe / 146096)) / 365)
        doy = doe - (365 * yoe + int(yoe / 4) - int(yoe / 100))
        mp = int((5 * doy + 2) / 153)
        d = doy - int((153 * mp + 2) / 5) + 1
        m = mp < 10 ? mp + 3 : mp - 9
        y = yoe + era * 400 + (m <= 2 ? 1 : 0)
        printf "%04d-%02d-%02d\n", y, m, d
    }
}'
