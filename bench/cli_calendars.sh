#!/usr/bin/env bash
# Times tembrel-cli in batch mode converting random Common Era dates into each of
# several notations: the processor time per date (user + system, all threads)
# of each conversion, the best of several rounds, and its ratio to the
# conversion into ISO week dates that bench/cli_throughput.sh measures. Two
# spans of dates: the years 1601..4095 (every year a different one) and the
# years 2000..2009, whose per-year results the astronomical calendars (CHN, BAH,
# PER) keep in their caches, as a batch of dates of a few years finds them.
#
# Usage: bench/cli_calendars.sh [tembrel-cli binary] [rounds]
#   The binary defaults to build/default/bin/tembrel-cli, the rounds to 5.
#   LINES_COUNT=n changes the number of dates (default 2000000), CALENDARS the
#   codes timed (default "ISO HEB ISL PER COP CHN BAH MAY UNX").
# Needs GNU time (Debian package "time").
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-"$root/build/default/bin/tembrel-cli"}
rounds=${2:-5}
count=${LINES_COUNT:-2000000}
calendars=${CALENDARS:-"ISO HEB ISL PER COP CHN BAH MAY UNX"}
if [ ! -x "$cli" ]; then
    echo "$cli is missing; build it first:" >&2
    echo "  cmake --preset default && cmake --build --preset default --target tembrel-cli" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# Writes `count` random Common Era dates of the years first..last, uniform over
# days, by the generator and the civil-from-days arithmetic of
# bench/cli_throughput.sh (days counted from 1 March of year 0).
dates() {
    awk -v n="$count" -v seed=20080115 -v y1="$1" -v y2="$2" '
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
}

# Prints the best processor seconds of `rounds` runs converting the file into
# the calendar.
best_seconds() {
    local best=""
    for ((round = 1; round <= rounds; round++)); do
        # Dates beyond a calendar's years are refused: status 1, messages
        # dropped.
        /usr/bin/time -f '%U %S' -o "$work/time" "$cli" --batch --terse --second-cal "$2" \
            <"$1" >/dev/null 2>&1 || true
        local seconds
        # The last line: GNU time notes a non-zero status on a line before it.
        seconds=$(awk 'END { printf "%.3f", $1 + $2 }' "$work/time")
        if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$seconds
        fi
    done
    echo "$best"
}

echo "$count dates per run, best of $rounds rounds; processor time per date"
for span in "1601 4095" "2000 2009"; do
    set -- $span
    dates "$1" "$2" >"$work/dates"
    echo "years $1..$2:"
    iso=""
    for cal in $calendars; do
        seconds=$(best_seconds "$work/dates" "$cal")
        [ "$cal" = ISO ] && iso=$seconds
        awk -v cal="$cal" -v s="$seconds" -v n="$count" -v iso="$iso" 'BEGIN {
            printf "  CE -> %-4s %7.1f ns/date", cal, s / n * 1e9
            if (iso != "") printf "   %.2f x ISO", s / iso
            printf "\n"
        }'
    done
done
