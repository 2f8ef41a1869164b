#include "ReporterTest.h"

#include "errors/Procedure.h"

#include <stdexcept>

// A step that counts its calls and throws on the first `failures` of them.
static auto flaky(int failures, int& calls)
{
    return [failures, &calls] {
        if (++calls <= failures)
            throw FaultError(53, "Datei nicht gefunden");
    };
}

using ProcedureRun = ReporterTest;

TEST_F(ProcedureRun, RegistersItselfAndTheChosenCodeDecidesHowItGoesOn)
{
    Procedure proc("frmMain", "void frmMain::Uebernehmen_Click()");
    EXPECT_EQ(reporter().history(), QStringList("[frmMain] void frmMain::Uebernehmen_Click() 14:05:07"));
    window.codes = { ErrPtnr::BefehlWiederholen, ErrPtnr::BefehlWiederholen, ErrPtnr::Fortsetzen,
        ErrPtnr::ProzedurVerlassen, ErrPtnr::ProgrammBeenden };
    int calls = 0;
    EXPECT_TRUE(proc.run(flaky(2, calls)));
    ASSERT_EQ(std::pair(calls, window.reports.size()), std::pair(3, qsizetype(2)));
    EXPECT_EQ(std::pair(window.reports[0].rows, window.reports[0].contBits),
        std::pair(QStringList({ "Datei nicht gefunden (53)", "frmMain", "Uebernehmen_Click", "0" }), 255));

    calls = 0;
    EXPECT_TRUE(proc.run(flaky(5, calls)));
    EXPECT_FALSE(proc.run(flaky(5, calls)));
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(proc.run(flaky(5, calls)));
    EXPECT_EQ(std::pair(programEnds, calls), std::pair(1, 3)) << "no step repeated";

    window.codes = { ErrPtnr::Fortsetzen, ErrPtnr::BefehlWiederholen };
    calls = 0;
    const auto band = [step = flaky(2, calls)] {
        step();
        return QStringLiteral("Band");
    };
    EXPECT_EQ(proc.value(band, "?"), "?");
    EXPECT_EQ(proc.value(band, "?"), "Band");
}

TEST_F(ProcedureRun, InnerProcedureLeavesOnlyItself)
{
    window.codes = { ErrPtnr::ProzedurVerlassen };
    bool outerGoesOn = false;
    const auto inner = [] {
        Procedure proc("modPlayer", "void modPlayer::Stoppen(int Index)", { { "Index", 1 } });
        if (!proc.run([] { throw std::runtime_error("kaputt"); }))
            return;
        ADD_FAILURE() << "left procedure went on";
    };
    Procedure outer("frmMain", "void frmMain::Naechstes()");
    outer.run(inner);
    outer.run([&] { outerGoesOn = true; });

    EXPECT_TRUE(outerGoesOn);
    ASSERT_EQ(window.reports.size(), 1);
    EXPECT_EQ(window.reports.first().rows[2], "Stoppen");
}

TEST_F(ProcedureRun, FaultsAreNumberedByTheirKind)
{
    Procedure proc("modTest", "void modTest::Test()");
    const QList<std::pair<std::function<void()>, QString>> cases {
        { [] { throw FaultError(75, "Fehler beim Zugriff auf Pfad/Datei"); },
            "Fehler beim Zugriff auf Pfad/Datei (75)" },
        { [] { throw std::out_of_range("at"); }, "Index außerhalb des gültigen Bereichs (9)" },
        { [] { throw std::runtime_error("kaputt"); }, "kaputt (5)" },
        { [] { throw 42; }, "Unerwarteter Fehler (5)" },
    };
    for (const auto& [step, row] : cases) {
        proc.run(step);
        EXPECT_EQ(window.reports.last().rows.first(), row);
    }
    EXPECT_EQ(window.reports.size(), cases.size());
    const Fault outsideCatch = Fault::fromCurrentException();
    EXPECT_EQ(
        std::pair(outsideCatch.description, outsideCatch.number), std::pair(QStringLiteral("Unerwarteter Fehler"), 5));
}
