#pragma once

#include "FakeClock.h"
#include "QStringPrinter.h"
#include "ScriptedWindow.h"

#include "errors/ErrPtnr.h"
#include "platform/AppPaths.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

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
    ScriptedWindow window;
    int programEnds = 0;
};
