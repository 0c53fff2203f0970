#include "cli/format_options.h"

namespace tembrel::cli {

bool IsFormatOption(std::string_view name) {
    return name == "--order" || name == "--sep" || name == "--thousands" || name == "--lang";
}

std::string ReadFormatOption(std::string_view name, std::string_view value, CliOptions& options) {
    if (name == "--order") {
        if (value == "ymd") {
            options.order = DateOrder::YMD;
        } else if (value == "dmy") {
            options.order = DateOrder::DMY;
        } else if (value == "mdy") {
            options.order = DateOrder::MDY;
        } else {
            return "--order takes ymd, dmy or mdy";
        }
    } else if (name == "--sep") {
        if (value != "-" && value != "/" && value != ".") {
            return "--sep takes -, / or .";
        }
        options.dateSep = value;
    } else if (name == "--thousands") {
        if (value != "," && value != "." && value != "none") {
            return "--thousands takes , . or none";
        }
        options.thousSep = value == "none" ? "" : value;
    } else if (name == "--lang") {
        if (value != "en" && value != "de") {
            return "--lang takes en or de";
        }
        options.language = value == "de" ? LanguageCode::German : LanguageCode::English;
    }
    return {};
}

}  // namespace tembrel::cli
