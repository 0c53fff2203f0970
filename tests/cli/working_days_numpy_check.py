#!/usr/bin/python3
"""Checks tembrel-cli's working-day counts and steps, end to end, against numpy's
busday_count and busday_offset (python3-numpy), on several calendars: weekends
of two, one and three days, regions alone and together, and a holiday file.

numpy is handed the very holidays that `tembrel-cli holidays` lists for the
same years (and the dates of the holiday file), so this checks the program's
counting from the command line to the report, not the holiday law (the
holidays library's own check compares that with workalendar).

Compared where both define the same thing:
  - days between A and B (--weekdays-only): ours counts (A, B], numpy [A+1, B+1);
    with --include-first, for A <= B: numpy [A, B+1);
  - A plus D working days, from a working day A: numpy busday_offset(A, D);
    with --include-first, D - 1 (D + 1 going back);
  - B minus D working days: numpy rolls B back to a working day first, as we do.

Usage: working_days_numpy_check.py <tembrel-cli>
Exit status 0 when everything agrees; the differences are printed.
"""

import datetime
import random
import subprocess
import sys
import tempfile

import numpy

FIRST_YEAR, LAST_YEAR = 1990, 2060
DAY = numpy.timedelta64(1, "D")


def run(cli, arguments, lines=None):
    result = subprocess.run([cli] + arguments, input="\n".join(lines) + "\n" if lines else None,
                            capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise RuntimeError(" ".join(arguments) + ": " + result.stderr)
    return result.stdout.splitlines()


def listed_holidays(cli, regions):
    days = set()
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        for line in run(cli, ["holidays", regions, str(year)]):
            days.add(numpy.datetime64(line.split("\t")[0], "D"))
    return days


def weekmask(weekend):
    names = ["mon", "tue", "wed", "thu", "fri", "sat", "sun"]
    off = weekend.split(",") if weekend != "none" else []
    return "".join("0" if name in off else "1" for name in names)


def count_of(report):
    return int(report.split(" = ")[1].split(" ")[0])


def random_day(rng, first_year, last_year):
    start = datetime.date(first_year, 1, 1).toordinal()
    end = datetime.date(last_year, 12, 31).toordinal()
    return numpy.datetime64(datetime.date.fromordinal(rng.randint(start, end)).isoformat(), "D")


def check_calendar(cli, rng, weekend, regions, holiday_file, file_days):
    options = ["--weekdays-only", "--weekend", weekend, "--thousands", "none", "--terse"]
    holidays = set(file_days)
    if regions != "-":
        options += ["--holidays", regions]
        holidays |= listed_holidays(cli, regions)
    if holiday_file:
        options += ["--holidays-file", holiday_file]
    business = numpy.busdaycalendar(weekmask=weekmask(weekend), holidays=sorted(holidays))
    name = f"{weekend} {regions} {'file' if holiday_file else ''}"
    wrong = []
    compared = 0

    # Days between: a batch of first dates against one second date each.
    for include_first in (False, True):
        second = random_day(rng, FIRST_YEAR + 10, LAST_YEAR - 10)
        firsts = [random_day(rng, FIRST_YEAR + 1, LAST_YEAR - 1) for _ in range(300)]
        firsts += [second + rng.randint(-20, 20) * DAY for _ in range(100)]
        if include_first:
            firsts = [a for a in firsts if a <= second]
        extra = ["--include-first"] if include_first else []
        reports = run(cli, options + extra + ["--batch", "-2", str(second)],
                      [str(a) for a in firsts])
        for a, report in zip(firsts, reports):
            ours = count_of(report)
            if include_first:
                theirs = int(numpy.busday_count(a, second + DAY, busdaycal=business))
            else:
                theirs = int(numpy.busday_count(a + DAY, second + DAY, busdaycal=business))
            compared += 1
            if ours != theirs:
                wrong.append(f"{name}: {a} to {second} first={include_first}: ours {ours} "
                             f"numpy {theirs}")

    # A first date plus working days, from working days, both directions.
    for include_first in (False, True):
        extra = ["--include-first"] if include_first else []
        for _ in range(4):
            difference = rng.choice([rng.randint(1, 40), rng.randint(1, 2500)])
            difference *= rng.choice([1, -1])
            firsts = [random_day(rng, 2000, 2040) for _ in range(150)]
            firsts = [a for a in firsts if numpy.is_busday(a, busdaycal=business)]
            reports = run(cli, options + extra + ["--batch", "-d", str(difference)],
                          [str(a) for a in firsts])
            steps = difference - (1 if difference > 0 else -1) * (1 if include_first else 0)
            for a, report in zip(firsts, reports):
                ours = report.split(" = ")[1].split(" ")[0]
                theirs = str(numpy.busday_offset(a, steps, roll="raise", busdaycal=business))
                compared += 1
                if ours != theirs:
                    wrong.append(f"{name}: {a} plus {difference} first={include_first}: "
                                 f"ours {ours} numpy {theirs}")

    # A second date minus working days, from any day: one run each.
    for _ in range(12):
        b = random_day(rng, 2000, 2040)
        difference = rng.choice([rng.randint(1, 40), rng.randint(1, 2500)])
        report = run(cli, options + ["-2", str(b), "-d", str(difference)])[0]
        ours = report.split(" = ")[1].split(" ")[0]
        theirs = str(numpy.busday_offset(b, -difference, roll="backward", busdaycal=business))
        compared += 1
        if ours != theirs:
            wrong.append(f"{name}: {b} minus {difference}: ours {ours} numpy {theirs}")
    return compared, wrong


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    cli = sys.argv[1]
    rng = random.Random(14)
    problems = []
    total = 0
    with tempfile.TemporaryDirectory() as folder:
        file_days = sorted({random_day(rng, FIRST_YEAR, LAST_YEAR) for _ in range(400)})
        holiday_file = f"{folder}/company.txt"
        with open(holiday_file, "w", encoding="utf-8") as file:
            file.writelines(f"{day} closed\n" for day in file_days)
        calendars = [
            ("sat,sun", "DE-BY", None, []),
            ("fri,sat", "IE", None, []),
            ("sun", "GB,US", None, []),
            ("sat,sun", "-", holiday_file, file_days),
            ("mon,wed,sat", "FR,DE-SN", holiday_file, file_days),
        ]
        for weekend, regions, path, days in calendars:
            compared, wrong = check_calendar(cli, rng, weekend, regions, path, days)
            total += compared
            problems += wrong
    print(f"tembrel-cli against numpy: {total} counts and steps on {len(calendars)} calendars, "
          f"{len(problems)} differ")
    for problem in problems[:50]:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
