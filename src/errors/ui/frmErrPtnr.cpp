#include "errors/ui/frmErrPtnr.h"

#include "common/ui/MessageBoxService.h"
#include "errors/ErrorFiles.h"
#include "errors/ErrorMail.h"
#include "errors/ErrPtnr.h"
#include "errors/ui/ProtocolPrinter.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScroller>
#include <QVBoxLayout>

namespace {

// Large enough to hit with a finger on a 1024 x 768 touch screen.
constexpr int kButtonHeight = 56;
constexpr int kFontPointSize = 12;

QPushButton* touchButton(const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setMinimumHeight(kButtonHeight);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* frame(const char* name, const QString& caption)
{
    auto* box = new QGroupBox(caption);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

frmErrPtnr::frmErrPtnr(MessageService* messages, QWidget* parent)
    : QDialog(parent)
    , m_ownMessages(messages ? nullptr : std::make_unique<MessageBoxService>(this))
    , m_messages(messages ? messages : m_ownMessages.get())
{
    setObjectName(QStringLiteral("frmErrPtnr"));
    setModal(true);
    QFont larger = font();
    larger.setPointSize(kFontPointSize);
    setFont(larger);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(framComment());
    layout->addWidget(framFehler());
    layout->addWidget(framProtocol());
    layout->addWidget(framCallStack(), 1);
    layout->addWidget(framContinue());
    resize(960, 720);
}

frmErrPtnr::~frmErrPtnr() = default;

QGroupBox* frmErrPtnr::framComment()
{
    QGroupBox* box = frame("framComment", QString());
    auto* lblComment = new QLabel(QStringLiteral(
        "Es liegt ein Problem vor, mit dem Sie sich an den technischen Support von Quorvane wenden sollten. Bitte "
        "nutzen Sie zum Versenden des Fehlerreports die EMail-Funktion."));
    lblComment->setObjectName(QStringLiteral("lblComment"));
    lblComment->setWordWrap(true);
    (new QVBoxLayout(box))->addWidget(lblComment);
    return box;
}

QGroupBox* frmErrPtnr::framFehler()
{
    QGroupBox* box = frame("framFehler", ErrorReport::errorCaption());
    auto* grid = new QGridLayout(box);
    const QStringList titles = ErrorReport::rowTitles();
    for (int row = 0; row < ErrorReport::kRowCount; ++row) {
        auto* title = new QLabel(titles[row]);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        m_lblError[row] = new QLabel;
        m_lblError[row]->setObjectName(QStringLiteral("lblError%1").arg(row));
        m_lblError[row]->setWordWrap(true);
        m_lblError[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(title, row, 0, Qt::AlignTop);
        grid->addWidget(m_lblError[row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* frmErrPtnr::framProtocol()
{
    QGroupBox* box = frame("framProtocol", QStringLiteral("Fehlerprotokoll ..."));
    auto* row = new QHBoxLayout(box);
    const QStringList captions { QStringLiteral("&Drucken"), QStringLiteral("&Speichern"), QStringLiteral("&EMail") };
    for (int index = 0; index < int(m_cmdProtocol.size()); ++index) {
        m_cmdProtocol[index] = touchButton(captions[index]);
        connect(m_cmdProtocol[index], &QPushButton::clicked, this, [this, index] { cmdProtocol_Click(index); });
        row->addWidget(m_cmdProtocol[index]);
    }
    return box;
}

QGroupBox* frmErrPtnr::framCallStack()
{
    QGroupBox* box = frame("framCallStack", ErrorReport::callStackCaption());
    m_lstCallStack = new QListWidget;
    m_lstCallStack->setObjectName(QStringLiteral("lstCallStack"));
    // A finger drags the list instead of selecting entries.
    QScroller::grabGesture(m_lstCallStack->viewport(), QScroller::LeftMouseButtonGesture);
    (new QVBoxLayout(box))->addWidget(m_lstCallStack);
    return box;
}

QGroupBox* frmErrPtnr::framContinue()
{
    QGroupBox* box = frame("framContinue", QStringLiteral("Weiterer Programmablauf..."));
    auto* row = new QHBoxLayout(box);
    const QStringList captions { QStringLiteral("Befehl wieder&holen"),
        QStringLiteral("Fortsetzen mit &nächsten Befehl"), QStringLiteral("&Prozedur verlassen"),
        QStringLiteral("Programm &beenden") };
    for (int code = 0; code < int(m_cmdContinue.size()); ++code) {
        m_cmdContinue[code] = touchButton(captions[code]);
        connect(m_cmdContinue[code], &QPushButton::clicked, this, [this, code] { done(code); });
        row->addWidget(m_cmdContinue[code]);
    }
    return box;
}

void frmErrPtnr::prepare(const ErrorReport& report)
{
    m_report = report;
    setWindowTitle(report.title);
    for (int row = 0; row < ErrorReport::kRowCount; ++row)
        m_lblError[row]->setText(report.rows.value(row));
    m_lstCallStack->clear();
    m_lstCallStack->addItems(report.history);
    for (int code = 0; code < int(m_cmdContinue.size()); ++code)
        m_cmdContinue[code]->setVisible(report.showsContinuation(code));
}

int frmErrPtnr::showReport(const ErrorReport& report)
{
    prepare(report);
    QApplication::beep();
    return exec();
}

void frmErrPtnr::reject()
{
    if ((m_report.contBits & 0xF) == 0)
        done(ErrPtnr::ProzedurVerlassen);
}

void frmErrPtnr::cmdProtocol_Click(int index)
{
    switch (index) {
    case 0:
        ProtocolPrinter::printOnDefaultPrinter(m_report.protocol, *m_messages);
        break;
    case 1:
        ErrorFiles::saveProtocol(m_report.protocol, *m_messages);
        break;
    case 2:
        ErrorMail::send(m_report.protocol, *m_messages);
        break;
    }
}
