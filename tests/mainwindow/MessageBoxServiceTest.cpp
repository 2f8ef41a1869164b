#include "common/ui/MessageBoxService.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

QWidget* ownerOfTheBox(MessageBoxService& meldungen)
{
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&owner] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        owner = box->parentWidget();
        box->accept();
    });
    meldungen.show(MessageService::Icon::Warning, QStringLiteral("Hinweis"));
    return owner;
}

TEST(MessageBoxServiceTest, ABoxBelongsToTheActiveWindowElseToTheFirstVisibleOwner)
{
    QWidget start, hauptfenster, anderes;
    MessageBoxService meldungen;
    meldungen.setOwners({ &start, &hauptfenster });
    start.show();
    hauptfenster.show();
    hauptfenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hauptfenster));
    EXPECT_EQ(ownerOfTheBox(meldungen), &hauptfenster);

    start.hide();
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    anderes.hide();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    EXPECT_EQ(ownerOfTheBox(meldungen), &hauptfenster) << "the hidden start window cannot be in front";
}

} // namespace
