#include <gtest/gtest.h>

#include <QApplication>

// GUI tests run without a display; CTest sets the same, and this default also
// covers the test listing that runs at build time.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
