// The start of every screenshot tool (`tool FOLDER`): the offscreen platform
// unless the caller chose one, the folder for the pictures, settings kept in
// FOLDER/config away from the user's own, and the shipped program texts.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdio>
#include <optional>

#include "text/program_text.h"

namespace tembrel::test_support {

// Call before the QApplication is made.
inline void UseOffscreenUnlessChosen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Checks the arguments, makes the folder and loads `texts` from `dataFile`.
// Returns the exit status to end with when something is wrong.
inline std::optional<int> PrepareScreenshots(int argc, char** argv, const char* dataFile,
                                             QDir& folder, ProgramTexts& texts) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    folder = QDir(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    const ProgramTextLoad load = texts.LoadProgramTextFrom(dataFile);
    if (!load.ok()) {
        std::fprintf(stderr, "%s\n", load.message.c_str());
        return 1;
    }
    return std::nullopt;
}

}  // namespace tembrel::test_support
