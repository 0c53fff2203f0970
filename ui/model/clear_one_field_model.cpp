#include "ui/model/clear_one_field_model.h"

#include <array>

#include "compute/compute_messages.h"
#include "text/text_table.h"

namespace tembrel {

namespace {

using C = ClearOneFieldControl;
using K = ControlKind;

constexpr FontClass kFont = FontClass::Panel;
constexpr ColourClass kBack = ColourClass::Background;

// clang-format off
constexpr std::array kLayout = {
    ClearOneFieldEntry{C::lblNeedToClear, "lblNeedToClear", K::Label, C::frmClearOneTextBox, {210, 105, 7260, 645}, kFont, kBack},
    ClearOneFieldEntry{C::lblClear, "lblClear", K::Label, C::frmClearOneTextBox, {210, 840, 855, 330}, kFont, kBack},
    ClearOneFieldEntry{C::optClearFirstDate, "optClearFirstDate", K::Option, C::frmClearOneTextBox, {1155, 840, 1740, 330}, kFont, kBack},
    ClearOneFieldEntry{C::optClearDateDiff, "optClearDateDiff", K::Option, C::frmClearOneTextBox, {3045, 840, 2475, 330}, kFont, kBack},
    ClearOneFieldEntry{C::optClearSecondDate, "optClearSecondDate", K::Option, C::frmClearOneTextBox, {5775, 840, 2055, 330}, kFont, kBack},
    ClearOneFieldEntry{C::lblOr, "lblOr", K::Label, C::frmClearOneTextBox, {210, 1260, 540, 330}, kFont, kBack},
    ClearOneFieldEntry{C::optCancel, "optCancel", K::Option, C::frmClearOneTextBox, {1155, 1260, 3945, 330}, kFont, kBack},
    ClearOneFieldEntry{C::cmdContinue, "cmdContinue", K::Button, C::frmClearOneTextBox, {6195, 1260, 1590, 360}, kFont, ColourClass::Toolkit},
};
// clang-format on

// The dialog stands this far right of the date entry panel and this far below
// the main window's top.
constexpr int32_t kOffsetLeft = 50;
constexpr int32_t kOffsetTop = 2850;

}  // namespace

std::span<const ClearOneFieldEntry> ClearOneFieldLayout() {
    return kLayout;
}

ClearOneFieldControl OptionOfChoice(ClearChoice choice) {
    switch (choice) {
        case ClearChoice::FirstDate:
            return C::optClearFirstDate;
        case ClearChoice::SecondDate:
            return C::optClearSecondDate;
        case ClearChoice::Cancel:
            return C::optCancel;
        case ClearChoice::DateDiff:
            break;
    }
    return C::optClearDateDiff;
}

ClearChoice ChoiceOfOption(ClearOneFieldControl option) {
    for (const ClearChoice choice : {ClearChoice::FirstDate, ClearChoice::DateDiff,
                                     ClearChoice::SecondDate, ClearChoice::Cancel}) {
        if (OptionOfChoice(choice) == option) {
            return choice;
        }
    }
    return ClearChoice::DateDiff;
}

const std::string& ClearOneFieldCaptions::Of(ClearOneFieldControl id) const {
    switch (id) {
        case C::lblNeedToClear:
            return lblNeedToClear;
        case C::lblClear:
            return lblClear;
        case C::optClearFirstDate:
            return optClearFirstDate;
        case C::optClearDateDiff:
            return optClearDateDiff;
        case C::optClearSecondDate:
            return optClearSecondDate;
        case C::lblOr:
            return lblOr;
        case C::optCancel:
            return optCancel;
        case C::cmdContinue:
            return cmdContinue;
        case C::frmClearOneTextBox:
            break;
    }
    return window;
}

ClearOneFieldCaptions ClearOneFieldCaptionsIn(LanguageCode language) {
    const auto text = [language](TextItem item) { return std::string(T(item, language)); };
    ClearOneFieldCaptions captions;
    captions.lblNeedToClear = std::string(ComputeMsg(kMsgDifferenceMustBeEmpty, language));
    captions.lblClear = text(TextItem::Clear) + ":";
    captions.lblOr = text(TextItem::Or);
    captions.optClearFirstDate = text(TextItem::FirstDate);
    captions.optClearDateDiff = text(TextItem::DateDifference);
    captions.optClearSecondDate = text(TextItem::SecondDate);
    captions.optCancel = text(TextItem::CancelThisOperation);
    captions.cmdContinue = text(TextItem::Continue);
    captions.window = text(TextItem::Clear);
    return captions;
}

TwipsRect ClearOneFieldPlace(const TwipsRect& mainWindow, int32_t frame3Left) {
    TwipsRect place;
    place.left = ClampTwips(int64_t{mainWindow.left} + frame3Left + kOffsetLeft);
    place.top = ClampTwips(int64_t{mainWindow.top} + kOffsetTop);
    place.width = kClearOneFieldClientWidth;
    place.height = kClearOneFieldClientHeight;
    return place;
}

}  // namespace tembrel
