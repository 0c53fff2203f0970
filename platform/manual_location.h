// Where the user manual is: the copy beside the executable's folder in a build
// tree (doc/manual.<language>.html), else the installed copy beside the data
// files (../share/tembrel/doc/ relative to the executable's folder).
#pragma once

#include <filesystem>
#include <string>

#include "text/language.h"

namespace tembrel {

// Returns the manual's file name: manual.de.html for German, manual.en.html
// for every other language (the manual exists in English and German only).
std::string ManualFileName(LanguageCode language);

// Returns the installed manual's folder relative to the folder of the
// installed executables, e.g. ../share/tembrel/doc.
std::filesystem::path InstalledManualFolder();

// Returns the manual's path for an executable in `executableFolder`: the build
// tree's copy in doc/ when it exists, else the installed copy when it exists,
// else the installed copy's path (so that the warning of a failed launch names
// the place where the manual belongs).
std::filesystem::path LocateManual(const std::filesystem::path& executableFolder,
                                   LanguageCode language);

// Returns the file:// address of the manual for the running executable.
std::string ManualAddress(LanguageCode language);

}  // namespace tembrel
