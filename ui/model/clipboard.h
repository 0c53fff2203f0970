// The system clipboard as the windows use it: plain text only. The desktop
// program implements it with the toolkit's clipboard; tests record the text.
#pragma once

#include <string_view>

namespace tembrel {

class Clipboard {
  public:
    virtual ~Clipboard() = default;

    // Empties the clipboard and puts `text` on it as plain text.
    virtual void SetText(std::string_view text) = 0;
};

}  // namespace tembrel
