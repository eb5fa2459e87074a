#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// The main of the test programs that need a QApplication. Listing the tests happens without
// ctest's environment, and there may be no display: offscreen unless the caller chose.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
