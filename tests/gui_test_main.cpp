#include <QGuiApplication>
#include <gtest/gtest.h>

// GoogleTest main for tests that paint text or pictures: they need a GUI application but no
// screen. gtest_discover_tests runs the binary without CTest's environment, hence the default.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
