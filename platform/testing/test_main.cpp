// The main of every test program: a headless Qt application and a private,
// empty home for each test process, so that no test sees the user's files.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/testing/temp_home.h"

int main(int argc, char** argv) {
    qb::testing::usePrivateHome();
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
