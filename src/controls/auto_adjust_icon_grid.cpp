#include "controls/auto_adjust_icon_grid.h"

#include <algorithm>

#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "controls/grid_icon_source.h"
#include "platform/file_types.h"

namespace zorvane {

TAutoAdjustIconGrid::TAutoAdjustIconGrid(QWidget* parent)
    : QAbstractScrollArea(parent),
      scrollBarSize_(style()->pixelMetric(QStyle::PM_ScrollBarExtent)),
      color_(palette().color(QPalette::Base)),
      coreSource_(std::make_unique<CoreGridIconSource>()),
      source_(coreSource_.get()) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(cellHeight_);
    horizontalScrollBar()->setSingleStep(cellWidth_);
}

TAutoAdjustIconGrid::~TAutoAdjustIconGrid() = default;

void TAutoAdjustIconGrid::SetModuleName(const QString& path) {
    if (path == moduleName_ || !QFileInfo(path).isFile()) return;
    const QString module = QString::fromStdString(GridModuleFor(path.toStdString()));
    if (module.isEmpty()) return;
    moduleName_ = module;
    iconCount_ = source_->Count(module);
    AdjustLayout();
    col_ = row_ = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void TAutoAdjustIconGrid::SetLeftMargin(int margin) {
    if (margin == leftMargin_) return;
    leftMargin_ = margin;
    viewport()->update();
}

void TAutoAdjustIconGrid::SetTopMargin(int margin) {
    if (margin == topMargin_) return;
    topMargin_ = margin;
    viewport()->update();
}

void TAutoAdjustIconGrid::SetFixedDirection(TFixedDirection direction) {
    if (direction == direction_) return;
    direction_ = direction;
    const bool horizontal = direction == fdHorizontal;
    setVerticalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void TAutoAdjustIconGrid::SetColor(const QColor& color) {
    color_ = color;
    viewport()->update();
}

int TAutoAdjustIconGrid::CellToIndex(int col, int row) const {
    return direction_ == fdHorizontal ? col + row * colCount_ : row + col * rowCount_;
}

void TAutoAdjustIconGrid::SelectIndex(int index) {
    if (index <= 0) return;
    const bool horizontal = direction_ == fdHorizontal;
    const int col = horizontal ? index % colCount_ : index / rowCount_;
    const int row = horizontal ? index / colCount_ : index % rowCount_;
    // An index past the last cell selects nothing rather than half a move.
    if (col >= colCount_ || row >= rowCount_) return;
    if (horizontal) {
        MoveTo(col_, row);
        MoveTo(col, row_);
    } else {
        MoveTo(col, row_);
        MoveTo(col_, row);
    }
}

void TAutoAdjustIconGrid::ClickCell(int col, int row) { MoveTo(col, row); }

void TAutoAdjustIconGrid::CloseModule() {
    moduleName_.clear();
    source_->Close();
    UpdateScrollRange();
    viewport()->update();
}

void TAutoAdjustIconGrid::AdjustLayout() {
    const int n = iconCount_;
    // The bar's size counts whether or not it shows; a grid too small for one cell plus
    // the bar still has one column (or row).
    auto fit = [n](int extent, int cell, int& along, int& across) {
        const int k = std::max(1, extent / cell);
        if (k < n) {
            along = k;
            across = (n + k - 1) / k;
        } else {
            along = std::max(1, n);
            across = 1;
        }
    };
    if (direction_ == fdHorizontal)
        fit(width() - scrollBarSize_, cellWidth_, colCount_, rowCount_);
    else
        fit(height() - scrollBarSize_, cellHeight_, rowCount_, colCount_);
    col_ = std::min(col_, colCount_ - 1);
    row_ = std::min(row_, rowCount_ - 1);
    UpdateScrollRange();
    viewport()->update();
}

void TAutoAdjustIconGrid::UpdateScrollRange() {
    const QSize view = viewport()->size();
    // An empty grid has nothing to scroll to, whatever layout its last file left.
    const bool empty = moduleName_.isEmpty();
    verticalScrollBar()->setRange(0, empty ? 0 : std::max(0, rowCount_ * cellHeight_ - view.height()));
    verticalScrollBar()->setPageStep(std::max(cellHeight_, view.height()));
    horizontalScrollBar()->setRange(0, empty ? 0 : std::max(0, colCount_ * cellWidth_ - view.width()));
    horizontalScrollBar()->setPageStep(std::max(cellWidth_, view.width()));
}

void TAutoAdjustIconGrid::MoveTo(int col, int row) {
    // Without a file no cell can be chosen.
    if (moduleName_.isEmpty()) return;
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return;
    col_ = col;
    row_ = row;
    ShowCurrent();
    viewport()->update();
    emit SelectCell(col, row);
}

void TAutoAdjustIconGrid::ShowCurrent() {
    auto reveal = [](QScrollBar* bar, int start, int cell, int view) {
        if (start < bar->value())
            bar->setValue(start);
        else if (start + cell > bar->value() + view)
            bar->setValue(start + cell - view);
    };
    reveal(verticalScrollBar(), row_ * cellHeight_, cellHeight_, viewport()->height());
    reveal(horizontalScrollBar(), col_ * cellWidth_, cellWidth_, viewport()->width());
}

void TAutoAdjustIconGrid::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    p.fillRect(event->rect(), color_);
    const int dx = horizontalScrollBar()->value(), dy = verticalScrollBar()->value();
    const QRect dirty = event->rect().translated(dx, dy);
    const int firstCol = std::max(0, dirty.left() / cellWidth_);
    const int lastCol = std::min(colCount_ - 1, dirty.right() / cellWidth_);
    const int firstRow = std::max(0, dirty.top() / cellHeight_);
    const int lastRow = std::min(rowCount_ - 1, dirty.bottom() / cellHeight_);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col)
            PaintCell(p, col, row, QRect(col * cellWidth_ - dx, row * cellHeight_ - dy, cellWidth_, cellHeight_));
}

void TAutoAdjustIconGrid::PaintCell(QPainter& p, int col, int row, const QRect& cell) {
    // Without a file there is no current icon to mark.
    if (moduleName_.isEmpty()) return;
    if (col == col_ && row == row_) p.fillRect(cell, palette().color(QPalette::Highlight));
    const int index = CellToIndex(col, row);
    if (index >= iconCount_) return;
    // Drawn afresh on every paint: the core extracts quickly enough for a page of cells.
    const QImage icon = source_->Icon(moduleName_, index);
    if (!icon.isNull()) p.drawImage(cell.left() + leftMargin_, cell.top() + topMargin_, icon);
}

void TAutoAdjustIconGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (!moduleName_.isEmpty())
        AdjustLayout();
    else
        UpdateScrollRange();
}

void TAutoAdjustIconGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() +
                      QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    if (event->button() == Qt::LeftButton) ClickCell(at.x() / cellWidth_, at.y() / cellHeight_);
}

QPoint TAutoAdjustIconGrid::KeyTarget(int key, Qt::KeyboardModifiers modifiers) const {
    const bool ctrl = modifiers & Qt::ControlModifier;
    const int page = std::max(1, viewport()->height() / cellHeight_);
    QPoint to(col_, row_);
    switch (key) {
    case Qt::Key_Left: to.rx() -= 1; break;
    case Qt::Key_Right: to.rx() += 1; break;
    case Qt::Key_Up: to.ry() -= 1; break;
    case Qt::Key_Down: to.ry() += 1; break;
    case Qt::Key_PageUp: to.ry() -= page; break;
    case Qt::Key_PageDown: to.ry() += page; break;
    case Qt::Key_Home: to = QPoint(0, ctrl ? 0 : row_); break;
    case Qt::Key_End: to = QPoint(colCount_ - 1, ctrl ? rowCount_ - 1 : row_); break;
    default: return to;
    }
    // The page keys stop at the first and last row; the arrows do not wrap.
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) to.setY(std::clamp(to.y(), 0, rowCount_ - 1));
    return to;
}

void TAutoAdjustIconGrid::keyPressEvent(QKeyEvent* event) {
    const QPoint to = KeyTarget(event->key(), event->modifiers());
    if (to == QPoint(col_, row_)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    MoveTo(to.x(), to.y());
}

void TAutoAdjustIconGrid::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace zorvane
