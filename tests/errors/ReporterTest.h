#pragma once

#include "support/FakeZeit.h"
#include "support/Mp3Frames.h"
#include "support/ReporterScope.h"

#include <gtest/gtest.h>

#include <ostream>

using Mp3Frames::readFile;

// Lets failing expectations show texts instead of UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A fresh reporter per test: a clock standing at 14:05:07, a scripted window,
// error files in a temporary folder, and an end of program that is only counted.
class ReporterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.start = QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7));
        reporter().setClock(&clock);
        reporter().setEndProgram([this] { ++programEnds; });
    }

    static ErrPtnr& reporter() { return ErrPtnr::instance(); }

    FakeZeit clock;
    ReporterScope scope { ErrPtnr::ProzedurVerlassen };
    QTemporaryDir& folder = scope.folder;
    ScriptedErrorWindow& window = scope.errors;
    int programEnds = 0;
};
