#include "library/ui/frmDatei.h"

#include "library/Belegtpruefung.h"
#include "platform/OpenFiles.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTimer1Ms = 1000;

const char* const kStyle = R"(
    QWidget { font-size: 12pt; }
    QLineEdit { min-height: 38px; padding: 0 6px; }
    QPushButton { min-height: 44px; padding: 2px 18px; }
)";

} // namespace

frmDatei::frmDatei(SettingsStore& store, MessageService& meldungen, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_inspektor(store, meldungen, Belegtpruefung(&OpenFiles::FileInUse))
{
    setObjectName(QStringLiteral("frmDatei"));
    setWindowTitle(QStringLiteral("Datei Inspektor"));
    setStyleSheet(QString::fromLatin1(kStyle));
    buildUi();
    m_inspektor.setSpeichernUnter(
        [this](const QString& titel, const QString& vorschlag) { return speichernUnter(titel, vorschlag); });
    Form_Load();
}

void frmDatei::buildUi()
{
    auto* Label1 = new QLabel(QStringLiteral("Zu überwachende Datei:"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1 = new QPushButton(QStringLiteral("Überwachen"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(Text1, 1);
    zeile->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(Label1);
    layout->addLayout(zeile);
    setMinimumWidth(560);

    connect(Command1, &QPushButton::clicked, this, &frmDatei::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &frmDatei::Command1_Click);
    m_Timer1.setInterval(kTimer1Ms);
    connect(&m_Timer1, &QTimer::timeout, this, &frmDatei::Timer1_Timer);
}

void frmDatei::setSpeichernUnter(Dateiinspektor::SpeichernUnter speichernUnter)
{
    m_inspektor.setSpeichernUnter(std::move(speichernUnter));
}

void frmDatei::Form_Load()
{
    Text1->setText(m_inspektor.gespeicherterPfad());
    Command1_Click();
    m_Timer1.start();
}

void frmDatei::Command1_Click()
{
    m_inspektor.Command1(Text1->text());
}

void frmDatei::Timer1_Timer()
{
    m_inspektor.Timer1();
}

QString frmDatei::speichernUnter(const QString& titel, const QString& vorschlag)
{
    showNormal();
    raise();
    activateWindow();
    return QFileDialog::getSaveFileName(this, titel, vorschlag);
}
