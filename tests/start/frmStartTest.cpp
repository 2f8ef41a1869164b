#include "StartFakes.h"

#include "common/Farbe.h"
#include "start/ui/frmStart.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace {

class frmStartTest : public ::testing::Test {
protected:
    void SetUp() override { store.values.insert("Data/Pfad", folder.path()); }

    void open()
    {
        form = std::make_unique<frmStart>(store, messages);
        form->setScreen(&screen, nullptr);
        form->show();
        messages.shown.clear();
    }
    template <typename W = QWidget> W* child(const char* name) const
    {
        W* widget = form->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            form->TimerAutostart_Timer();
    }
    // Picks the colour in the dialog of colour button `index`; an invalid colour cancels the dialog.
    void chooseColour(int index, const QColor& colour)
    {
        QTimer::singleShot(0, [colour] {
            auto* colours = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(colours, nullptr);
            colours->setCurrentColor(colour);
            colour.isValid() ? colours->accept() : colours->reject();
        });
        for (QPushButton* b : form->findChildren<QPushButton*>("cmdFarbe"))
            if (b->property("Index").toInt() == index)
                b->click();
    }

    ReporterScope scope;
    QTemporaryDir& folder = scope.folder;
    MemorySettingsStore store;
    RecordingMessages messages;
    FakeScreen screen;
    std::unique_ptr<frmStart> form;
};

TEST_F(frmStartTest, LoadPutsStoredValuesIntoTheControls)
{
    const std::pair<const char*, const char*> stored[]
        = { { "Zufall", "1" }, { "Pause", "0" }, { "Fading", "4" }, { "Anzahl", "3" }, { "S", "1" } };
    for (const auto& [key, value] : stored)
        store.values.insert(QStringLiteral("Data/") + key, value);
    store.values.insert("Data/Farbe", QString::number(RGBToColor({ 200, 100, 50 })));
    open();
    EXPECT_EQ(std::make_tuple(child<QCheckBox>("chkZufall")->isChecked(), child<QCheckBox>("chkPause")->isChecked(),
                  child<QCheckBox>("chkWindowsBlockieren")->isChecked(), child<QSlider>("Slider1")->value(),
                  child<QComboBox>("cmbAnzahl")->currentText(), child<QComboBox>("cmbSchriftgroesse")->currentText(),
                  child<QLineEdit>("Text1")->text(), form->werte().Farbe),
        std::make_tuple(
            true, false, true, 4, QString("3"), QString("10"), folder.path(), RGBToColor({ 200, 100, 50 })));
}

TEST_F(frmStartTest, AutostartCountsDownFromTheThirtiethSecondAndStartsOnceInOrder)
{
    screen.titel = QStringList { "Eins", "Zwei", "Drei" };
    screen.beimAufruf = [&](const QString& call) {
        if (!call.startsWith("Einlesen"))
            return;
        // The scan lets events through: nothing may start the jukebox a second time meanwhile.
        EXPECT_FALSE(child("cmdOK")->isEnabled() || child("cmdAbbrechen")->isEnabled());
        QTest::mouseClick(child("cmdAbbrechen"), Qt::LeftButton);
        QTest::mouseClick(child("cmdOK"), Qt::LeftButton);
        ticks(40);
    };
    open();
    child<QCheckBox>("chkRechteMaustaste")->setChecked(true);
    child<QCheckBox>("chkPlayliste")->setChecked(true);
    QLabel* label2 = child<QLabel>("Label2");
    ticks(29);
    EXPECT_FALSE(label2->isVisible());
    ticks(1);
    EXPECT_EQ(std::pair(child("lblAbbrechen")->isVisible(), label2->text()),
        std::pair(true, QString("Autostart in 10 Sekunden")));
    ticks(9);
    EXPECT_EQ(std::pair(label2->text(), screen.calls), std::pair(QString("Autostart in 1 Sekunde"), QStringList()));

    ticks(1);
    EXPECT_EQ(screen.calls,
        QStringList({ "laden", "Einlesen " + folder.path(), "Startmeldung", "PlaylistEinlesen", "EnabledRechts aus",
            "zeigen", "ZeitenEinlesen alle", "Uhrzeiten" }));
    EXPECT_EQ(
        std::make_tuple(screen.maximiert, form->isVisible() || form->autostartAktiv(),
            child("cmdOK")->isEnabled() && child("cmdAbbrechen")->isEnabled(), store.writes.size(), messages.shown),
        std::make_tuple(true, false, true, 17, QStringList()));
}

TEST_F(frmStartTest, EveryOperatorActionRestartsTheCountdown)
{
    open();
    std::vector<std::pair<QString, std::function<void()>>> actions
        = { { "list changed", [&] { child<QComboBox>("cmbAnzahl")->setCurrentIndex(5); } },
              { "list item chosen again",
                  [&] {
                      auto* list = child<QComboBox>("cmbAnzahl");
                      list->showPopup();
                      QTest::keyClick(list->view(), Qt::Key_Return);
                  } },
              { "slider", [&] { child<QSlider>("Slider1")->setValue(3); } },
              { "folder", [&] { QTest::keyClick(child("Text1"), Qt::Key_X); } },
              { "password key", [&] { QTest::keyClick(child("txtPasswort"), Qt::Key_A); } },
              { "background colour", [&] { chooseColour(1, QColor()); } },
              { "Abbrechen", [&] { child<QPushButton>("lblAbbrechen")->click(); } } };
    for (QCheckBox* box : form->findChildren<QCheckBox*>())
        actions.emplace_back(box->objectName(), [box] { box->click(); });

    for (const auto& [what, action] : actions) {
        SCOPED_TRACE(what.toStdString());
        ticks(35);
        ASSERT_TRUE(child("Label2")->isVisible());
        action();
        EXPECT_FALSE(child("Label2")->isVisible() || child("lblAbbrechen")->isVisible());
        ticks(39);
        EXPECT_TRUE(screen.calls.isEmpty()) << "started without forty quiet seconds";
        child<QPushButton>("lblAbbrechen")->click();
    }
    EXPECT_EQ(form->werte().Hintergrundfarbe, StartSettings::defaults().Hintergrundfarbe) << "dialog cancelled";
}

TEST_F(frmStartTest, AStartThatCannotGoOnSaysWhyAndOnlyOnce)
{
    store.values.insert("Data/Hintergrundfarbe", QString::number(RGBToColor({ 69, 69, 69 })));
    open();
    form->cmdOK_Click();
    EXPECT_TRUE(screen.calls.isEmpty() && store.writes.isEmpty());
    chooseColour(0, QColor(69, 69, 69));
    EXPECT_EQ(form->werte().Farbe, StartSettings::defaults().Farbe);
    chooseColour(1, QColor(70, 0, 0));

    child<QLineEdit>("Text1")->setText("   ");
    ticks(80);
    EXPECT_TRUE(screen.calls.isEmpty() && form->isVisible());
    EXPECT_EQ(messages.shown,
        QStringList({ "Die Hintergrundfarbe ist zu dunkel!\nBitte eine andere Farbe wählen.",
            "Die Buttonfarbe ist zu dunkel!\nBitte eine andere Farbe wählen.",
            "Bitte einen gültigen Pfad für die Lieder angeben!" }));
    EXPECT_EQ(messages.icons.last(), MessageService::Icon::Warning);
}

TEST_F(frmStartTest, PasswordTakesLettersOnlyAndBeepsForTheRest)
{
    open();
    auto* password = child<QLineEdit>("txtPasswort");
    EXPECT_EQ(password->echoMode(), QLineEdit::Password) << "the start window stands on the guest screen";
    QTest::keyClicks(password, "ab1 C9");
    EXPECT_EQ(std::pair(password->text(), messages.beeps), std::pair(QString("abC"), 3));
    password->clear();
    QTest::keyClick(password, Qt::Key_Adiaeresis, Qt::NoModifier);
    QTest::keyClick(password, Qt::Key_Return);
    EXPECT_EQ(messages.beeps, 5);
    password->insert("Pw1"); // as pasting does
    EXPECT_EQ(password->text(), QString());
}

TEST_F(frmStartTest, NichtDurchsuchenSavesFourKeysAndShowsTheScreenEvenWhenTheStoreFails)
{
    store.writable = false;
    open();
    child<QCheckBox>("chkZufall")->click();
    child<QCheckBox>("chkFenster")->click();
    child<QCheckBox>("chkPlayliste")->setChecked(true);
    child<QComboBox>("cmbSchriftgroesse")->setCurrentIndex(0);
    child<QPushButton>("cmdAbbrechen")->click();
    EXPECT_EQ(std::tuple(store.writes, store.values.value("Data/Zufall"), screen.calls, screen.maximiert),
        std::tuple(QStringList({ "Pfad", "PW", "Zufall", "Doppelklick" }), QString("1"),
            QStringList({ "laden", "Frame1Verstecken", "zeigen", "PlaylistEinlesen" }), false));
    EXPECT_FALSE(form->isVisible() || form->autostartAktiv());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("Die Einstellungen konnten nicht gespeichert werden:\nmemory"));
}

} // namespace
