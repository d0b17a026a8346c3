// The main of every test program: a headless Qt application and a private,
// empty home for each test process, so that no test sees the user's files.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/testing/temp_home.h"

// Sanitizer defaults for every test program (the environment may add more).
extern "C" const char* __asan_default_options() { return "detect_leaks=0:abort_on_error=1"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

int main(int argc, char** argv) {
    qb::testing::usePrivateHome();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QB_SOURCE_DIR", QB_SOURCE_DIR, 0);
    setenv("QB_BIN_DIR", QB_BIN_DIR, 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
