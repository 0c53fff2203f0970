#include "compute/compute_messages.h"

#include <array>
#include <cstddef>

namespace tembrel {

namespace {

using MessageColumn = std::array<std::string_view, kComputeMessageCount>;

constexpr MessageColumn kEnglish = {
    "If both the first date and the second date are specified\r\n"
    "then the date difference window must be empty.",
    "First date is not valid in specified calendar using specified date format.",
    "First date is not valid in the ISO 8601 Week Calendar.",
    "First date is out of range.",
    "Date difference is not valid.",
    "Date difference is out of range.",
    "Second date is not valid in specified calendar using specified date format.",
    "Second date is not valid in the ISO 8601 Week Calendar.",
    "Second date is out of range.",
    "Result is out of range.",
};

constexpr MessageColumn kGerman = {
    " Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\r\n"
    "muss das Feld für die Datumsdifferenz leer sein.",
    "Erstes Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulässig.",
    "Erstes Datum ist in dem ISO 8601 Week Kalender nicht zulässig.",
    "Erstes Datum liegt ausserhalb des erlaubten Bereichs.",
    "Datumsdifferenz ist nicht zulässig.",
    "Datumsdifferenz ist ausserhalb des erlaubten Bereichs.",
    "Zweites Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulässig.",
    "Zweites Datum ist in dem ISO 8601 Week Kalender nicht zulässig.",
    "Zweites Datum liegt ausserhalb des erlaubten Bereichs.",
    "Das Resultat liegt ausserhalb des erlaubten Bereichs.",
};

constexpr MessageColumn kSpanish = {
    "Si ambas, la primera y la segunda fechas, son especificadas entonces\r\n"
    "la ventana de diferencia de fechas debe estar vacía.",
    "La primera fecha no es válida en un calendario especificado.",
    "La primera fecha no es válida en Calendario ISO 8601 Week.",
    "Primera fecha está fuera de rango.",
    "Diferencia de fechas no es válida.",
    "Diferencia de fechas está fuera de rango.",
    "La segunda fecha no es válida en el calendario específicado.",
    "La segunda fecha no es válida en Calendario ISO 8601 Week.",
    "La segunda fecha está fuera de rango.",
    "El resultado está fuera de rango.",
};

constexpr MessageColumn kNoMessages = {};

// strComputeMsg: indexed by language slot, then message number.
constexpr std::array<const MessageColumn*, kLanguageSlotCount> strComputeMsg = {
    &kEnglish, &kGerman, &kNoMessages, &kNoMessages, &kSpanish, &kNoMessages,
};

}  // namespace

std::string_view ComputeMsg(int number, LanguageCode language) {
    const int slot = LanguageSlot(language);
    if (slot < 0 || number < 0 || number >= kComputeMessageCount) {
        return {};
    }
    return (*strComputeMsg[static_cast<std::size_t>(slot)])[static_cast<std::size_t>(number)];
}

}  // namespace tembrel
