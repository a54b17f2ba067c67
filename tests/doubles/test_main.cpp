#include "core/operation.h"
#include "doubles/missing_operations.h"

#include <QApplication>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>

// Every test binary gets a QApplication, so widgets, timers and event
// loops work as in the program.
// Without a platform chosen by the test's environment, or without the X
// display a test asked for, it runs offscreen (display tests then skip).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the program keeps in the user's folders goes to a folder of the test run's.
    QTemporaryDir userData;
    QTemporaryDir userConfig;
    qputenv("XDG_DATA_HOME", QFile::encodeName(userData.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(userConfig.path()));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    // A window operation that no feature (and no fixture) provides fails the test.
    setMissingOperationHandler(&failOnMissingOperation);
    return RUN_ALL_TESTS();
}
