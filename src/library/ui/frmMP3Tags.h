#pragma once

#include "library/SongTags.h"

#include <QDialog>
#include <QString>

#include <functional>

class Archiv;
class PlayerControl;
class QComboBox;
class QLineEdit;
class QPushButton;
class modMP3Tags;

// "MP3-Tag Editor": title, artist and genre of one song, written into its
// ID3v1 tag on OK. Sized for the touch screen, typed on the operator's
// hardware keyboard; the arrow keys move between the fields.
class frmMP3Tags : public QDialog {
    Q_OBJECT

public:
    frmMP3Tags(modMP3Tags& tags, QWidget* parent = nullptr);

    // The file to edit, set before the dialog is shown.
    void setDatei(const QString& Datei) { m_Datei = Datei; }
    const QString& Datei() const { return m_Datei; }

    // The context menu's "MP3-Tags editieren" (and the archive's Enter key):
    // edits the song of archive row zeile in the modal dialog and reads the
    // row again afterwards, whether the operator chose OK or Abbrechen. Only
    // a song row with a path opens the dialog. A song playing on the player
    // aktiverPlayer gives is freed for the writes and resumes at its place.
    static void menuTags_Click(
        Archiv& archiv, int zeile, PlayerControl& player, std::function<int()> aktiverPlayer, QWidget* parent);

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildUi();
    // The fields from the file, once per opening: a message box in between
    // must not throw away what the operator typed.
    void felderFuellen();
    void cmdOK_Click();
    SongTags eingegeben() const;
    // Down and up move the focus; true when the key was used.
    bool pfeilTaste(QObject* feld, int taste);

    modMP3Tags& m_tags;
    QString m_Datei;
    // What the fields showed when the dialog opened: OK writes only what changed.
    SongTags m_angezeigt;

    QLineEdit* txtDatei = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QComboBox* ComboGenre = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;
};
