#include "ReporterTest.h"

#include "errors/Procedure.h"

#include <new>
#include <stdexcept>

namespace {

// Counts its calls and throws on the first `failures` of them.
struct FlakyStep {
    int failures = 0;
    int calls = 0;

    void operator()()
    {
        if (++calls <= failures)
            throw FaultError(53, QStringLiteral("Datei nicht gefunden"));
    }
};

} // namespace

using ProcedureRun = ReporterTest;

TEST_F(ProcedureRun, RegistersSignatureAndReportsItsName)
{
    Procedure proc("frmMain", "void frmMain::Uebernehmen_Click()");
    EXPECT_EQ(
        reporter().history(), QStringList(QStringLiteral("[frmMain] void frmMain::Uebernehmen_Click() 14:05:07")));

    FlakyStep step { 1 };
    proc.run(step);
    ASSERT_EQ(window.reports.size(), 1);
    EXPECT_EQ(window.reports.first().rows,
        QStringList({ QStringLiteral("Datei nicht gefunden (53)"), QStringLiteral("frmMain"),
            QStringLiteral("Uebernehmen_Click"), QStringLiteral("0") }));
    EXPECT_EQ(window.reports.first().contBits, 255);
}

TEST_F(ProcedureRun, RepeatRunsTheFailedStepAgain)
{
    Procedure proc("frmMain", "void frmMain::Naechstes()");
    window.codes = { ErrPtnr::BefehlWiederholen, ErrPtnr::BefehlWiederholen };
    FlakyStep step { 2 };

    EXPECT_TRUE(proc.run([&] { step(); }));
    EXPECT_EQ(step.calls, 3);
    EXPECT_EQ(window.reports.size(), 2);
}

TEST_F(ProcedureRun, ContinueGoesOnWithTheNextStep)
{
    Procedure proc("frmMain", "void frmMain::Naechstes()");
    window.codes = { ErrPtnr::Fortsetzen };
    FlakyStep step { 5 };
    bool nextRan = false;

    EXPECT_TRUE(proc.run([&] { step(); }));
    EXPECT_TRUE(proc.run([&] { nextRan = true; }));
    EXPECT_EQ(step.calls, 1);
    EXPECT_TRUE(nextRan);
}

TEST_F(ProcedureRun, LeaveAndEndStopTheProcedure)
{
    Procedure proc("frmMain", "void frmMain::Naechstes()");
    window.codes = { ErrPtnr::ProzedurVerlassen, ErrPtnr::ProgrammBeenden };
    FlakyStep step { 5 };

    EXPECT_FALSE(proc.run([&] { step(); }));
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(proc.run([&] { step(); }));
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(step.calls, 2);
}

TEST_F(ProcedureRun, StepWithoutFaultAsksNobody)
{
    Procedure proc("frmMain", "void frmMain::Naechstes()");
    EXPECT_TRUE(proc.run([] {}));
    EXPECT_EQ(proc.value([] { return QStringLiteral("Band"); }, QString()), QStringLiteral("Band"));
    EXPECT_TRUE(window.reports.isEmpty());
}

TEST_F(ProcedureRun, ValueGivesTheFallbackUnlessARepeatSucceeds)
{
    Procedure proc("modMP3Tags", "QString modMP3Tags::GetBand(const QString& MP3Datei)");
    window.codes = { ErrPtnr::Fortsetzen, ErrPtnr::BefehlWiederholen };
    FlakyStep step { 2 };
    const auto band = [&] {
        step();
        return QStringLiteral("Band");
    };

    EXPECT_EQ(proc.value(band, QStringLiteral("?")), QStringLiteral("?"));
    EXPECT_EQ(proc.value(band, QStringLiteral("?")), QStringLiteral("Band"));
    EXPECT_EQ(proc.value([]() -> int { throw std::overflow_error("x"); }, -1), -1);
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
    EXPECT_EQ(window.reports.first().rows[2], QStringLiteral("Stoppen"));
}

TEST_F(ProcedureRun, FaultsAreNumberedByTheirKind)
{
    Procedure proc("modTest", "void modTest::Test()");
    const QList<std::pair<std::function<void()>, QString>> cases {
        { [] { throw FaultError(75, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei")); },
            QStringLiteral("Fehler beim Zugriff auf Pfad/Datei (75)") },
        { [] { throw std::out_of_range("at"); }, QStringLiteral("Index außerhalb des gültigen Bereichs (9)") },
        { [] { throw std::overflow_error("big"); }, QStringLiteral("Überlauf (6)") },
        { [] { throw std::bad_alloc(); }, QStringLiteral("Nicht genügend Speicher (7)") },
        { [] { throw std::runtime_error("kaputt"); }, QStringLiteral("kaputt (5)") },
        { [] { throw 42; }, QStringLiteral("Unerwarteter Fehler (5)") },
    };
    for (const auto& [step, row] : cases) {
        proc.run(step);
        EXPECT_EQ(window.reports.last().rows.first(), row);
    }
    EXPECT_EQ(window.reports.size(), cases.size());
}

TEST(Procedure, NameComesFromTheDeclaration)
{
    EXPECT_EQ(
        Procedure::nameOf(QStringLiteral("void frmMain::Uebernehmen_Click()")), QStringLiteral("Uebernehmen_Click"));
    EXPECT_EQ(Procedure::nameOf(QStringLiteral("QString modMP3Tags::GetBand(const QString& MP3Datei)")),
        QStringLiteral("GetBand"));
    EXPECT_EQ(Procedure::nameOf(QStringLiteral("const QStringList& frmMain::Liste() const")), QStringLiteral("Liste"));
    EXPECT_EQ(Procedure::nameOf(QStringLiteral("bool Einlesen (const QString& Pfad)")), QStringLiteral("Einlesen"));
    EXPECT_EQ(Procedure::nameOf(QStringLiteral("frmMain::frmMain(QWidget* parent)")), QStringLiteral("frmMain"));
}

TEST(Fault, OutsideACatchBlockIsTheUnexpectedFault)
{
    const Fault fault = Fault::fromCurrentException();
    EXPECT_EQ(fault.number, 5);
    EXPECT_EQ(fault.description, QStringLiteral("Unerwarteter Fehler"));
}
