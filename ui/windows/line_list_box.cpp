#include "ui/windows/line_list_box.h"

#include <QEvent>
#include <QHoverEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace tarlen {

namespace {

// Rounds towards minus infinity, so that a point just above the first line is not taken for it.
int floorDiv(int a, int b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

int LineListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LineListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    return lines_.at(index.row());
}

Qt::ItemFlags LineListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

void LineListModel::append(const QString &line)
{
    const int row = static_cast<int>(lines_.size());
    beginInsertRows({}, row, row);
    lines_.append(line);
    endInsertRows();
}

LineListBox::LineListBox(QWidget *parent) : QAbstractItemView(parent)
{
    lines_ = new LineListModel(this);
    setModel(lines_);
    setSelectionMode(SingleSelection);
    // The vertical scroll bar counts lines, as a list box's does.
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
}

int LineListBox::lineCount() const
{
    return lines_->rowCount();
}

void LineListBox::appendLine(const QString &line)
{
    lines_->append(line);
}

void LineListBox::selectLine(int row)
{
    const QModelIndex line = lines_->index(row);
    selectionModel()->setCurrentIndex(line, QItemSelectionModel::ClearAndSelect);
    scrollTo(line);
}

QRect LineListBox::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != lines_ || index.row() >= lineCount())
        return {};
    // Every line is as wide as the widest, or the viewport when that is wider, as in a list view.
    return {-horizontalOffset(), index.row() * lineHeight_ - verticalOffset(),
            std::max(lineWidth_, viewport()->width()), lineHeight_};
}

void LineListBox::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != lines_ || lineHeight_ <= 0)
        return;
    const int row = index.row();
    const int top = verticalScrollBar()->value();
    const int page = linesPerPage();
    int wanted = top;
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            wanted = row;
        else if (row >= top + page)
            wanted = row - page + 1;
        break;
    case PositionAtTop:
        wanted = row;
        break;
    case PositionAtBottom:
        wanted = row - page + 1;
        break;
    case PositionAtCenter:
        wanted = row - (page - 1) / 2;
        break;
    }
    // The scroll bar keeps the value within its range.
    verticalScrollBar()->setValue(wanted);
}

QModelIndex LineListBox::indexAt(const QPoint &point) const
{
    if (lineHeight_ <= 0)
        return {};
    const int row = verticalScrollBar()->value() + floorDiv(point.y(), lineHeight_);
    const int x = point.x() + horizontalOffset();
    if (row < 0 || row >= lineCount() || x < 0 || x >= std::max(lineWidth_, viewport()->width()))
        return {};
    return lines_->index(row);
}

QModelIndex LineListBox::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int count = lineCount();
    if (count == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return lines_->index(0);
    int row = current.row();
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= std::max(1, linesPerPage() - 1);
        break;
    case MovePageDown:
        row += std::max(1, linesPerPage() - 1);
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        // One column: sideways stays on the line.
        break;
    }
    return lines_->index(std::clamp(row, 0, count - 1));
}

int LineListBox::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int LineListBox::verticalOffset() const
{
    return verticalScrollBar()->value() * lineHeight_;
}

bool LineListBox::isIndexHidden(const QModelIndex &) const
{
    return false;
}

void LineListBox::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect band = rect.normalized();
    const int left = -horizontalOffset();
    const int right = left + std::max(lineWidth_, viewport()->width()) - 1;
    QItemSelection selection;
    if (band.right() >= left && band.left() <= right) {
        const auto [first, last] = rowsCrossing(band.top(), band.bottom());
        if (first <= last)
            selection.select(lines_->index(first), lines_->index(last));
    }
    selectionModel()->select(selection, command);
}

QRegion LineListBox::visualRegionForSelection(const QItemSelection &selection) const
{
    const QRect shown = viewport()->rect();
    const auto [firstShown, lastShown] = rowsCrossing(shown.top(), shown.bottom());
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.model() != lines_ || range.parent().isValid())
            continue;
        const int first = std::max(range.top(), firstShown);
        const int last = std::min(range.bottom(), lastShown);
        if (first <= last)
            region += visualRect(lines_->index(first)).united(visualRect(lines_->index(last)));
    }
    return region;
}

void LineListBox::initViewItemOption(QStyleOptionViewItem *option) const
{
    // As a list view in list mode sets up its lines.
    QAbstractItemView::initViewItemOption(option);
    if (!iconSize().isValid()) {
        const int side = style()->pixelMetric(QStyle::PM_ListViewIconSize, nullptr, this);
        option->decorationSize = QSize(side, side);
    }
    option->showDecorationSelected =
        style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
    option->decorationPosition = QStyleOptionViewItem::Left;
}

void LineListBox::updateGeometries()
{
    const int count = lineCount();
    if (count == 0 || lineHeight_ <= 0) {
        verticalScrollBar()->setRange(0, 0);
        horizontalScrollBar()->setRange(0, 0);
    } else {
        const int page = linesPerPage();
        verticalScrollBar()->setSingleStep(1);
        verticalScrollBar()->setPageStep(page);
        verticalScrollBar()->setRange(0, std::max(0, count - page));
        horizontalScrollBar()->setSingleStep(lineHeight_);
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setRange(0, std::max(0, lineWidth_ - viewport()->width()));
    }
    QAbstractItemView::updateGeometries();
    // Shows or hides the scroll bars now rather than at the next turn of the event loop, as a
    // list view does, so that a line scrolled to next is placed in the viewport they leave.
    setViewportMargins(viewportMargins());
}

void LineListBox::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    if (parent.isValid())
        return;
    const int widthBefore = lineWidth_;
    measure(start, end);
    updateGeometries();
    if (lineWidth_ != widthBefore)
        viewport()->update();
    else
        viewport()->update(visualRect(lines_->index(start)).united(visualRect(lines_->index(end))));
}

void LineListBox::scrollContentsBy(int dx, int dy)
{
    // The vertical scroll bar counts lines; the viewport moves by pixels.
    viewport()->scroll(dx, dy * lineHeight_);
}

void LineListBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State baseState = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QItemSelectionModel *selection = selectionModel();
    const auto [first, last] = rowsCrossing(event->rect().top(), event->rect().bottom());
    for (int row = first; row <= last; ++row) {
        const QModelIndex line = lines_->index(row);
        option.rect = visualRect(line);
        option.state = baseState;
        option.state.setFlag(QStyle::State_Selected, selection && selection->isSelected(line));
        option.state.setFlag(QStyle::State_HasFocus, focus && line == current);
        option.state.setFlag(QStyle::State_MouseOver, line == hovered_);
        if (baseState & QStyle::State_Enabled)
            option.palette.setCurrentColorGroup(QPalette::Normal);
        itemDelegateForIndex(line)->paint(&painter, option, line);
    }
}

void LineListBox::changeEvent(QEvent *event)
{
    QAbstractItemView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        // Lines take a new size; the only time every line is measured again.
        lineHeight_ = 0;
        lineWidth_ = 0;
        measure(0, lineCount() - 1);
        updateGeometries();
        viewport()->update();
    }
}

bool LineListBox::viewportEvent(QEvent *event)
{
    // The line under the pointer is drawn as hovered, as a list view draws it.
    const QEvent::Type type = event->type();
    if (type == QEvent::HoverEnter || type == QEvent::HoverMove) {
        const QModelIndex under = indexAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        if (under != hovered_) {
            update(hovered_);
            hovered_ = under;
            update(hovered_);
        }
    } else if (type == QEvent::HoverLeave) {
        update(hovered_);
        hovered_ = QPersistentModelIndex();
    }
    return QAbstractItemView::viewportEvent(event);
}

void LineListBox::measure(int first, int last)
{
    if (first > last)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int row = first; row <= last; ++row) {
        const QModelIndex line = lines_->index(row);
        const QSize size = itemDelegateForIndex(line)->sizeHint(option, line);
        if (row == 0 || lineHeight_ <= 0)
            lineHeight_ = std::max(1, size.height());
        lineWidth_ = std::max(lineWidth_, size.width());
    }
}

int LineListBox::linesPerPage() const
{
    return lineHeight_ > 0 ? std::max(1, viewport()->height() / lineHeight_) : 1;
}

std::pair<int, int> LineListBox::rowsCrossing(int top, int bottom) const
{
    if (lineHeight_ <= 0 || lineCount() == 0)
        return {0, -1};
    const int topRow = verticalScrollBar()->value();
    const int first = std::max(0, topRow + floorDiv(top, lineHeight_));
    const int last = std::min(lineCount() - 1, topRow + floorDiv(bottom, lineHeight_));
    return {first, last};
}

} // namespace tarlen
