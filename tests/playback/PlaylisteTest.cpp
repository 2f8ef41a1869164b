#include "WiedergabeFakes.h"

#include <tuple>

namespace {

using Playlistetest = WiedergabeTest;

TEST_F(Playlistetest, TakingOverCopiesTheRowOnceAndNothingWhenEmptyOrOnTheHeader)
{
    const int ohne = archivLied("ohne");
    uebernehmen(ohne);
    uebernehmen(archivLied("mit", 215, QStringLiteral("03:35")));
    // Start times are computed at once: 5 min (unknown) less 10 s crossfading.
    EXPECT_EQ(playlistZeile(1), QStringList({ "ohne", "Band ohne", "Rock", "20:00", pfad("ohne"), "05:00" }));
    EXPECT_EQ(playlist.TextMatrix(2, 3) + playlist.TextMatrix(2, 5), QStringLiteral("20:0403:35"));
    EXPECT_EQ(std::tuple(playlist.Row(), fenster.enableButtons, fenster.meldungen.size()), std::tuple(2, 2, 0));

    uebernehmen(ohne);
    EXPECT_EQ(std::tuple(titel(), playlist.Row(), fenster.meldungen),
        std::tuple(QStringList { "ohne", "mit" }, 1, QStringList { "Bereits in Playliste vorhanden!" }));

    const int leer = archivLied("leer");
    archiv.setTextMatrix(leer, 0, QString());
    uebernehmen(leer);
    uebernehmen(0);
    EXPECT_EQ(titel().size(), 2);
}

TEST_F(Playlistetest, LimitCountsThePlayingSongAndNamesItself)
{
    // Limit, songs queued before; the message.
    const std::tuple<int, int, QString> faelle[]
        = { { 1, 1, "Begrenzung auf 1 Lied!" }, { 5, 5, "Begrenzung auf 5 Lieder!" }, { 5, 4, "" } };
    for (const auto& [anzahl, vorher, meldung] : faelle) {
        SCOPED_TRACE(anzahl);
        playlist.setRows(1);
        archiv.setRows(1);
        fenster.meldungen.clear();
        fenster.werte.Anzahl = anzahl;
        for (int i = 0; i < vorher; ++i)
            uebernehmen(archivLied(QString::number(i)));
        uebernehmen(archivLied(QStringLiteral("neu")));
        EXPECT_EQ(std::pair(playlist.Rows() - 1, fenster.meldungen.join(QString())),
            std::pair(meldung.isEmpty() ? vorher + 1 : vorher, meldung));
    }
}

TEST_F(Playlistetest, DeletingThePlayingRowStartsTheNextAtOnceOnTheSamePlayer)
{
    for (const char* name : { "a", "b", "c" })
        uebernehmen(archivLied(name));
    spielen(0.25);
    playlist.setRow(1);
    wiedergabe->playliste().Loeschen();
    EXPECT_EQ(std::tuple(titel(), player.GetFileName(1), player.spielende(), fenster.fokus),
        std::tuple(QStringList { "b", "c" }, pfad("b"), QList<int> { 1 }, QStringLiteral("playlist")));

    playlist.setRow(2);
    wiedergabe->playliste().Loeschen();
    EXPECT_EQ(player.GetFileName(1), pfad("b")) << "deleting another row leaves the song playing";

    wiedergabe->playliste().Loeschen();
    spielen(1);
    EXPECT_TRUE(player.spielende().isEmpty());
}

TEST_F(Playlistetest, MovesNeverTouchOrPassRowOne)
{
    for (const char* name : { "a", "b", "c", "d" })
        uebernehmen(archivLied(name));
    // Selected row, button; the titles and the selection after.
    const std::tuple<int, int, QStringList, int> faelle[] = {
        { 4, 1, { "a", "b", "c", "d" }, 4 },
        { 3, 0, { "a", "c", "b", "d" }, 2 },
        { 2, 1, { "a", "b", "c", "d" }, 3 },
    };
    for (const auto& [zeile, index, danach, auswahl] : faelle) {
        playlist.selectRow(zeile);
        wiedergabe->playliste().cmdHoch_Click(index);
        EXPECT_EQ(std::tuple(titel(), playlist.Row()), std::tuple(danach, auswahl)) << zeile << " " << index;
    }
    EXPECT_EQ(playlist.TextMatrix(3, 4), pfad("c")) << "the whole row moves";
}

TEST_F(Playlistetest, ButtonPressesActByMuelleimerRechteMausAndTheButtonsState)
{
    // "Muelleimer", "RechteMaus", mouse button, delete enabled; after "up" and "delete" on row 3:
    // the queue and whether delete is enabled.
    const std::tuple<bool, bool, int, bool, const char*, bool> faelle[] = {
        { false, false, 1, true, "a,b,d", true },
        { false, false, 1, false, "a,c,b,d", false }, // a disabled button does not delete
        { true, false, 1, true, "a,b,c,d", true }, // with Muelleimer only the right button acts
        { true, false, 4, true, "a,b,c,d", true }, { true, false, 2, true, "a,b,d", true },
        { false, true, 2, true, "a,b,c,d", true }, // RechteMaus keeps the right button for itself
        { true, true, 2, true, "a,b,c,d", false }, // and with Muelleimer it locks delete
    };
    for (const auto& [muelleimer, rechteMaus, button, enabled, danach, enabledDanach] : faelle) {
        playlist.setRows(1);
        for (const char* name : { "a", "b", "c", "d" })
            uebernehmen(archivLied(name));
        fenster.werte.Muelleimer = muelleimer;
        fenster.werte.RechteMaus = rechteMaus;
        fenster.loeschenEnabled = enabled;
        playlist.selectRow(3);
        wiedergabe->playliste().cmdHoch_MouseDown(0, button, 0, 0, 0);
        wiedergabe->playliste().cmdLoeschen_MouseDown(button, 0, 0, 0);
        EXPECT_EQ(std::pair(titel().join(','), fenster.loeschenEnabled), std::pair(QString(danach), enabledDanach))
            << muelleimer << rechteMaus << button << enabled;
    }
}

TEST_F(Playlistetest, DoubleClickShowsTheSongInTheArchiveAtTheSelectionsScreenPlace)
{
    for (int i = 1; i <= 30; ++i)
        archivLied(QString::number(i));
    archiv.setVisibleRowCount(10);
    uebernehmen(25);
    archiv.setTopRow(3);
    fenster.archivZeile = 5; // two rows below the top
    playlist.selectRow(1);
    EXPECT_TRUE(wiedergabe->playliste().MSFlexGrid2_KeyDown(13, 0));
    EXPECT_EQ(std::tuple(fenster.sortiert, archiv.Row(), archiv.TopRow(), fenster.archivZeile, fenster.fokus),
        std::tuple(QList<int> { 1 }, 25, 21, 25, QStringLiteral("archiv")));
    EXPECT_FALSE(wiedergabe->playliste().MSFlexGrid2_KeyDown(40, 0));

    // A song gone from the archive only leaves it sorted.
    playlist.setTextMatrix(1, 4, QStringLiteral("/weg.mp3"));
    wiedergabe->playliste().MSFlexGrid2_DblClick();
    EXPECT_EQ(archiv.Row(), 25);
}

} // namespace
