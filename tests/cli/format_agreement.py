#!/usr/bin/python3
"""Runs tembrel-cli on random dates, calendars and options in its three output
formats, and checks that they tell the same story and that the story is true:

  - the JSON output parses with `python3 -m json.tool --json-lines`;
  - each object's report is the line the text format prints for the same input,
    and both formats end with the same exit status;
  - the numbers agree with the dates, by rules and references written elsewhere:
    each date's text read by the Gregorian and Julian leap rules (and Python's
    datetime for the years 1..9999: ISO week and ordinal dates, weekdays), day
    counts of working days by numpy's busday_count and busday_offset, months
    added by the month lengths, and a Common Era or Julian breakdown adding up
    to the second date;
  - the TSV output has its header line and one row per input line, holding the
    JSON's values.

Usage: format_agreement.py <tembrel-cli> [runs] [seed]
Exit status 0 when everything agrees; otherwise the disagreements are printed.
"""

import datetime
import json
import random
import subprocess
import sys

import numpy

CALENDARS = ["CE", "JC", "JDN", "ISO", "ORD", "LPW", "LPM"]
MIN_JDN, MAX_JDN = -2100000000, 2100000000
JDN_OF_0001_01_01 = 1721426  # 1 January of year 1, Gregorian
JDN_OF_1970 = 2440588
WEEKDAYS = {
    "en": ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"],
    "de": ["Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"],
}
TSV_COLUMNS = [
    "first_input", "difference_input", "second_input", "kind",
    "first_calendar", "first_text", "first_jdn", "first_weekday", "first_iso_weekday",
    "second_calendar", "second_text", "second_jdn", "second_weekday", "second_iso_weekday",
    "difference", "days", "months", "breakdown_years", "breakdown_months", "breakdown_weeks",
    "breakdown_days", "report", "message_code", "message",
]

problems = []


def fail(where, text):
    problems.append(f"{where}: {text}")


# --- The calendars' rules -------------------------------------------------

def is_gregorian_leap(year):
    return year % 4 == 0 and (year % 100 != 0 or year % 400 == 0)


def month_length(year, month, julian):
    if month == 2:
        leap = year % 4 == 0 if julian else is_gregorian_leap(year)
        return 29 if leap else 28
    return 30 if month in (4, 6, 9, 11) else 31


def jdn_of_date(year, month, day, julian):
    """The day number of a date, counted from the leap rules: the days of the
    whole years before it (Python's floor division also counts back from year 1)
    and the days of the year up to it."""
    before = year - 1
    days = 365 * before + before // 4
    if not julian:
        days += -(before // 100) + before // 400
    days += sum(month_length(year, m, julian) for m in range(1, month)) + day
    # 1 January of year 1 is day 1 of the count in either calendar.
    return days - 1 + (JDN_OF_0001_01_01 if not julian else JDN_OF_0001_01_01 - 2)


def datetime_of(jdn):
    """The Gregorian date of a day number in Python's datetime, or None."""
    if not JDN_OF_0001_01_01 <= jdn <= JDN_OF_0001_01_01 + 3652058:
        return None
    return datetime.date(1, 1, 1) + datetime.timedelta(days=jdn - JDN_OF_0001_01_01)


def numpy_day(jdn):
    return numpy.datetime64("1970-01-01") + numpy.timedelta64(jdn - JDN_OF_1970, "D")


def is_workday(jdn):
    return jdn % 7 < 5  # day number 0 is a Monday


# --- Reading the dates the program writes ---------------------------------

class Options:
    def __init__(self, rng):
        self.order = rng.choice(["ymd", "dmy", "mdy"])
        self.sep = rng.choice(["-", "/", "."])
        self.thousands = rng.choice([",", ".", "none"])
        self.hyphen = rng.random() < 0.7
        self.lang = rng.choice(["en", "de"])
        self.include_first = rng.random() < 0.3
        self.weekdays_only = rng.random() < 0.3
        self.terse = rng.random() < 0.5

    def arguments(self):
        arguments = ["--order", self.order, "--sep", self.sep, "--thousands", self.thousands,
                     "--lang", self.lang]
        for flag, wanted in (("--no-hyphen", not self.hyphen),
                             ("--include-first", self.include_first),
                             ("--weekdays-only", self.weekdays_only), ("--terse", self.terse)):
            if wanted:
                arguments.append(flag)
        return arguments

    def whole_number(self, text):
        return int(text.replace(",", "").replace(".", ""))

    def year_month_day(self, text):
        """Reads a Common Era or Julian date as the options write it."""
        if self.order == "ymd":
            year, first, second = text.rsplit(self.sep, 2)
            month, day = int(first), int(second)
        else:
            first, second, year = text.split(self.sep, 2)
            month, day = (int(second), int(first)) if self.order == "dmy" else \
                (int(first), int(second))
        return self.whole_number(year.strip("()")), month, day

    def jdn_of(self, calendar, text):
        """The day number of a date text by the rules, or None where no
        reference reads the calendar (the leap week calendar)."""
        if calendar == "JDN":
            return self.whole_number(text)
        if calendar in ("CE", "JC"):
            return jdn_of_date(*self.year_month_day(text), julian=calendar == "JC")
        if calendar == "ORD":
            year, day = (text.split("-") if self.hyphen else (text[:4], text[4:]))
            return jdn_of_date(int(year), 1, 1, julian=False) + int(day) - 1
        if calendar == "ISO":
            year, rest = text.rsplit("W", 1)
            year = int(year.rstrip("-"))
            week, weekday = (rest.split("-") if self.hyphen else (rest[:2], rest[2:]))
            if not 1 <= year <= 9999:
                return None
            return jdn_of_datetime(datetime.date.fromisocalendar(year, int(week), int(weekday)))
        return None


def jdn_of_datetime(date):
    return (date - datetime.date(1, 1, 1)).days + JDN_OF_0001_01_01


# --- Running the program --------------------------------------------------

def run(cli, arguments, stdin=""):
    result = subprocess.run([cli] + arguments, input=stdin.encode(), capture_output=True,
                            check=False)
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8")


def random_jdn(rng):
    roll = rng.random()
    if roll < 0.7:
        return rng.randint(JDN_OF_0001_01_01, JDN_OF_0001_01_01 + 3652058)  # years 1..9999
    if roll < 0.9:
        return rng.randint(MIN_JDN, MAX_JDN)
    return rng.choice([MIN_JDN, MIN_JDN + 1, MAX_JDN - 1, MAX_JDN, 0, -1])


def one_date_text(cli, calendar, options, rng):
    """A random date that the calendar can write."""
    while True:
        texts = date_texts(cli, calendar, options, [random_jdn(rng)])
        if texts:
            return texts[0]


def date_texts(cli, calendar, options, jdns):
    """The dates of `jdns` as the program writes them in `calendar` with the
    options, to be read back as inputs."""
    code, out, err = run(cli, ["-", "--first-cal", "JDN", "--second-cal", calendar, "--format",
                               "json"] + options.arguments(), "".join(f"{j}\n" for j in jdns))
    texts = []
    for line in out.splitlines():
        second = json.loads(line)["second"]
        if second is not None:
            texts.append(second["text"])
    return texts


# --- The checks -----------------------------------------------------------

def check_date(where, date, calendar, options):
    if date is None:
        return
    if date["calendar"] != calendar:
        fail(where, f"calendar {date['calendar']}, asked for {calendar}")
    jdn = date["jdn"]
    if not MIN_JDN <= jdn <= MAX_JDN:
        fail(where, f"day number {jdn} out of range")
    if date["iso_weekday"] != jdn % 7 + 1:
        fail(where, f"ISO weekday {date['iso_weekday']} of day number {jdn}")
    reference = datetime_of(jdn)
    if reference is not None and reference.isoweekday() != date["iso_weekday"]:
        fail(where, f"{reference} is not weekday {date['iso_weekday']}")
    if date["weekday"] != WEEKDAYS[options.lang][date["iso_weekday"] - 1]:
        fail(where, f"weekday {date['weekday']!r} for ISO weekday {date['iso_weekday']}")
    read = options.jdn_of(calendar, date["text"])
    if read is not None and read != jdn:
        fail(where, f"{date['text']} {calendar} is day {read}, not {jdn}")


def working_days(first, second, options):
    """The count of the days after the earlier date up to the later one, signed,
    the first date added when it counts: numpy's business days."""
    low, high = sorted((first, second))
    count = int(numpy.busday_count(numpy_day(low + 1), numpy_day(high + 1))) \
        if options.weekdays_only else high - low
    count = count if second >= first else -count
    if options.include_first and (not options.weekdays_only or is_workday(first)):
        count += 1 if count >= 0 else -1
    return count


def check_difference(where, obj, options, months_unit):
    first, second, kind = obj["first"], obj["second"], obj["kind"]
    if kind == "days_between" and obj["days"] is not None:
        expected = working_days(first["jdn"], second["jdn"], options)
        if obj["days"] != expected:
            fail(where, f"counted {obj['days']} days, expected {expected}")
    if kind == "date_from_days" and first is not None and second is not None:
        days = obj["days"]
        given_first = obj["input"]["first"].strip() != ""
        step = 0 if days == 0 else (1 if days > 0 else -1)
        if not options.weekdays_only:
            shift = days - (step if options.include_first else 0)
            if second["jdn"] - first["jdn"] != shift:
                fail(where, f"{first['jdn']} and {second['jdn']} are not {shift} days apart")
        elif given_first and is_workday(first["jdn"]) and days != 0:
            count = days - (step if options.include_first else 0)
            expected = int((numpy.busday_offset(numpy_day(first["jdn"]), count) -
                            numpy_day(0)).astype(int))
            if second["jdn"] != expected:
                fail(where, f"{days} working days from {first['jdn']} gave {second['jdn']}, "
                            f"numpy {expected}")
    if kind == "date_from_months" and first and second and first["calendar"] in ("CE", "JC"):
        calendar = obj["first"]["calendar"]
        julian = calendar == "JC"
        given_first = obj["input"]["first"].strip() != ""
        source, target = (first, second) if given_first else (second, first)
        months = obj["months"] if given_first else -obj["months"]
        year, month, day = options.year_month_day(source["text"])
        index = month - 1 + months
        year, month = year + index // 12, index % 12 + 1
        day = min(day, month_length(year, month, julian))
        if target["jdn"] != jdn_of_date(year, month, day, julian):
            fail(where, f"{source['text']} plus {months} months is not {target['text']}")
    if not months_unit and obj["breakdown"] is not None:
        check_breakdown(where, obj, options)


def check_breakdown(where, obj, options):
    """A Common Era or Julian breakdown: the first date (the day before it when
    it counts) plus the years and months, a day past the month's end running on
    into the next, plus the days, is the second date."""
    first, second, parts = obj["first"], obj["second"], obj["breakdown"]
    if first["calendar"] not in ("CE", "JC") or obj["days"] <= 0:
        return
    julian = first["calendar"] == "JC"
    start = first["jdn"] - (1 if options.include_first else 0)
    year, month, day = options.year_month_day(obj["first"]["text"])
    if options.include_first:
        day -= 1
        if day == 0:
            month -= 1
            if month == 0:
                year, month = year - 1, 12
            day = month_length(year, month, julian)
    if jdn_of_date(year, month, day, julian) != start:
        fail(where, "cannot place the day before the first date")
        return
    index = month - 1 + parts["months"]
    year, month = year + parts["years"] + index // 12, index % 12 + 1
    end = jdn_of_date(year, month, 1, julian) + day - 1 + parts["days"]
    if end != second["jdn"] or parts["weeks"] != 0:
        fail(where, f"breakdown {parts} from {first['text']} ends on day {end}, "
                    f"not {second['jdn']}")


def check_tsv(where, out, objects):
    lines = out.split("\n")
    if lines[-1] != "":
        fail(where, "the TSV output does not end with a line end")
    lines = lines[:-1]
    if not lines or lines[0].split("\t") != TSV_COLUMNS:
        fail(where, f"TSV header {lines[:1]}")
        return
    rows = lines[1:]
    if len(rows) != len(objects):
        fail(where, f"{len(rows)} TSV rows for {len(objects)} computations")
        return
    for number, (row, obj) in enumerate(zip(rows, objects), 1):
        cells = row.split("\t")
        if len(cells) != len(TSV_COLUMNS):
            fail(f"{where}, row {number}", f"{len(cells)} cells")
            continue
        for column, cell in zip(TSV_COLUMNS, cells):
            value = member_of_column(obj, column)
            value = "" if value is None else str(value)
            if unescape(cell) != value:
                fail(f"{where}, row {number}", f"{column} {cell!r}, JSON {value!r}")


def member_of_column(obj, column):
    """The JSON value a TSV column holds: first_input is input.first, first_jdn
    first.jdn, message message.text, a name of its own the member itself."""
    if column.endswith("_input"):
        return obj["input"][column[:-len("_input")]]
    if column == "message":
        return obj["message"] and obj["message"]["text"]
    if column in obj:
        return obj[column]
    outer, inner = column.split("_", 1)
    return obj[outer] and obj[outer][inner]


def unescape(cell):
    return (cell.replace("\\\\", "\0").replace("\\t", "\t").replace("\\n", "\n")
            .replace("\\r", "\r").replace("\0", "\\"))


def compare(where, cli, arguments, stdin, options, months_unit, batch):
    text_code, text, _ = run(cli, arguments, stdin)
    json_code, out, err = run(cli, arguments + ["--format", "json"], stdin)
    tsv_code, tsv, _ = run(cli, arguments + ["--format", "tsv"], stdin)
    if not text_code == json_code == tsv_code:
        fail(where, f"exit status: text {text_code}, JSON {json_code}, TSV {tsv_code}")
    if json_code == 2:
        return 0
    tool = subprocess.run([sys.executable, "-m", "json.tool", "--json-lines"], input=out.encode(),
                          capture_output=True, check=False)
    if tool.returncode != 0:
        fail(where, f"json.tool: {tool.stderr.decode()}")
        return 0
    objects = [json.loads(line) for line in out.splitlines()]
    reports = text.split("\n")[:-1] if batch else [text.rstrip("\n")]
    if len(objects) != len(reports):
        fail(where, f"{len(objects)} JSON objects for {len(reports)} text lines")
        return 0
    for number, (obj, report) in enumerate(zip(objects, reports), 1):
        line = f"{where}, line {number}"
        if obj["report"] != report:
            fail(line, f"JSON report {obj['report']!r}, text {report!r}")
        if obj["line"] != (number if batch else None):
            fail(line, f"numbered {obj['line']}")
        check_message(line, obj, batch)
        check_date(line + ", first date", obj["first"], first_calendar(arguments), options)
        check_date(line + ", second date", obj["second"], second_calendar(arguments), options)
        check_difference(line, obj, options, months_unit)
    check_tsv(where, tsv, objects)
    return len(objects)


def check_message(where, obj, batch):
    """A refused input has a message and no report but "Out of Range"; a blank
    batch line has neither."""
    first = obj["input"]["first"]
    blank = batch and first is not None and first.strip(" \t") == ""
    message, report = obj["message"], obj["report"]
    if blank and (message is not None or report != "" or obj["kind"] != "none"):
        fail(where, f"a blank line gave {obj}")
    if not blank and report == "" and message is None:
        fail(where, "neither a report nor a message")
    if message is not None and report != "" and message["code"] != "result_out_of_range":
        fail(where, f"message {message['code']} beside the report {report!r}")


def first_calendar(arguments):
    return arguments[arguments.index("--first-cal") + 1]


def second_calendar(arguments):
    return arguments[arguments.index("--second-cal") + 1]


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    cli = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20080115
    rng = random.Random(seed)
    computations = 0
    for number in range(runs):
        options = Options(rng)
        first, second = rng.choice(CALENDARS), rng.choice(CALENDARS)
        shape = rng.choice(["lone", "days", "between", "months", "from second"])
        if shape == "months":
            second = first if rng.random() < 0.8 else second
        arguments = ["--today", "2008-03-15", "--first-cal", first, "--second-cal", second] + \
            options.arguments()
        where = f"run {number} (seed {seed}): {' '.join(arguments)}"
        difference = str(rng.choice([0, 1, -1, 5, -7, 31, rng.randint(-100000, 100000),
                                     rng.randint(-2100000000, 2100000000)]))
        if shape in ("days", "months", "from second"):
            arguments += ["-d", difference]
        if shape == "months":
            arguments.append("--months")
        firsts = date_texts(cli, first, options, [random_jdn(rng) for _ in range(120)])
        if shape in ("between", "from second"):
            arguments += ["-2", one_date_text(cli, second, options, rng)]
        if shape == "from second":
            # One computation a run: the first date is left to compute.
            computations += compare(where, cli, arguments, "", options, False, False)
            continue
        lines = firsts + ["", "  ", "2008-02-30", "abc", "\t2008-01-15\t", "-", "1,2,3", "a\\tb",
                          "\r"]
        rng.shuffle(lines)
        computations += compare(where, cli, ["-"] + arguments, "\n".join(lines) + "\n", options,
                                shape == "months", True)
        # The same computation alone, as a script would ask for it.
        computations += compare(where + " (one)", cli, arguments + ["-1", firsts[0]], "",
                                options, shape == "months", False)
    for problem in problems[:40]:
        print(problem)
    print(f"{computations} computations in {runs} runs, {len(problems)} disagreements")
    return 1 if problems or computations < runs * 50 else 0


if __name__ == "__main__":
    sys.exit(main())
