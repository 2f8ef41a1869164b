#include "errors/ErrPtnr.h"

#include "common/SystemClock.h"
#include "errors/ErrorFiles.h"
#include "errors/ErrorProtocol.h"
#include "errors/ErrorReport.h"
#include "errors/ErrorWindow.h"
#include "errors/SystemInfo.h"
#include "platform/AppPaths.h"

#include <QGuiApplication>
#include <QScopeGuard>
#include <QSequentialIterable>
#include <QtDebug>

#include <cstdio>
#include <cstdlib>

namespace {

// Texts are sequences of characters to Qt, but values to the history.
bool isList(const QVariant& value)
{
    const int type = value.typeId();
    return type != QMetaType::QString && type != QMetaType::QByteArray
        && QMetaType::canView(value.metaType(), QMetaType::fromType<QSequentialIterable>());
}

QString valueText(const QVariant& value)
{
    if (!value.isValid())
        return QStringLiteral("[EMPTY]");
    if (value.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
        const QObject* object = *static_cast<QObject* const*>(value.constData());
        if (!object)
            return QStringLiteral("[NOTHING]");
        return QStringLiteral("[OBJECT:") + QLatin1String(object->metaObject()->className()) + QLatin1Char(']');
    }
    if (isList(value))
        return QStringLiteral("[ARRAY]");
    if (value.isNull())
        return QStringLiteral("[NULL]");
    return value.toString();
}

void endAtOnce()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

// The window opens over whatever wait cursor the failing code had set.
void restoreNormalCursor()
{
    // Tools without screens run a plain QCoreApplication.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace

struct ErrPtnr::Private {
    QStringList history;
    QString progInfo;
    ErrorWindow* window = nullptr;
    SystemClock systemClock;
    const Clock* clock = &systemClock;
    std::function<void()> endProgram = endAtOnce;
    // Timers keep running under the modal window; their faults must not stack further windows on it.
    bool windowOpen = false;

    void trimHistory()
    {
        while (history.size() > kMaxHistory)
            history.removeLast();
    }
};

ErrPtnr::ErrPtnr()
    : d(std::make_unique<Private>())
{
}

ErrPtnr::~ErrPtnr() = default;

ErrPtnr& ErrPtnr::instance()
{
    static ErrPtnr reporter;
    return reporter;
}

void ErrPtnr::CallStack(const QString& a)
{
    d->history.prepend(a + QLatin1Char(' ') + d->clock->now().toString(QStringLiteral("hh:mm:ss")));
    d->trimHistory();
}

void ErrPtnr::CallStackParam(const QString& name, const QVariant& value)
{
    const QString entry = QLatin1Char('\t') + name + QStringLiteral(":\t") + valueText(value);
    d->history.insert(qMin<qsizetype>(1, d->history.size()), entry);
    d->trimHistory();
}

int ErrPtnr::OnError(const Fault& fault, const QString& aktModul, const QString& aktProc, int contBits)
{
    ErrorReport report;
    report.rows = { fault.description + QStringLiteral(" (") + QString::number(fault.number) + QLatin1Char(')'),
        aktModul, aktProc, QString::number(fault.line) };
    report.title = progInfo() + QStringLiteral(" - Fehlermeldung");
    report.history = d->history;
    report.contBits = contBits;
    report.protocol = ErrorProtocol::text(report, d->clock->now(), SystemInfo::current());
    restoreNormalCursor();
    ErrorFiles::appendToLog(report.protocol);
    if (!d->window || d->windowOpen) {
        qCritical().noquote() << report.title << report.rows.join(QStringLiteral(" / "));
        return ProzedurVerlassen;
    }
    d->windowOpen = true;
    const auto closed = qScopeGuard([this] { d->windowOpen = false; });
    return d->window->showReport(report);
}

void ErrPtnr::SetProgInfo(const QString& text)
{
    d->progInfo = text;
}

QString ErrPtnr::LPSTRToVBString(const QString& s)
{
    const qsizetype end = s.indexOf(QChar(0));
    return end < 0 ? QString() : s.left(end);
}

QStringList ErrPtnr::history() const
{
    return d->history;
}

QString ErrPtnr::progInfo() const
{
    if (d->progInfo.isEmpty())
        d->progInfo = AppPaths::programName() + QStringLiteral("  V") + QStringLiteral(TONVARO_VERSION);
    return d->progInfo;
}

void ErrPtnr::setWindow(ErrorWindow* window)
{
    d->window = window;
}

void ErrPtnr::setClock(const Clock* clock)
{
    d->clock = clock ? clock : &d->systemClock;
}

void ErrPtnr::setEndProgram(std::function<void()> endProgram)
{
    d->endProgram = endProgram ? std::move(endProgram) : endAtOnce;
}

void ErrPtnr::endProgram()
{
    d->endProgram();
}

void ErrPtnr::reset()
{
    d = std::make_unique<Private>();
}
