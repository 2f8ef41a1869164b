#include "common/FlexGrid.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QTest>

#include <functional>
#include <stdexcept>

namespace {

// QAbstractItemModelTester re-checks the model's consistency after each change.
class FlexGridTest : public ::testing::Test {
protected:
    FlexGrid grid;
    QAbstractItemModelTester tester { &grid, QAbstractItemModelTester::FailureReportingMode::Fatal };

    // Header "Titel" plus one data row per title, title in column 0 and "p<title>" in column 4.
    void fill(const QStringList& titles)
    {
        grid.setRows(1);
        grid.setTextMatrix(0, 0, QStringLiteral("Titel"));
        for (const QString& title : titles) {
            grid.AddItem(title);
            grid.setTextMatrix(grid.Rows() - 1, 4, QLatin1Char('p') + title);
        }
    }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 1; row < grid.Rows(); ++row)
            texts << grid.TextMatrix(row, col);
        return texts;
    }

    void sortRows(int first, int last, int col)
    {
        grid.setRow(first);
        grid.setRowSel(last);
        grid.setCol(col);
        grid.Sort();
    }
};

TEST_F(FlexGridTest, RowCountClearAddRemoveAndTheirAnnouncement)
{
    fill({ "A", "B", "C" });
    grid.setRows(1);
    EXPECT_EQ(grid.Row(), 0) << "the current row cannot stay on a removed row";
    grid.setRows(3);
    EXPECT_EQ(column(0), QStringList({ "", "" })) << "rows beyond a count disappear for good";

    grid.setRow(0);
    grid.setCellFontBold(true);
    grid.Clear();
    EXPECT_EQ(std::tuple(grid.Rows(), grid.TextMatrix(0, 0), grid.CellFontBold(0, 0)), std::tuple(3, QString(), false));

    fill({ "1", "2", "4", "5" });
    grid.AddItem(QStringLiteral("3"), 3);
    grid.AddItem(QStringLiteral("Z"), grid.Rows());
    EXPECT_EQ(column(4), QStringList({ "p1", "p2", "", "p4", "p5", "" })) << "an inserted row's other cells are empty";
    grid.selectRow(6);
    grid.RemoveItem(3);
    EXPECT_EQ(std::pair(column(0), grid.Row()), std::pair(QStringList({ "1", "2", "4", "5", "Z" }), 5))
        << "the current row keeps its number, clamped to the rows left";
    for (int left = 5; left > 0; --left)
        grid.RemoveItem(1);
    EXPECT_EQ(grid.Rows(), 1) << "the last data row may go too";

    // Appended rows reach the model interface in batches, but before any removal.
    for (int i = 0; i < 50; ++i)
        grid.AddItem(QString::number(i));
    grid.setTextMatrix(50, 1, "late");
    grid.RemoveItem(1);
    EXPECT_EQ(std::pair(grid.rowCount(), grid.index(48, 1).data().toString()), std::pair(49, QStringLiteral("late")));
    grid.AddItem("again");
    // Batches come at most every 100 ms.
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid.rowCount() == grid.Rows() - 1; }, 2000));
}

TEST_F(FlexGridTest, BadRowsAndColumnsThrowOutOfRangeAndChangeNothing)
{
    fill({ "A", "B" });
    const int rows = grid.Rows();
    EXPECT_THROW(grid.TextMatrix(0, grid.Cols()), std::out_of_range);
    EXPECT_THROW(grid.setTextMatrix(rows, 0, "x"), std::out_of_range);
    EXPECT_THROW(grid.setRowTexts(1, QStringList(7, "x")), std::out_of_range);
    EXPECT_THROW(grid.RemoveItem(0), std::out_of_range);
    EXPECT_THROW(grid.AddItem("x", rows + 1), std::out_of_range);
    EXPECT_THROW(grid.setRows(0), std::out_of_range);
    EXPECT_EQ(std::pair(grid.Rows(), column(0)), std::pair(rows, QStringList({ "A", "B" })));
}

TEST_F(FlexGridTest, SortOrdersByWindows1252CodesCaseSensitively)
{
    // ASCII upper, lower case, the Windows-1252 block 0x80..0x9F ("€", "Š"), Latin-1, then the rest ("Ω").
    // Long keys share their head; "ÿ" and "Ω" share the capped head byte.
    const QString same = QStringLiteral("Künstler Nummer ");
    fill({ "b", "ä", "Ω", "a", "Z", "ÿb", "À", "Š", "€", "Ä", "A", "AB", "~", same + "9", same + "10", same + "1", "Ωa",
        "ÿa" });
    sortRows(1, grid.Rows() - 1, 0);
    EXPECT_EQ(column(0),
        QStringList({ "A", "AB", same + "1", same + "10", same + "9", "Z", "a", "b", "~", "€", "Š", "À", "Ä", "ä", "ÿa",
            "ÿb", "Ω", "Ωa" }));
    EXPECT_EQ(grid.TextMatrix(1, 4), QStringLiteral("pA")) << "whole rows move";
}

TEST_F(FlexGridTest, SortIsStableAndLimitedToTheSelectedRows)
{
    fill({ "z", "b", "a2", "a1", "c" });
    for (int row = 2; row <= 4; ++row)
        grid.setTextMatrix(row, 1, "x");
    sortRows(4, 2, 1);
    EXPECT_EQ(column(0), QStringList({ "z", "b", "a2", "a1", "c" })) << "equal keys keep their order";
    sortRows(4, 2, 0);
    EXPECT_EQ(column(0), QStringList({ "z", "a1", "a2", "b", "c" }));
    sortRows(0, grid.Rows() - 1, 0);
    EXPECT_EQ(std::pair(grid.TextMatrix(0, 0), column(0)),
        std::pair(QStringLiteral("Titel"), QStringList({ "a1", "a2", "b", "c", "z" })))
        << "the header never sorts";
}

TEST_F(FlexGridTest, SortedColumnIsForgottenByEveryChangeThatMayBreakTheOrder)
{
    struct Fall {
        const char* change;
        std::function<void(FlexGrid&)> apply;
        int sortedCol;
    };
    const Fall faelle[] = {
        { "another column's cell", [](FlexGrid& g) { g.setTextMatrix(2, 1, "x"); }, 0 },
        { "the header", [](FlexGrid& g) { g.setTextMatrix(0, 0, "x"); }, 0 },
        { "a row removed", [](FlexGrid& g) { g.RemoveItem(2); }, 0 },
        { "part sorted on the same column", [](FlexGrid& g) { g.setRow(2), g.setRowSel(3), g.Sort(); }, 0 },
        { "a cell of the column", [](FlexGrid& g) { g.setTextMatrix(2, 0, "x"); }, -1 },
        { "a row appended", [](FlexGrid& g) { g.AddItem("0"); }, -1 },
        { "a row inserted", [](FlexGrid& g) { g.AddItem("z", 1); }, -1 },
        { "more rows", [](FlexGrid& g) { g.setRows(9); }, -1 },
        { "cleared", [](FlexGrid& g) { g.Clear(); }, -1 },
        { "part sorted on another column", [](FlexGrid& g) { g.setRow(2), g.setRowSel(3), g.setCol(1), g.Sort(); },
            -1 },
    };
    EXPECT_EQ(grid.sortedCol(), -1);
    for (const Fall& fall : faelle) {
        fill({ "c", "a", "b" });
        sortRows(1, grid.Rows() - 1, 0);
        ASSERT_EQ(grid.sortedCol(), 0);
        fall.apply(grid);
        EXPECT_EQ(grid.sortedCol(), fall.sortedCol) << fall.change;
    }
}

TEST_F(FlexGridTest, TopRowStaysWithinWhatTheViewCanShow)
{
    fill(QStringList(100, QStringLiteral("x")));
    grid.setTopRow(100);
    EXPECT_EQ(grid.TopRow(), 100) << "without a view the last row can be on top";
    grid.setVisibleRowCount(10);
    EXPECT_EQ(grid.TopRow(), 91) << "a view showing 10 rows ends with row 100 at its bottom";
    grid.setTopRow(20);
    for (const auto& [row, visible] :
        { std::pair(19, false), { 20, true }, { 29, true }, { 30, false }, { 0, true }, { 101, false } })
        EXPECT_EQ(grid.RowIsVisible(row), visible) << row << " (the header does not scroll)";
    grid.setTopRow(50);
    grid.setRows(20);
    EXPECT_EQ(grid.TopRow(), 10);
}

TEST_F(FlexGridTest, ModelShowsHeaderRowBoldCellsAndAlignment)
{
    fill({ "A" });
    grid.announcePendingRows();
    grid.setRow(0);
    grid.setCol(1);
    grid.setCellFontBold(true);
    grid.setColAlignment(1, Qt::AlignRight | Qt::AlignVCenter);

    const auto bold = [&](int col) { return grid.headerData(col, Qt::Horizontal, Qt::FontRole).value<QFont>().bold(); };
    EXPECT_EQ(std::tuple(grid.headerData(0, Qt::Horizontal).toString(), bold(0), bold(1),
                  grid.index(0, 0).data().toString(), grid.index(0, 1).data(Qt::TextAlignmentRole).toInt()),
        std::tuple(QStringLiteral("Titel"), false, true, QStringLiteral("A"), int(Qt::AlignRight | Qt::AlignVCenter)))
        << "model row 0 is grid row 1";
}

// Rows pack their cells into one string: every cell and bold flag survives changes to its neighbours.
TEST_F(FlexGridTest, CellsKeepTextsAndBoldFlagsWhenNeighboursChange)
{
    fill({ "a", "b" });
    const QString longText(70000, QLatin1Char('x')); // longer than 16 bits can count
    grid.setTextMatrix(2, 3, longText);
    grid.setTextMatrix(2, 5, "Schluessel");
    grid.setRow(2);
    grid.setCol(1);
    grid.setCellFontBold(true);
    grid.setRowTexts(2, { "Titel", "", "Genre" });
    EXPECT_EQ(
        QStringList({ grid.TextMatrix(2, 0), grid.TextMatrix(2, 1), grid.TextMatrix(2, 2), grid.TextMatrix(2, 5) }),
        QStringList({ "Titel", "", "Genre", "Schluessel" }));
    EXPECT_EQ(
        std::tuple(grid.TextMatrix(2, 3), grid.CellFontBold(2, 1), grid.CellFontBold(2, 2), grid.TextMatrix(1, 0)),
        std::tuple(longText, true, false, QStringLiteral("a")));

    grid.setTextMatrix(2, 3, QString());
    grid.setCellFontBold(false);
    EXPECT_EQ(
        std::pair(grid.TextMatrix(2, 5), grid.CellFontBold(2, 1)), std::pair(QStringLiteral("Schluessel"), false));
}

// The archive's sort key is artist then title, read from those cells rather than stored twice.
TEST_F(FlexGridTest, JoinedColumnReadsItsPartsInEveryUseAndDropsWhatIsWrittenToIt)
{
    const QString surrogat = QStringLiteral("\U0001F3B5"); // one character, two UTF-16 units
    fill({ "b", "a", "", surrogat });
    grid.setTextMatrix(0, 5, "Schlüssel");
    for (const auto& [row, artist] : { std::pair(1, "X"), { 2, "Y" }, { 3, "X" }, { 4, "" } })
        grid.setTextMatrix(row, 1, QString::fromUtf8(artist) + QChar(0));
    grid.setRow(1);
    grid.setCol(4);
    grid.setCellFontBold(true);
    grid.setJoinedCol(5, 1, 0);
    const QString nul(QChar(0)); // ID3v1 pads with NULs, which the cells keep
    EXPECT_EQ(column(5), QStringList({ "X" + nul + "b", "Y" + nul + "a", "X" + nul, nul + surrogat }));
    EXPECT_EQ(std::tuple(grid.TextMatrix(0, 5), column(4), grid.CellFontBold(1, 4)),
        std::tuple(QStringLiteral("Schlüssel"), QStringList({ "pb", "pa", "p", "p" + surrogat }), true))
        << "repacking keeps every stored cell";

    sortRows(1, grid.Rows() - 1, 5);
    EXPECT_EQ(std::pair(column(0), grid.sortedCol()), std::pair(QStringList({ surrogat, "", "b", "a" }), 5));
    grid.setRowTexts(2, { "c", "Z" });
    EXPECT_EQ(std::tuple(grid.TextView(2, 5).toString(), grid.index(1, 5).data().toString(), grid.sortedCol()),
        std::tuple(QStringLiteral("Zc"), QStringLiteral("Zc"), -1))
        << "a changed part changes the key and the order is unknown";
    sortRows(1, grid.Rows() - 1, 5);
    grid.setTextMatrix(3, 1, QString(5000, QLatin1Char('y')));
    EXPECT_EQ(std::pair(grid.TextMatrix(3, 5), grid.sortedCol()), std::pair(QString(5000, QLatin1Char('y')) + "a", -1));

    grid.setTextMatrix(1, 5, "x");
    grid.setRowTexts(2, QStringList(6, "x"));
    EXPECT_THROW(grid.setJoinedCol(1, 1, 0), std::out_of_range);
    EXPECT_EQ(std::pair(grid.TextMatrix(1, 5), grid.TextMatrix(2, 5)), std::pair(nul + surrogat, QStringLiteral("xx")));
}

} // namespace
