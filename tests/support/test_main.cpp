#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// Widget tests need a QApplication; core tests only need an event loop. Test
// executables ask for the widget flavour by defining talmoTestNeedsWidgets.
bool talmoTestNeedsWidgets() __attribute__((weak));

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (talmoTestNeedsWidgets && talmoTestNeedsWidgets())
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
