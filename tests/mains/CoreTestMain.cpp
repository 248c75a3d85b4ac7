#include <QCoreApplication>
#include <gtest/gtest.h>

// Tests of non-GUI code run with a core application so that event loops,
// queued calls and timers behave as in the programs.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
