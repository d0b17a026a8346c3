#pragma once
// A private home for a test process: HOME, the XDG folders and the runtime
// folder point into a fresh temporary folder (mode 0700), removed at exit.
#include <string>

namespace qb::testing {

// Sets HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_RUNTIME_DIR, XDG_DOCUMENTS_DIR,
// XDG_MUSIC_DIR and XDG_DOWNLOAD_DIR under one new temporary folder and
// returns that folder. Called once, before anything else, by the test main.
std::string usePrivateHome();

// The folder usePrivateHome() made.
const std::string& privateHome();

// A new empty folder below the private home.
std::string makeTempDir(const std::string& stem = "t");

}  // namespace qb::testing
