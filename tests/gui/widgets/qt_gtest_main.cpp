// GoogleTest entry point for tests that need a running QApplication. The
// tests draw off screen unless a platform is chosen explicitly, so that they
// also run (and are listed by ctest) on machines without a display.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
