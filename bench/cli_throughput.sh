#!/usr/bin/env bash
# Times tembrel-cli in batch mode against dateutils' dconv on the same job: one
# million random Common Era dates (years 1601..4095, the years dconv reads),
# each converted into an ISO week date. The two programs run alternately, several
# rounds in one run, so that other work on the machine slows both alike; the
# script prints every round's wall-clock and processor time, and the ratios:
# tembrel-cli's throughput against dconv's by wall-clock time, and its processor
# time per date against dconv's (tembrel-cli uses every core, dconv one).
#
# Usage: bench/cli_throughput.sh [tembrel-cli binary] [rounds]
#   The binary defaults to build/default/bin/tembrel-cli, the rounds to 9.
#   LINES_COUNT=n changes the number of dates; SEED=n the random sequence.
#
# Needs dateutils (Debian package "dateutils"). Run as root, the script installs
# it with apt-get; otherwise it says how.
set -euo pipefail
# Needs GNU time (Debian package "time") for the processor time.

root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-"$root/build/default/bin/tembrel-cli"}
rounds=${2:-9}
count=${LINES_COUNT:-1000000}
seed=${SEED:-20080115}

if ! command -v dateutils.dconv >/dev/null 2>&1; then
    if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
        echo "Installing dateutils ..." >&2
        apt-get update -qq && apt-get install -y -qq dateutils >/dev/null
    else
        echo "dateutils.dconv is missing. Install it with:" >&2
        echo "  sudo apt-get install dateutils" >&2
        exit 2
    fi
fi
if [ ! -x "$cli" ]; then
    echo "$cli is missing; build it first:" >&2
    echo "  cmake --preset default && cmake --build --preset default --target tembrel-cli" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# The same dates for the same seed on every machine, uniform over the days of
# the years 1601..4095.
"$root/bench/random_dates.sh" "$count" "$seed" 1601 4095 >"$work/dates"

# Both programs must agree on every ISO week date before their times mean anything.
dateutils.dconv -i '%F' -f '%G-W%V-%u' <"$work/dates" >"$work/dconv.out"
"$cli" --batch --second-cal ISO <"$work/dates" >"$work/cli.out"
sed 's/^.* = \([^ ]*\) ISO, .*$/\1/' "$work/cli.out" >"$work/cli.iso"
if ! cmp -s "$work/dconv.out" "$work/cli.iso"; then
    echo "tembrel-cli and dconv disagree:" >&2
    diff "$work/dconv.out" "$work/cli.iso" | head -5 >&2
    exit 1
fi

# Prints the wall-clock seconds and the processor seconds (user + system, all
# threads) of one run of the command, output to /dev/null. GNU time measures
# both; the processor time is what a busy or single-core machine pays.
seconds() {
    /usr/bin/time -f '%e %U %S' -o "$work/time" "$@" <"$work/dates" >/dev/null
    awk '{ printf "%.4f %.4f\n", $1, $2 + $3 }' "$work/time"
}

echo "$count dates, seed $seed, $rounds rounds; seconds per run (wall / CPU):"
printf '%-6s %21s %21s\n' round dconv tembrel-cli
dconv_wall=()
dconv_cpu=()
cli_wall=()
cli_cpu=()
for ((round = 1; round <= rounds; round++)); do
    read -r dw dc < <(seconds dateutils.dconv -i '%F' -f '%G-W%V-%u')
    read -r cw cc < <(seconds "$cli" --batch --second-cal ISO)
    printf '%-6s %10s %10s %10s %10s\n' "$round" "$dw" "$dc" "$cw" "$cc"
    dconv_wall+=("$dw")
    dconv_cpu+=("$dc")
    cli_wall+=("$cw")
    cli_cpu+=("$cc")
done

# Prints the smallest and the median of the numbers given.
best_and_median() {
    printf '%s\n' "$@" | sort -g | awk '{ t[NR] = $1 } END { print t[1], t[int((NR + 1) / 2)] }'
}
read -r best_dw median_dw < <(best_and_median "${dconv_wall[@]}")
read -r best_cw median_cw < <(best_and_median "${cli_wall[@]}")
read -r best_dc median_dc < <(best_and_median "${dconv_cpu[@]}")
read -r best_cc median_cc < <(best_and_median "${cli_cpu[@]}")
awk -v bdw="$best_dw" -v bcw="$best_cw" -v mdw="$median_dw" -v mcw="$median_cw" \
    -v bdc="$best_dc" -v bcc="$best_cc" -v mdc="$median_dc" -v mcc="$median_cc" -v n="$count" 'BEGIN {
    printf "wall, best: dconv %.4f s (%.2f M dates/s), tembrel-cli %.4f s (%.2f M dates/s); ratio %.2f (median %.2f)\n",
        bdw, n / bdw / 1e6, bcw, n / bcw / 1e6, bdw / bcw, mdw / mcw
    printf "CPU, best: dconv %.4f s (%.0f ns/date), tembrel-cli %.4f s (%.0f ns/date)\n",
        bdc, bdc / n * 1e9, bcc, bcc / n * 1e9
    printf "tembrel-cli CPU per date = %.2f of dconv'"'"'s (median %.2f; goal: at most 0.33)\n", bcc / bdc, mcc / mdc
}'
