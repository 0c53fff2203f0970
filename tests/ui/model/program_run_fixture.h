// Whole runs of the program without a display: each Start() builds a new main
// window form model and runs the start-up sequence, each Quit() saves the
// settings and drops the model, as the next start of the program would find
// them. The settings live in a temporary configuration folder; the browser is a
// recorder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_file.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/model/fixed_services.h"
#include "tests/ui/model/main_form_fixture.h"
#include "ui/model/desktop_services.h"

namespace tembrel::test_support {

// The settings file's text with the defaults.
inline constexpr std::string_view kDefaultSettingsText =
    "0\r\n2,45,44\r\n0,0,0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n\"Sun\"\r\n\"CE\"\r\n"
    "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n";

// Services whose configuration folder is `folder`.
inline FixedServices ConfigIn(const std::filesystem::path& folder) {
    FixedServices services;
    services.configFolder = folder;
    return services;
}

class ProgramRunTest : public ::testing::Test {
  protected:
    ProgramRunTest() {
        const ProgramTextLoad load = texts.LoadProgramTextFrom(TEMBREL_DATA_FILE);
        EXPECT_TRUE(load.ok()) << load.message;
    }

    // Starts the program: a new form model through the whole start-up.
    MainForm& Start() {
        main_.reset();
        main_ = std::make_unique<MainForm>(texts, dialogs, clipboard, ProgramVersion{"9.98"},
                                           &services);
        RunStartUp(*main_);
        return *main_;
    }

    // Quits the running program with its Quit button.
    void Quit() {
        main_->Click(MainWindowControl::cmdQuit);
        main_.reset();
    }

    MainForm& main() { return *main_; }

    std::filesystem::path SettingsFolder() const { return config_ / "tembrel"; }
    std::filesystem::path SettingsFile() const { return SettingsFolder() / kSettingsFileName; }

    // Returns the settings file's bytes; empty when there is none.
    std::string FileText() const {
        std::ifstream file(SettingsFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    // Puts a settings file in place for the next start.
    void WriteFile(std::string_view bytes) const {
        std::filesystem::create_directories(SettingsFolder());
        std::ofstream(SettingsFile(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    TempFolder folder_;
    std::filesystem::path config_ = folder_.path() / "config";
    ProgramTexts texts;
    ScriptedDialogs dialogs;
    RecordingClipboard clipboard;
    FixedServices services = ConfigIn(config_);

  private:
    std::unique_ptr<MainForm> main_;
};

}  // namespace tembrel::test_support
