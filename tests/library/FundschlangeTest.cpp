#include "library/Fundschlange.h"

#include <gtest/gtest.h>
#include <QPromise>

#include <array>

using namespace std::chrono_literals;

// The receiver gets stacks only once they are read and only in their order,
// so a slow disk under one stack never keeps the screen's thread waiting.
TEST(Fundschlange, HandsOnReadStacksInOrderAndNeverWaitsForAnUnreadOne)
{
    Fundschlange schlange;
    std::array<QPromise<void>, 2> lesen;
    for (int i = 0; i < 2; ++i) {
        lesen[i].start();
        Fundschlange::Stapel stapel { { { QStringLiteral("%1.mp3").arg(i), 1, {} } }, lesen[i].future() };
        ASSERT_TRUE(schlange.einreihen(stapel, {}));
    }
    const auto pfade = [&](std::chrono::milliseconds warten) {
        QStringList namen;
        for (const Fundschlange::Stapel& stapel : schlange.nehmen(warten))
            namen << stapel.funde.front().pfad;
        return namen;
    };
    lesen[1].finish();
    EXPECT_EQ(pfade(20ms), QStringList()) << "the second is read, the first not yet";
    lesen[0].finish();
    schlange.beenden();
    EXPECT_FALSE(schlange.erschoepft());
    EXPECT_EQ(pfade(10s), QStringList({ "0.mp3", "1.mp3" }));
    EXPECT_TRUE(schlange.erschoepft());
}
