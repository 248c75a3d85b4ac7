#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run on the offscreen platform (set by CTest).
int main(int argc, char** argv) {
    // CTest also runs this program to list its tests, without the test
    // environment; never try to reach a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
