// A clipboard that records what was put on it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/model/clipboard.h"

namespace tembrel::test_support {

class RecordingClipboard : public Clipboard {
  public:
    void SetText(std::string_view text) override { texts.emplace_back(text); }

    std::vector<std::string> texts;
};

}  // namespace tembrel::test_support
