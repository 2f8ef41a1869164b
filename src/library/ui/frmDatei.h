#pragma once

#include "library/Dateiinspektor.h"

#include <QTimer>
#include <QWidget>

class MessageService;
class QLineEdit;
class QPushButton;
class SettingsStore;

// "Datei Inspektor": a small tool window, on top of the others, that
// watches one file and offers a numbered copy of it after every finished
// change. The watch follows the path confirmed with the button, never what
// is being typed.
class frmDatei : public QWidget {
    Q_OBJECT

public:
    frmDatei(SettingsStore& store, MessageService& meldungen, QWidget* parent = nullptr);

    // In place of the save-file dialog (tests).
    void setSpeichernUnter(Dateiinspektor::SpeichernUnter speichernUnter);
    const Dateiinspektor& inspektor() const { return m_inspektor; }

    void Command1_Click();
    void Timer1_Timer();

private:
    void buildUi();
    void Form_Load();
    QString speichernUnter(const QString& titel, const QString& vorschlag);

    Dateiinspektor m_inspektor;
    QTimer m_Timer1;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
};
