// Date texts a user or a script might send, for property tests of the parsers,
// the engine and the batch mode: every notation's dates written with random format
// options (valid in some fields, not in others), dates near the ends of every
// range, and damaged or hostile texts.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "core/calendar_codes.h"
#include "core/calendar_tables.h"
#include "core/notation.h"

namespace tembrel::test_support {

// The seven notations of the date fields.
inline constexpr CalendarCode kFieldCalendars[] = {
    CalendarCode::CE,  CalendarCode::JC,  CalendarCode::JDN, CalendarCode::ISO,
    CalendarCode::ORD, CalendarCode::LPW, CalendarCode::LPM};

// Returns the hostile texts and `count` random ones.
inline std::vector<std::string> RandomDateTexts(std::mt19937& random, int count) {
    const std::vector<std::string> hostile = {
        "2008-02-30",
        "2008-13-01",
        "2007-02-29",
        "0-01-01",
        "-0-01-01",
        "+2008-01-15",
        "2008--01-15",
        "2008-01-15-",
        "-2008-01-15",
        "15-03-(-45)",
        "15/03/-45",
        "12,345-01-01",
        "5800000-12-31",
        "5800001-01-01",
        "-5800001-01-01",
        "99999999999-01-01",
        "2008-01-15 CE",
        "2008 01 15",
        "2008-1-5",
        "2008-W53-1",
        "2009-W53-1",
        "2008W011",
        "2008-W01-1 ISO",
        "-45-W01-1",
        "2008-W54-1",
        "2008-W01-8",
        "2008w011",
        "2008-366",
        "2007-366",
        "0000-001",
        "10000-01",
        "2008061",
        "2008-061",
        "2,454,000",
        "2.454.000",
        "24.54000",
        "-1234",
        "12-34",
        "+1,000",
        "2099999999",
        "2100000000",
        "-2100000000",
        "2147483648",
        "abc",
        "-",
        "+",
        ",",
        ".",
        "/",
        "W",
        "--",
        "2008-01-1 LPW",
        "2008-1-1",
        "2008-01",
        "6000000-01-1",
        "2009-12-35 LPM",
        "2009-12-36",
        "2008-00-1",
        "2008-13-1",
        "\t2008-01-15",
        "2008-01-15\t",
        "2008-01-15\r",
        "2008/01/15",
        "2008.01.15",
        "01.15.2008",
        "(2008)-01-15",
        " ",
        "   x ",
        "1601-01-01",
        "4095-12-31",
        "1-01-01",
        "9999-12-31",
        "10000-01-01",
        "-4713-11-24",
        "5879610-07-11",
        std::string("2008-01-15\0x", 12),
        "\xC3\xA4",
        "0001-001",
        "9999-365",
    };
    std::vector<std::string> texts = hostile;
    std::uniform_int_distribution<int32_t> anyDay(kMinJDN, kMaxJDN);
    std::uniform_int_distribution<int32_t> modernDay(kFirstJDNOfCE1, kLastJDNOfCE9999);
    std::uniform_int_distribution<int> small(0, 99);
    const char noise[] = " -/.,+W()x0123456789";
    for (int i = 0; i < count; ++i) {
        const int32_t jdn = small(random) < 80 ? modernDay(random) : anyDay(random);
        NotationOptions notation;
        notation.order = static_cast<DateOrder>(small(random) % 3);
        notation.dateSep = std::string(1, "-/."[small(random) % 3]);
        notation.thousSep =
            std::vector<std::string>{",", ".", ""}[static_cast<size_t>(small(random) % 3)];
        notation.hyphen = small(random) % 2 == 0;
        std::string text;
        const CalendarCode cal = kFieldCalendars[small(random) % 7];
        if (!FormatJDNInNotation(jdn, cal, notation, text)) {
            text = std::to_string(jdn);
        }
        switch (small(random) % 10) {
            case 0:
                text = "  " + text + " ";
                break;
            case 1:
                text += " " + std::string(CalCodeText(cal));
                break;
            case 2:
                text.insert(static_cast<size_t>(small(random)) % (text.size() + 1), 1,
                            noise[small(random) % (sizeof noise - 1)]);
                break;
            case 3:
                text.erase(static_cast<size_t>(small(random)) % text.size(), 1);
                break;
            case 4:
                text = "-" + text;
                break;
            default:
                break;  // as written
        }
        texts.push_back(text);
    }
    return texts;
}

}  // namespace tembrel::test_support
