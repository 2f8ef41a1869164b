#pragma once

#include "Recorders.h"

#include "common/ProgrammEnde.h"
#include "errors/ErrPtnr.h"
#include "platform/AppPaths.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <ostream>

// Readable failure messages for texts; NUL characters shown as \0.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << QString(text).replace(QChar(0), QStringLiteral("\\0")).toStdString() << '"';
}

// Fresh folders per test: songs go below music(), the error log into the
// program folder next to it; faults are answered by a recording window.
class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppPaths::setProgramFolder(m_dir.path());
        ErrPtnr::instance().reset();
        ErrPtnr::instance().setWindow(&errors);
        ProgrammEnde = false;
    }
    void TearDown() override
    {
        ErrPtnr::instance().setWindow(nullptr);
        ProgrammEnde = false;
    }

    QString music() const { return m_dir.path() + QStringLiteral("/Musik"); }

    RecordingErrorWindow errors;

private:
    QTemporaryDir m_dir;
};
