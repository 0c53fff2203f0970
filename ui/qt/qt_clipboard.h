// The system clipboard for the form models: plain text through Qt.
#pragma once

#include <QClipboard>
#include <QGuiApplication>

#include "ui/model/clipboard.h"
#include "ui/qt/qt_controls.h"

namespace tembrel {

class QtClipboard : public Clipboard {
  public:
    void SetText(std::string_view text) override {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        // The clipboard gets the text as the program holds it, CR LF line ends
        // included.
        clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
};

}  // namespace tembrel
