#pragma once
// A grid of square cells showing every icon of one file, one per cell, that fits its
// column (or row) count to its size.

#include <QAbstractScrollArea>
#include <QColor>
#include <QPoint>
#include <QString>
#include <memory>

namespace zorvane {

class GridIconSource;
class CoreGridIconSource;

enum TFixedDirection { fdHorizontal, fdVertical };

class TAutoAdjustIconGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TAutoAdjustIconGrid(QWidget* parent = nullptr);
    ~TAutoAdjustIconGrid() override;

    const QString& ModuleName() const { return moduleName_; }
    // Takes a module or icon file; a web page stands for the browser's own icons. The same
    // name again, a missing file or an unknown type changes nothing.
    void SetModuleName(const QString& path);
    int IconCount() const { return iconCount_; }

    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int margin);
    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int margin);
    TFixedDirection FixedDirection() const { return direction_; }
    // Switches the scroll bar; the layout follows with the next resize or module change.
    void SetFixedDirection(TFixedDirection direction);

    int DefaultColWidth() const { return cellWidth_; }
    int DefaultRowHeight() const { return cellHeight_; }
    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    int Col() const { return col_; }
    int Row() const { return row_; }
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    // The size of the scroll bar subtracted by the layout (the style's by default).
    int ScrollBarSize() const { return scrollBarSize_; }
    void SetScrollBarSize(int size) { scrollBarSize_ = size; }

    int CellToIndex(int col, int row) const;
    // Makes the cell of an icon index current, as a click would; nothing for index <= 0.
    void SelectIndex(int index);
    // Makes a cell current and raises SelectCell, as a click on it does.
    void ClickCell(int col, int row);
    // Forgets the module; count and layout stay, the cells are drawn empty.
    void CloseModule();
    void AdjustLayout();
    // The cell a key moves the current cell to, as in any grid: arrows by one, page keys by
    // the rows in view, Home and End to the ends of the row, with Ctrl to the first and last
    // cell. The current cell itself for other keys and at the edges.
    QPoint KeyTarget(int key, Qt::KeyboardModifiers modifiers) const;

    // Replaces where the icons come from (the grid's own icon core source by default; not owned).
    void SetIconSource(GridIconSource* source) { source_ = source; }

signals:
    void SelectCell(int col, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollRange();
    void MoveTo(int col, int row);
    void ShowCurrent();
    void PaintCell(class QPainter& p, int col, int row, const QRect& cell);

    QString moduleName_;
    int iconCount_ = 0;
    int leftMargin_ = 3, topMargin_ = 3;
    TFixedDirection direction_ = fdHorizontal;
    int cellWidth_ = 40, cellHeight_ = 40;
    int colCount_ = 1, rowCount_ = 1;
    int col_ = 0, row_ = 0;
    int scrollBarSize_;
    QColor color_;
    std::unique_ptr<CoreGridIconSource> coreSource_;
    GridIconSource* source_;
};

}  // namespace zorvane
