// Entry point of the window tests: an offscreen QApplication around GoogleTest.
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv) {
    // Test discovery runs the binary without the test's environment, so the platform is set here.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
