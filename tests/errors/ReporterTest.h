#pragma once

#include "common/Clock.h"
#include "platform/AppPaths.h"
#include "support/ScriptedErrorWindow.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <ostream>

// Lets failing expectations show texts instead of UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A clock that stands still at a given time.
class FakeClock : public Clock {
public:
    QDateTime time { QDate(2024, 3, 9), QTime(14, 5, 7) };

    QDateTime now() const override { return time; }
    qint64 milliseconds() const override { return time.toMSecsSinceEpoch(); }
};

// A fresh reporter per test: fixed clock, scripted window, error files in a
// temporary folder, and an end of program that is only counted.
class ReporterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        AppPaths::setProgramFolder(folder.path());
        reporter().reset();
        reporter().setClock(&clock);
        reporter().setWindow(&window);
        reporter().setEndProgram([this] { ++programEnds; });
    }
    void TearDown() override
    {
        reporter().reset();
        AppPaths::setProgramFolder(QString());
    }

    static ErrPtnr& reporter() { return ErrPtnr::instance(); }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    FakeClock clock;
    ScriptedErrorWindow window;
    int programEnds = 0;
};
