#include "common/ui/FlexGridView.h"
#include "common/FlexGrid.h"
#include "common/Twips.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A shown view on a grid of 60 songs, in a window with a second focusable widget.
class FlexGridViewTest : public ::testing::Test {
protected:
    QWidget window;
    FlexGrid grid;
    QAbstractItemModelTester tester { &grid, QAbstractItemModelTester::FailureReportingMode::Fatal };
    FlexGridView* view = new FlexGridView(&window);
    QLineEdit* other = new QLineEdit(&window);

    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(view);
        layout->addWidget(other);
        view->setGrid(&grid);
        grid.setRows(1);
        for (int row = 1; row <= 60; ++row)
            grid.AddItem(QStringLiteral("Lied %1").arg(row));
        grid.announcePendingRows();
        for (int col = 0; col < 6; ++col)
            grid.setColWidth(col, 1500);
        window.resize(500, 400);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }

    // Centre of a data row's cell in viewport coordinates (the row must be shown).
    QPoint cellCentre(int row, int col) const { return view->visualRect(grid.index(row - 1, col)).center(); }

    // The first fully shown data row (at the end of the list a part of the row above may show).
    int firstShownRow() const
    {
        const int row = view->rowAt(0);
        return view->rowViewportPosition(row) < 0 ? row + 2 : row + 1;
    }
};

TEST_F(FlexGridViewTest, ClicksSelectDataRowsAndReportTheCell)
{
    grid.setRows(4);
    for (int col = 0; col < 6; ++col)
        grid.setColWidth(col, 500);
    QCoreApplication::processEvents();
    QSignalSpy mouseDown(view, &FlexGridView::mouseDown);
    QSignalSpy dblClick(view, &FlexGridView::dblClick);
    const QPoint belowRows(cellCentre(1, 1).x(), view->viewport()->height() - 3);
    const QPoint rightOfColumns(view->viewport()->width() - 3, cellCentre(1, 1).y());
    QHeaderView* header = view->horizontalHeader();
    const struct {
        QWidget* widget;
        QPoint pos;
        std::pair<int, int> mouseCell;
    } clicks[] = {
        { view->viewport(), cellCentre(3, 2), { 3, 2 } },
        { header->viewport(), QPoint(header->sectionViewportPosition(2) + 5, 5), { 0, 2 } },
        { view->viewport(), belowRows, { -1, 1 } },
        { view->viewport(), rightOfColumns, { 1, -1 } },
    };
    for (const auto& click : clicks) {
        QTest::mouseClick(click.widget, Qt::LeftButton, Qt::ShiftModifier, click.pos);
        EXPECT_EQ(std::pair(grid.MouseRow(), grid.MouseCol()), click.mouseCell);
        EXPECT_EQ(std::tuple(grid.Row(), grid.RowSel(), grid.Col(), grid.ColSel()), std::tuple(3, 3, 0, 5));
        EXPECT_TRUE(view->selectionModel()->isRowSelected(2, {}));
    }
    ASSERT_EQ(mouseDown.count(), 4);
    const QPoint inView = view->viewport()->mapTo(view, cellCentre(3, 2));
    EXPECT_EQ(mouseDown[0],
        QVariantList(
            { 1, 1, pixelsToTwips(inView.x(), view->logicalDpiX()), pixelsToTwips(inView.y(), view->logicalDpiY()) }));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(dblClick.count(), 1);
}

TEST_F(FlexGridViewTest, GridSelectionTopRowAndRedrawMoveTheView)
{
    grid.selectRow(40);
    EXPECT_EQ(std::tuple(view->selectionModel()->isRowSelected(39, {}), view->currentIndex().row(), firstShownRow()),
        std::tuple(true, 39, 1))
        << "selecting does not scroll by itself";
    grid.setTopRow(30);
    EXPECT_EQ(firstShownRow(), 30);

    // The grid keeps row numbers when rows move above the selection.
    grid.RemoveItem(1);
    EXPECT_EQ(view->currentIndex().row(), 39);

    // A row appended just now can be selected and scrolled to before its batch is announced.
    grid.AddItem(QStringLiteral("Letztes"));
    const int last = grid.Rows() - 1;
    grid.selectRow(last);
    grid.setTopRow(last);
    EXPECT_EQ(grid.TopRow(), last - grid.visibleRowCount() + 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->currentIndex().row() == last - 1; }, 2000));
    EXPECT_EQ(firstShownRow(), grid.TopRow());

    // Redraw off stops painting; switched on, the view catches up.
    grid.setRedraw(false);
    grid.setTopRow(20);
    grid.setRedraw(true);
    EXPECT_TRUE(view->updatesEnabled());
    EXPECT_EQ(firstShownRow(), 20);
}

TEST_F(FlexGridViewTest, VisibleRowsFollowTheViewHeightAndScrolling)
{
    const int shown = grid.visibleRowCount();
    grid.setTopRow(10);
    EXPECT_TRUE(view->visualRect(grid.index(10 + shown - 2, 0)).bottom() < view->viewport()->height())
        << "the last row counted as visible lies inside the viewport";

    window.resize(500, 400 + 3 * view->rowHeight());
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.visibleRowCount(), shown + 3);

    view->verticalScrollBar()->setValue(12);
    EXPECT_EQ(grid.TopRow(), 13);
    grid.selectRow(grid.TopRow() + grid.visibleRowCount() - 1);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(std::pair(grid.Row(), grid.TopRow()), std::pair(13 + grid.visibleRowCount(), 14))
        << "moving the cursor past the bottom scrolls";
}

TEST_F(FlexGridViewTest, KeyDownComesFirstAndCanSwallowTheKey)
{
    grid.selectRow(5);
    QList<std::tuple<int, int, int>> keys; // key code, shift, Row() when the event came
    bool swallow = true;
    QObject::connect(view, &FlexGridView::keyDown, view, [&](int& keyCode, int shift) {
        keys.append({ keyCode, shift, grid.Row() });
        if (swallow)
            keyCode = 0;
    });
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
    swallow = false;
    for (const Qt::Key key : { Qt::Key_Down, Qt::Key_Return, Qt::Key_F5, Qt::Key_M })
        QTest::keyClick(view, key);
    EXPECT_EQ(grid.Row(), 6) << "the swallowed key did not move, letters do not jump";
    EXPECT_EQ(keys,
        (QList<std::tuple<int, int, int>> { { 40, 2, 5 }, { 40, 0, 5 }, { 13, 0, 6 }, { 116, 0, 6 }, { 77, 0, 6 } }));
}

TEST_F(FlexGridViewTest, PaintsTheGridColoursAndSizesExactly)
{
    grid.setColWidth(1, 2400);
    EXPECT_EQ(view->horizontalHeader()->sectionSize(1), twipsToPixels(2400, view->logicalDpiX()));
    const int rowsBefore = grid.visibleRowCount();
    grid.setFontSize(20);
    EXPECT_LT(grid.visibleRowCount(), rowsBefore) << "bigger rows, fewer of them";

    const FlexGrid::Colours colours { .back = QColor(250, 250, 200),
        .backFixed = QColor(200, 0, 0),
        .backSel = QColor(0, 120, 0),
        .backBkg = QColor(10, 20, 30) };
    grid.setColours(colours);
    grid.setRows(4);
    grid.selectRow(2);
    QCoreApplication::processEvents();

    const QImage shot = view->grab().toImage();
    // Colour names ("#c80000") make a failure readable.
    const auto name = [](const QColor& colour) { return colour.name().toStdString(); };
    const auto pixel
        = [&](const QWidget* widget, const QPoint& pos) { return name(shot.pixel(widget->mapTo(view, pos))); };
    // Right inside a cell, clear of its text and of the grid lines.
    const auto besideText = [&](int row) {
        const QRect cell = view->visualRect(grid.index(row - 1, 1));
        return QPoint(cell.right() - 4, cell.center().y());
    };
    QHeaderView* header = view->horizontalHeader();

    EXPECT_EQ(std::tuple(pixel(header->viewport(), QPoint(header->sectionSize(0) - 5, header->height() - 4)),
                  pixel(view->viewport(), besideText(2)), pixel(view->viewport(), besideText(1)),
                  pixel(view->viewport(), QPoint(20, view->viewport()->height() - 3))),
        std::tuple(name(colours.backFixed), name(colours.backSel), name(colours.back), name(colours.backBkg)));
}

// Tag fields padded with NUL bytes would show a box for each NUL.
TEST_F(FlexGridViewTest, DrawsACellTextOnlyUpToItsFirstNul)
{
    const auto zelle = [&] {
        view->viewport()->repaint();
        return view->viewport()->grab(view->visualRect(grid.index(0, 0))).toImage();
    };
    const QImage ohneNul = zelle();
    const QString gepolstert = QStringLiteral("Lied 1") + QString(24, QChar(u'\0'));
    grid.setTextMatrix(1, 0, gepolstert);
    EXPECT_EQ(zelle(), ohneNul);
    EXPECT_EQ(grid.TextMatrix(1, 0), gepolstert) << "the cell keeps its NULs";
}

TEST_F(FlexGridViewTest, LosingTheFocusValidates)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy validate(view, &FlexGridView::validate);
    view->setFocus();
    other->setFocus();
    EXPECT_EQ(validate.count(), 1);
}

} // namespace
