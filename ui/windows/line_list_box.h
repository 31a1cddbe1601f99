#pragma once

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QPersistentModelIndex>
#include <QStringList>
#include <utility>

namespace tarlen {

// The lines of a list box, in the order they were added; lines are only ever added at the end.
class LineListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void append(const QString &line);

private:
    QStringList lines_;
};

// A single-selection list box of one-line texts of one font. Every line has the height of the
// first, so a line's place follows from its number: adding, selecting and scrolling to a line
// cost the same however many lines there are, where a list view lays out every line again.
// The lines are drawn by the standard item delegate, as a list view draws them.
class LineListBox : public QAbstractItemView {
    Q_OBJECT

public:
    explicit LineListBox(QWidget *parent = nullptr);

    int lineCount() const;
    void appendLine(const QString &line);
    // Makes the line current and the only one selected, and scrolls it into view.
    void selectLine(int row);

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;

    void updateGeometries() override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    // Widens the lines to the widest of rows first to last; the first line sets the height.
    void measure(int first, int last);
    // Whole lines that fit in the viewport, at least one.
    int linesPerPage() const;
    // The rows whose lines cross the band from top to bottom, in viewport coordinates,
    // clipped to the lines there are; empty (first above last) when there are none.
    std::pair<int, int> rowsCrossing(int top, int bottom) const;

    LineListModel *lines_ = nullptr;
    int lineHeight_ = 0;
    int lineWidth_ = 0;
    QPersistentModelIndex hovered_;
};

} // namespace tarlen
