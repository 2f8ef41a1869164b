#include "library/ui/frmMP3Tags.h"

#include "common/FlexGrid.h"
#include "common/Helpers.h"
#include "common/ui/Dialogstil.h"
#include "errors/Procedure.h"
#include "library/Archiv.h"
#include "library/modMP3Tags.h"
#include "library/TagBearbeitung.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The genre list offers every index a writer tries: the 124 names, then
// "Kein Genre" three times.
constexpr int kGenreIndizes = 127;
// What the tag's text fields hold.
constexpr int kFeldlaenge = 30;

const char* const kTouchStyle = R"(
    QLineEdit, QComboBox { min-height: 52px; padding: 0 8px; }
    QLabel { min-height: 52px; }
    QLineEdit[readOnly="true"] { background: #ececec; }
    QPushButton { min-height: 60px; min-width: 180px; padding: 2px 24px; }
)";

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmMP3Tags::frmMP3Tags(modMP3Tags& tags, QWidget* parent)
    : QDialog(parent)
    , m_tags(tags)
{
    setObjectName(QStringLiteral("frmMP3Tags"));
    setWindowTitle(QStringLiteral("MP3-Tag Editor"));
    setModal(true);
    setStyleSheet(QString::fromLatin1(kTouchStyle));
    buildUi();
}

void frmMP3Tags::buildUi()
{
    txtDatei = named(new QLineEdit, "txtDatei");
    // The dialog edits the file it was opened for; its path is shown, not edited.
    txtDatei->setReadOnly(true);
    Text1 = named(new QLineEdit, "Text1");
    Text2 = named(new QLineEdit, "Text2");
    for (QLineEdit* feld : { Text1, Text2 })
        feld->setMaxLength(kFeldlaenge);
    ComboGenre = named(new QComboBox, "ComboGenre");
    ComboGenre->setEditable(true);
    ComboGenre->setInsertPolicy(QComboBox::NoInsert);
    ComboGenre->setMaxVisibleItems(12);
    for (int index = 1; index <= kGenreIndizes; ++index)
        ComboGenre->addItem(modMP3Tags::GetSongGenreName(index));

    auto* felder = new QFormLayout;
    felder->setVerticalSpacing(14);
    felder->setHorizontalSpacing(18);
    felder->addRow(QStringLiteral("Datei:"), txtDatei);
    felder->addRow(QStringLiteral("Titel:"), Text1);
    felder->addRow(QStringLiteral("Interpret:"), Text2);
    felder->addRow(QStringLiteral("Genre:"), ComboGenre);

    cmdOK = named(new QPushButton(QStringLiteral("&OK")), "cmdOK");
    cmdOK->setDefault(true);
    cmdAbbrechen = named(new QPushButton(QStringLiteral("&Abbrechen")), "cmdAbbrechen");
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdAbbrechen);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(24);
    layout->addLayout(felder);
    layout->addLayout(knoepfe);
    setMinimumWidth(760);

    for (QWidget* feld : std::initializer_list<QWidget*> { txtDatei, Text1, Text2 })
        feld->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &frmMP3Tags::cmdOK_Click);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMP3Tags::showEvent(QShowEvent* e)
{
    // Spontaneous shows come from the window system (a restore), not from an opening.
    if (!e->spontaneous())
        felderFuellen();
    QDialog::showEvent(e);
}

void frmMP3Tags::felderFuellen()
{
    Procedure proc("frmMP3Tags", "void frmMP3Tags::felderFuellen()");
    proc.run([&] { Text1->setText(Anzeigetext(modMP3Tags::GetSongName(m_Datei))); });
    proc.run([&] { Text2->setText(Anzeigetext(modMP3Tags::GetBand(m_Datei))); });
    proc.run([&] { txtDatei->setText(m_Datei); });
    proc.run([&] { ComboGenre->setCurrentText(modMP3Tags::GetSongGenre(m_Datei)); });
    m_angezeigt = eingegeben();
    Text1->setFocus();
}

void frmMP3Tags::cmdOK_Click()
{
    Procedure proc("frmMP3Tags", "void frmMP3Tags::cmdOK_Click()");
    cmdOK->setEnabled(false);
    if (proc.value([&] { return TagBearbeitung::Schreiben(m_tags, m_Datei, m_angezeigt, eingegeben()); }, false))
        accept();
}

SongTags frmMP3Tags::eingegeben() const
{
    return { Text1->text(), Text2->text(), ComboGenre->currentText() };
}

bool frmMP3Tags::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(e);
        if (taste->modifiers() == Qt::NoModifier && pfeilTaste(watched, taste->key()))
            return true;
    } else if (e->type() == QEvent::FocusIn && (watched == Text1 || watched == Text2)) {
        auto* feld = static_cast<QLineEdit*>(watched);
        // After the event: a mouse press that brought the focus would undo the selection.
        if (feld->isEnabled())
            QTimer::singleShot(0, feld, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, e);
}

bool frmMP3Tags::pfeilTaste(QObject* feld, int taste)
{
    QWidget* ziel = nullptr;
    if (taste == Qt::Key_Down)
        ziel = feld == txtDatei ? Text1 : feld == Text1 ? Text2 : static_cast<QWidget*>(ComboGenre);
    else if (taste == Qt::Key_Up && feld != txtDatei)
        ziel = feld == Text2 ? Text1 : txtDatei;
    if (!ziel)
        return false;
    ziel->setFocus(Qt::OtherFocusReason);
    return true;
}

void frmMP3Tags::menuTags_Click(
    Archiv& archiv, int zeile, PlayerControl& player, std::function<int()> aktiverPlayer, QWidget* parent)
{
    Procedure proc("frmMP3Tags",
        "void frmMP3Tags::menuTags_Click(Archiv& archiv, int zeile, PlayerControl& player, std::function<int()> "
        "aktiverPlayer, QWidget* parent)",
        { { "zeile", zeile } });
    const QString datei = TagBearbeitung::Datei(archiv.archivGrid(), zeile);
    // The header and the empty row of an empty archive name no file; editing "" would write a phantom row.
    if (datei.isEmpty())
        return;
    modMP3Tags tags(&player, std::move(aktiverPlayer));
    if (!proc.run([&] {
            frmMP3Tags dialog(tags, parent);
            Dialogstil::anwenden(dialog, archiv.archivGrid().FontSize());
            dialog.setDatei(datei);
            dialog.exec();
        }))
        return;
    proc.run([&] { TagBearbeitung::ZeileNachlesen(archiv, zeile, datei); });
}
