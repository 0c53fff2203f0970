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
# days, the same for every run.
dates() {
    "$root/bench/random_dates.sh" "$count" 20080115 "$1" "$2"
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
