// Writes each day number read from standard input (one a line) in every listed
// row of the notation table, for comparison with other implementations (see
// compare_with_icu.py): "2460390 HEB=5784-07-10 ISL=... CHN=78-41-02-11 ...",
// year first with "-" and no thousands separator; "CODE=-" where a row has no
// date for the day.
#include <iostream>
#include <string>

#include "core/notation_table.h"

int main() {
    tembrel::NotationOptions options;
    options.order = tembrel::DateOrder::YMD;
    options.dateSep = "-";
    options.thousSep = "";
    std::string line;
    std::string output;
    while (std::getline(std::cin, line)) {
        const int32_t jdn = std::stoi(line);
        output = std::to_string(jdn);
        for (const tembrel::NotationRow& form : tembrel::Notations()) {
            if (!form.listed) {
                continue;
            }
            output += ' ';
            output += tembrel::CalCodeText(form.code);
            output += '=';
            std::string text;
            bool written = false;
            {
                tembrel::TextAppender out(text);
                written = form.append(jdn, options, out);
            }
            output += written ? text : "-";
        }
        std::cout << output << '\n';
    }
    return 0;
}
