#include "common/ui/FlexGridView.h"

#include "common/FlexGrid.h"
#include "common/Helpers.h"
#include "common/Twips.h"
#include "common/ui/InputCodes.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Cells keep the NUL padding of tag fields for comparing, sorting and storing;
// the screen shows each text only up to its first NUL, not a box per NUL.
class Anzeigedelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        return Anzeigetext(QStyledItemDelegate::displayText(value, locale));
    }
};

} // namespace

FlexGridView::FlexGridView(QWidget* parent)
    : QTableView(parent)
{
    setItemDelegate(new Anzeigedelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Guests scroll with the arrow buttons; columns 4 and 5 lie beyond the right edge on purpose.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The grid, not the current index, decides what is scrolled into view.
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setMouseTracking(true);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);

    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(false);
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(0);
    header->viewport()->installEventFilter(this);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGridView::userScrolled);
}

void FlexGridView::setGrid(FlexGrid* grid)
{
    if (m_grid)
        disconnect(m_grid, nullptr, this, nullptr);
    m_grid = grid;
    setModel(grid);
    if (!grid)
        return;
    connect(grid, &FlexGrid::selectionChanged, this, &FlexGridView::showGridSelection);
    connect(grid, &FlexGrid::topRowChanged, this, &FlexGridView::showGridTopRow);
    connect(grid, &FlexGrid::columnLayoutChanged, this, &FlexGridView::applyColumnLayout);
    connect(grid, &FlexGrid::lookChanged, this, &FlexGridView::applyLook);
    connect(grid, &FlexGrid::redrawDisabled, this, [this] { applyRedraw(false); });
    connect(grid, &FlexGrid::redrawEnabled, this, [this] { applyRedraw(true); });
    // Qt's selection follows moved rows; the grid keeps row numbers.
    connect(grid, &QAbstractItemModel::rowsInserted, this, &FlexGridView::showGridSelection);
    connect(grid, &QAbstractItemModel::rowsRemoved, this, &FlexGridView::showGridSelection);
    applyLook();
    applyColumnLayout();
    applyRedraw(grid->Redraw());
    showGridSelection();
}

FlexGrid* FlexGridView::grid() const
{
    return m_grid;
}

int FlexGridView::rowHeight() const
{
    return fontMetrics().height() + 4;
}

// --- the grid moves the view ---

void FlexGridView::applyLook()
{
    if (!m_grid)
        return;
    QFont cellFont = font();
    cellFont.setPointSizeF(m_grid->FontSize());
    setFont(cellFont);
    const int height = rowHeight();
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);

    const FlexGrid::Colours colours = m_grid->colours();
    QPalette cells = palette();
    cells.setColor(QPalette::Base, colours.backBkg);
    cells.setColor(QPalette::Text, colours.fore);
    cells.setColor(QPalette::Highlight, colours.backSel);
    cells.setColor(QPalette::HighlightedText, colours.foreSel);
    setPalette(cells);
    // A palette only tints the style's own header look (a gradient); the
    // style sheet makes the header exactly the chosen colours. The padding is
    // the cells' text margin, so header and cell texts line up.
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: %2; border: none; padding: 0 %3px; }")
            .arg(colours.backFixed.name(), colours.foreFixed.name())
            .arg(textMargin));

    updateGeometries();
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void FlexGridView::applyColumnLayout()
{
    if (!m_grid)
        return;
    for (int col = 0; col < m_grid->Cols(); ++col)
        horizontalHeader()->resizeSection(col, twipsToPixels(m_grid->ColWidth(col), logicalDpiX()));
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void FlexGridView::applyRedraw(bool redraw)
{
    setUpdatesEnabled(redraw);
    if (!redraw)
        return;
    showGridSelection();
    showGridTopRow();
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void FlexGridView::showGridSelection()
{
    if (!m_grid)
        return;
    // Rows the grid has not announced yet are shown once it does (rowsInserted).
    const int row = m_grid->Row();
    const int first = std::max(1, std::min(row, m_grid->RowSel()));
    const int last = std::min(std::max(row, m_grid->RowSel()), m_grid->rowCount());
    const QModelIndex current = m_grid->index(row - 1, m_grid->Col());
    QItemSelection wanted;
    if (last >= first)
        wanted.select(m_grid->index(first - 1, 0), m_grid->index(last - 1, m_grid->Cols() - 1));

    QItemSelectionModel* selection = selectionModel();
    if (selection->currentIndex() == current && selection->selection() == wanted)
        return;
    QScopedValueRollback following(m_following, true);
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
}

void FlexGridView::showGridTopRow()
{
    if (!m_grid)
        return;
    QScopedValueRollback following(m_following, true);
    verticalScrollBar()->setValue(m_grid->TopRow() - 1);
}

void FlexGridView::updateGeometries()
{
    {
        QScopedValueRollback following(m_following, true);
        QTableView::updateGeometries();
    }
    if (!m_grid)
        return;
    m_grid->setVisibleRowCount(viewport()->height() / rowHeight());
    showGridTopRow();
}

void FlexGridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    // The outer width, as the window's layout computes it, so both give the same column widths.
    if (m_grid)
        m_grid->setWidth(pixelsToTwips(width(), logicalDpiX()));
}

// --- the user moves the grid ---

void FlexGridView::userScrolled(int value)
{
    if (m_grid && !m_following)
        m_grid->setTopRow(value + 1);
}

void FlexGridView::pushCurrentRowToGrid()
{
    if (!m_grid)
        return;
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() + 1 : m_grid->Row();
    const bool changed = row != m_grid->Row() || row != m_grid->RowSel() || m_grid->Col() != 0
        || m_grid->ColSel() != m_grid->Cols() - 1;
    if (!changed) {
        showGridSelection();
        return;
    }
    m_grid->selectRow(row);
    emit selChange();
}

void FlexGridView::keyPressEvent(QKeyEvent* event)
{
    if (!m_grid) {
        QTableView::keyPressEvent(event);
        return;
    }
    int keyCode = InputCodes::virtualKeyCode(*event);
    if (keyCode != 0) {
        emit keyDown(keyCode, InputCodes::shiftBits(event->modifiers()));
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    if (currentIndex() != before) {
        scrollTo(currentIndex());
        pushCurrentRowToGrid();
    }
}

void FlexGridView::keyboardSearch(const QString&)
{
    // Letters do not jump to rows here; the search runs on the on-screen keyboard.
}

void FlexGridView::noteMouseCell(const QPoint& viewportPos)
{
    if (!m_grid)
        return;
    const int row = rowAt(viewportPos.y());
    m_grid->setMouseCell(row >= 0 ? row + 1 : -1, columnAt(viewportPos.x()));
}

void FlexGridView::emitMouseDown(QMouseEvent* event, const QPoint& viewPos)
{
    emit mouseDown(InputCodes::buttonNumber(event->button()), InputCodes::shiftBits(event->modifiers()),
        pixelsToTwips(viewPos.x(), logicalDpiX()), pixelsToTwips(viewPos.y(), logicalDpiY()));
}

void FlexGridView::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    noteMouseCell(pos);
    QTableView::mousePressEvent(event);
    if (!m_grid)
        return;
    pushCurrentRowToGrid();
    emitMouseDown(event, viewport()->mapTo(this, pos));
}

void FlexGridView::mouseMoveEvent(QMouseEvent* event)
{
    noteMouseCell(event->position().toPoint());
    // A drag keeps the pressed row: only a press chooses one, so the row the
    // window remembers for the selection never differs from it.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void FlexGridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    // Qt clears its selection on a release beside every row; the grid's selection stays.
    showGridSelection();
}

void FlexGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first press of the double-click has selected the row already.
    noteMouseCell(event->position().toPoint());
    event->accept();
    if (m_grid)
        emit dblClick();
}

void FlexGridView::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    // A popup menu or another window taking over is not leaving the grid.
    if (m_grid && event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit validate();
}

void FlexGridView::noteHeaderMouse(QMouseEvent* event)
{
    m_grid->setMouseCell(0, horizontalHeader()->logicalIndexAt(event->position().toPoint()));
}

bool FlexGridView::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_grid || watched != horizontalHeader()->viewport())
        return QTableView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        noteHeaderMouse(mouse);
        setFocus(Qt::MouseFocusReason);
        emitMouseDown(mouse, horizontalHeader()->viewport()->mapTo(this, mouse->position().toPoint()));
        return true;
    }
    case QEvent::MouseButtonDblClick:
        noteHeaderMouse(static_cast<QMouseEvent*>(event));
        emit dblClick();
        return true;
    case QEvent::MouseMove:
        noteHeaderMouse(static_cast<QMouseEvent*>(event));
        return false;
    default:
        return QTableView::eventFilter(watched, event);
    }
}
