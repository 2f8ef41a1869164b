#include <gtest/gtest.h>
#include <QApplication>

// Every test program gets a QApplication (offscreen in CI), so widget tests
// and event processing work the same way as in the program.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tonvaro-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
