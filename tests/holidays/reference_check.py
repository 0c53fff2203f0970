#!/usr/bin/python3
"""Compares the holidays library with references written elsewhere, through the
test program holidays_probe:

  - Easter Sundays against python-dateutil (Western and Orthodox, 1583..4099);
  - the holidays of each region, 1990..2030, against python3-workalendar, on the
    days from Monday to Friday (where a holiday changes a count);
  - working-day counts and steps against numpy's busday_count and busday_offset,
    with the same weekend mask and the same holidays (the user's own days, and
    the region holidays that the probe lists), where both define the same thing.

Every disagreement with workalendar must be explained below (KNOWN), with who is
right and why, and every explanation must still be needed. Exit status 0 when
everything agrees or is explained; the unexplained differences are printed.

Usage: reference_check.py <holidays_probe> <holidays.dat> [--list]
  --list  prints every explained disagreement, date by date
"""

import datetime
import random
import subprocess
import sys
import tempfile
import warnings

import numpy
from dateutil import easter as dateutil_easter
from workalendar.registry import registry

JDN_OF_1970 = 2440588
FIRST_YEAR, LAST_YEAR = 1990, 2030

# The regions compared with workalendar, by our code and the reference's. The
# reference's Scotland is marked experimental by its authors and lacks Good
# Friday and every substitute day, so GB-SCT is checked by the unit tests'
# table of law instead.
REGIONS = ["DE", "DE-BW", "DE-BY", "DE-BE", "DE-BB", "DE-HB", "DE-HH", "DE-HE", "DE-MV",
           "DE-NI", "DE-NW", "DE-RP", "DE-SL", "DE-SN", "DE-ST", "DE-SH", "DE-TH", "AT",
           "CH", "FR", "IT", "ES", "NL", "BE", "IE", "GB", "GB-NIR", "US", "CA"]


def day_of(jdn):
    return datetime.date(1970, 1, 1) + datetime.timedelta(days=jdn - JDN_OF_1970)


def jdn_of(date):
    return (date - datetime.date(1970, 1, 1)).days + JDN_OF_1970


class Probe:
    """Sends all questions at once and reads the answers in order."""

    def __init__(self, program, data_file):
        self.program = program
        self.data_file = data_file

    def ask(self, lines):
        result = subprocess.run([self.program, self.data_file], input="\n".join(lines) + "\n",
                                capture_output=True, text=True, check=False)
        if result.returncode != 0:
            raise RuntimeError("probe failed: " + result.stderr)
        return result.stdout.splitlines()


def holidays_by_year(probe, regions, years):
    """Returns {region: {jdn: [names]}} for the given years."""
    questions = [f"holidays {region} {year}" for region in regions for year in years]
    answers = iter(probe.ask(questions))
    result = {region: {} for region in regions}
    for region in regions:
        for _ in years:
            for line in answers:
                if line == ".":
                    break
                jdn, name = line.split("\t", 1)
                result[region].setdefault(int(jdn), []).append(name)
    return result


def check_easter(probe):
    years = range(1583, 4100)
    answers = probe.ask([f"easter {year}" for year in years])
    wrong = []
    for year, answer in zip(years, answers):
        western, orthodox = (day_of(int(x)) for x in answer.split())
        if western != dateutil_easter.easter(year, dateutil_easter.EASTER_WESTERN):
            wrong.append(f"Western Easter {year}: ours {western}")
        if orthodox != dateutil_easter.easter(year, dateutil_easter.EASTER_ORTHODOX):
            wrong.append(f"Orthodox Easter {year}: ours {orthodox}")
    print(f"Easter: {2 * len(years)} dates compared with dateutil, {len(wrong)} differ")
    return wrong


def reference_weekday_holidays(code):
    """The reference's holidays from Monday to Friday, FIRST_YEAR..LAST_YEAR."""
    calendar = registry.get_calendars(include_subregions=True)[code]()
    days = {}
    for year in range(FIRST_YEAR - 1, LAST_YEAR + 2):
        for date, name in calendar.holidays(year):
            if FIRST_YEAR <= date.year <= LAST_YEAR and date.weekday() < 5:
                days.setdefault(date, []).append(name)
    return days


def compare_regions(probe):
    """Returns the disagreements: (region, date, side, our names, reference names)."""
    ours = holidays_by_year(probe, REGIONS, range(FIRST_YEAR, LAST_YEAR + 1))
    found = []
    for region in REGIONS:
        mine = {day_of(jdn): names for jdn, names in ours[region].items()
                if day_of(jdn).weekday() < 5}
        theirs = reference_weekday_holidays(region)
        for date in sorted(set(mine) | set(theirs)):
            if (date in mine) != (date in theirs):
                side = "ours" if date in mine else "reference"
                found.append((region, date, side, mine.get(date, []), theirs.get(date, [])))
    return found


def explain(region, date, side, our_names, reference_names):
    """Returns who is right about a disagreement and why, or None."""
    for known in KNOWN:
        if known.matches(region, date, side, our_names, reference_names):
            known.used.append((region, date))
            return known.reason
    return None


class Known:
    def __init__(self, regions, side, test, reason):
        self.regions = regions
        self.side = side
        self.test = test
        self.reason = reason
        self.used = []

    def matches(self, region, date, side, our_names, reference_names):
        names = our_names if side == "ours" else reference_names
        return (region in self.regions or self.regions == "*") and side == self.side and \
            self.test(date, " / ".join(names))


GERMANY = [region for region in REGIONS if region.startswith("DE")]


def years(first, last):
    return lambda date, names: first <= date.year <= last


def named(text, first=FIRST_YEAR, last=LAST_YEAR):
    return lambda date, names: text in names and first <= date.year <= last


def on(*days):
    return lambda date, names: date.isoformat() in days


# Every disagreement with workalendar (data of 2023), with who is right.
KNOWN = [
    Known(GERMANY, "ours", named("Day of Prayer and Repentance", 1990, 1994),
          "ours: a public holiday in every state until 1994, abolished from 1995 except in "
          "Saxony; the reference keeps it only for Saxony"),
    Known(["DE-BE"], "ours", on("2025-05-08"),
          "ours: a one-off holiday in Berlin for the 80th anniversary of the end of the war, "
          "decided after the reference's data"),
    Known(["DE-MV"], "ours", named("International Women's Day", 2023),
          "ours: a holiday in Mecklenburg-Western Pomerania since 2023"),
    Known(["DE-TH"], "ours", named("World Children's Day", 2019),
          "ours: a holiday in Thuringia since 2019"),
    Known(["CH"], "reference", named("National Holiday", 1990, 1993),
          "ours: 1 August is a federal public holiday only since 1994 (popular vote of "
          "26 September 1993); before, each canton decided"),
    Known(["IT"], "reference", named("Republic Day", 1977, 2000),
          "ours: from 1977 to 2000 Republic Day was kept on the first Sunday of June; 2 June "
          "is a holiday again from 2001"),
    Known(["GB", "GB-NIR"], "reference", on("1995-05-01"),
          "ours: in 1995 the early May bank holiday was moved to 8 May (50 years since VE Day)"),
    Known(["GB", "GB-NIR"], "ours", on("1995-05-08"),
          "ours: in 1995 the early May bank holiday was moved to 8 May (50 years since VE Day)"),
    Known(["GB", "GB-NIR"], "ours", on("2023-05-08"),
          "ours: a bank holiday for the coronation of King Charles III, proclaimed after the "
          "reference's data"),
    Known(["US"], "ours", named("Juneteenth", 2021),
          "ours: a federal holiday since 17 June 2021 (first observed on Friday 18 June 2021); "
          "missing from the reference"),
    Known(["NL"], "reference", named("Good Friday"),
          "ours: Good Friday is not a public holiday under Dutch law, only under some "
          "collective agreements"),
    Known(["IE"], "reference", lambda date, names: "shift" in names.lower() or "substitute" in names,
          "ours: Irish law does not move a public holiday that falls on a weekend (the "
          "employee gets another day off or a day's pay); the reference moves it like a bank "
          "holiday"),
    Known(["IE"], "ours", on("2022-03-18"),
          "ours: a one-off public holiday in 2022 (COVID-19 remembrance)"),
    Known(["IE"], "ours", named("St Brigid's Day", 2023),
          "ours: a public holiday since 2023 (the first Monday of February, or 1 February when "
          "it is a Friday); missing from the reference"),
    Known(["CA"], "ours", years(FIRST_YEAR, LAST_YEAR),
          "ours: CA holds the general holidays of the Canada Labour Code (Good Friday, Victoria "
          "Day, Truth and Reconciliation from 2021, Thanksgiving, Remembrance Day, Boxing Day) "
          "and their observed days; the reference's Canada holds only four days"),
]


def to_numpy(jdn):
    return numpy.datetime64("1970-01-01", "D") + numpy.timedelta64(jdn - JDN_OF_1970, "D")


def from_numpy(day):
    return int((day - numpy.datetime64("1970-01-01", "D")).astype("int64")) + JDN_OF_1970


def weekmask(weekend):
    names = ["mon", "tue", "wed", "thu", "fri", "sat", "sun"]
    off = weekend.split(",") if weekend != "none" else []
    return "".join("0" if name in off else "1" for name in names)


def check_numpy(probe, work_folder):
    """Counts and steps on several calendars against numpy; returns the differences."""
    rng = random.Random(14)
    wrong = []
    compared = 0
    calendars = []
    # The user's own days over a wide span of years, with several weekends.
    for index, weekend in enumerate(["sat,sun", "fri,sat", "sun", "none", "mon,wed,fri"]):
        days = sorted({rng.randint(jdn_of(datetime.date(1700, 1, 1)),
                                   jdn_of(datetime.date(2300, 1, 1))) for _ in range(3000)})
        path = f"{work_folder}/own{index}.txt"
        with open(path, "w", encoding="utf-8") as file:
            file.writelines(f"{day_of(jdn).isoformat()} day\n" for jdn in days)
        calendars.append((weekend, "-", path, days))
    # Region holidays as the probe lists them, so that numpy counts with the very
    # same days: this checks the counting tables, not the holiday law.
    for weekend, regions in [("sat,sun", "DE-BY"), ("sat,sun", "GB,US"), ("fri,sat", "IE")]:
        listed = holidays_by_year(probe, [regions], range(1800, 2201))[regions]
        calendars.append((weekend, regions, "-", sorted(listed)))
    # Counts anywhere in 1801..2199; steps from 1900..2100, so that no step of up to
    # 20,000 working days leaves the years whose holidays numpy was given.
    low, high = jdn_of(datetime.date(1801, 1, 1)), jdn_of(datetime.date(2199, 1, 1))
    step_low, step_high = jdn_of(datetime.date(1900, 1, 1)), jdn_of(datetime.date(2100, 1, 1))
    for weekend, regions, holiday_file, days in calendars:
        mask = weekmask(weekend)
        holidays = [to_numpy(jdn) for jdn in days]
        business = numpy.busdaycalendar(weekmask=mask, holidays=holidays)
        questions = [f"calendar {weekend} {regions} {holiday_file} -"]
        checks = []
        for _ in range(400):
            a = rng.randint(low, high)
            b = a + rng.choice([rng.randint(-40, 40), rng.randint(-40000, 40000)])
            b = min(max(b, low), high)
            questions.append(f"count {a} {b}")
            checks.append(("count", a, b))
            a = rng.randint(step_low, step_high)
            d = rng.choice([rng.randint(-30, 30), rng.randint(-20000, 20000)]) or 1
            first = rng.randint(0, 1)
            questions.append(f"working {a}")
            questions.append(f"second {a} {d} {first}")
            questions.append(f"first {a} {d} {first}")
            checks.append(("steps", a, d, first))
        answers = iter(probe.ask(questions))
        assert next(answers) == "ok"
        for check in checks:
            if check[0] == "count":
                _, a, b = check
                ours = int(next(answers))
                # numpy counts [begin, end); ours counts (a, b].
                theirs = int(numpy.busday_count(to_numpy(a + 1), to_numpy(b + 1),
                                                busdaycal=business))
                compared += 1
                if ours != theirs:
                    wrong.append(f"{weekend} {regions}: count {day_of(a)}..{day_of(b)} "
                                 f"ours {ours} numpy {theirs}")
                continue
            _, a, d, first = check
            working = next(answers) == "1"
            second = next(answers)
            first_date = next(answers)
            if working != bool(numpy.is_busday(to_numpy(a), busdaycal=business)):
                wrong.append(f"{weekend} {regions}: working day {day_of(a)}")
            # Second date: numpy moves a start that is not a working day first,
            # the program does not; they agree from a working day. Counting the
            # first date makes it the first of the |d| days.
            if working:
                steps = abs(d) - first
                expected = numpy.busday_offset(to_numpy(a), steps if d > 0 else -steps,
                                               roll="raise", busdaycal=business)
                compared += 1
                if second != str(from_numpy(expected)):
                    wrong.append(f"{weekend} {regions}: second {day_of(a)} {d:+} first={first} "
                                 f"ours {second} numpy {day_of(from_numpy(expected))}")
            # First date: both move a second date that is not a working day back to
            # the working day before it; counting the first date then moves the
            # result one working day towards the second date.
            expected = numpy.busday_offset(to_numpy(a), -d, roll="backward", busdaycal=business)
            if first:
                expected = numpy.busday_offset(expected, 1 if d > 0 else -1, busdaycal=business)
            compared += 1
            if first_date != str(from_numpy(expected)):
                wrong.append(f"{weekend} {regions}: first {day_of(a)} {d:+} first={first} "
                             f"ours {first_date} numpy {day_of(from_numpy(expected))}")
    print(f"numpy: {compared} counts and steps on {len(calendars)} calendars, "
          f"{len(wrong)} differ")
    return wrong


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    warnings.simplefilter("ignore")  # the reference warns about its experimental calendars
    probe = Probe(sys.argv[1], sys.argv[2])
    listing = "--list" in sys.argv[3:]
    problems = check_easter(probe)

    disagreements = compare_regions(probe)
    unexplained = []
    for region, date, side, our_names, reference_names in disagreements:
        reason = explain(region, date, side, our_names, reference_names)
        names = " / ".join(our_names if side == "ours" else reference_names)
        line = f"{region} {date} {date.strftime('%a')} only {side}: {names}"
        if reason is None:
            unexplained.append(line)
        elif listing:
            print(f"{line}  -- {reason}")
    print(f"workalendar: {len(REGIONS)} regions, {FIRST_YEAR}..{LAST_YEAR}, "
          f"{len(disagreements)} weekday disagreements, {len(unexplained)} unexplained")
    problems += [f"unexplained: {line}" for line in unexplained]
    problems += [f"explanation no longer needed: {known.reason}" for known in KNOWN
                 if not known.used]

    with tempfile.TemporaryDirectory() as folder:
        problems += check_numpy(probe, folder)

    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
