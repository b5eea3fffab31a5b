// The document: opening a file, selecting a group and an image, closing, the grid's
// background colour, command enabling and the hint bar.

#include <vector>

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTableWidget>

#include "controls/auto_adjust_icon_grid.h"
#include "core/icon_extraction.h"
#include "core/icon_file.h"
#include "core/texts.h"
#include "ui/main_window.h"
#include "ui/preview_image.h"

namespace zorvane {
namespace {

constexpr char kCannotOpen[] =
    "このファイルまたはフォルダは開けません。\r\nアイコンを含まないファイルか、登録されていない拡張子である可能性があります。";

// Told by the content first, as the grid does, so a cursor or a renamed icon file opens whole.
bool IsIconFile(const QString& path) { return IsIconFilePath(path.toStdString()); }

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

void TForm1::ActionOpenExecute() {
    if (const auto path = services_.dialogs->OpenFileName(this)) OpenFile(*path);
}

void TForm1::OpenFile(const QString& path) {
    DG->SetModuleName(path);
    if (DG->ModuleName().isEmpty()) {
        services_.messages->show(MessageKind::Warning, kCannotOpen);
        return;
    }
    // From here on the document is what the grid holds, which for a web page is another
    // file, and for a refused path the file that stays open.
    const QString module = DG->ModuleName();
    if (RecentFiles.Add(module.toStdString())) RebuildRecentMenus();
    SBFileName->setText(module);
    DG->viewport()->update();
    ResetColorBars();
    if (IsIconFile(module)) {
        IconStream.clear();
        LoadIconFile(IconStream, module.toStdString());
    }
    // A file of a type we take but without icons must not leave the previous file's group
    // behind, where a save would write it under the new file's name.
    if (DG->IconCount() == 0) {
        ShowNoIcons();
        return;
    }
    DGSelectCell(DG->Col(), DG->Row());
}

void TForm1::DGSelectCell(int col, int row) {
    ResetColorBars();
    const int group = DG->CellToIndex(col, row);
    if (group >= DG->IconCount()) return;
    ListView1->setRowCount(0);
    const QString module = DG->ModuleName();
    if (!IsIconFile(module)) {
        IconStream.clear();
        LoadIconGroup(IconStream, module.toStdString(), group);
    }
    // A group whose directory does not fit its bytes is treated as unreadable.
    if (!IconStream.empty() && !IsReadableIconStream(IconStream)) IconStream.clear();
    if (IconStream.empty()) {
        ShowNoIcons();
        return;
    }
    ListGroup();
}

void TForm1::ListGroup() {
    // A bit count that cannot be read ends the listing with an error: the previous group's
    // rows must not stay behind as if they belonged to this one.
    ListView1->setRowCount(0);
    FillMissingBitCounts(IconStream);
    const int count = ImageCount(IconStream);
    // A cursor's bit counts come from its images, read before any row is shown.
    std::vector<int> bitCounts;
    for (int i = 0; i < count; ++i) bitCounts.push_back(ListedBitCount(IconStream, i));
    SBList->setText(QString("アイコンデータ (計%1個のアイコン)").arg(count));
    ListView1->setUpdatesEnabled(false);
    ListView1->setRowCount(count);
    for (int i = 0; i < count; ++i) {
        const IconDirEntry entry = DirEntry(IconStream, i);
        ListView1->setItem(i, 0, Cell(QString::number(i + 1), Qt::AlignLeft));
        ListView1->setItem(i, 1, Cell(QString("%1px").arg(entry.pixelWidth()), Qt::AlignHCenter));
        ListView1->setItem(i, 2, Cell(QString("%1px").arg(entry.pixelHeight()), Qt::AlignHCenter));
        ListView1->setItem(i, 3, Cell(QString("%1bit").arg(bitCounts[static_cast<std::size_t>(i)]), Qt::AlignHCenter));
    }
    Transform.Reset();
    ListView1->selectRow(0);
    ListView1->setUpdatesEnabled(true);
}

void TForm1::ShowNoIcons() {
    ListView1->setRowCount(0);
    IconStream.clear();
    ClearPreview();
    SBList->setText(kNoIconsMessage);
    SBInfo->clear();
}

void TForm1::ClearPreview() {
    Image->Clear();
    WorkBitmap = Bitmap();
    PlacePreview(0, 0);
    ActionSaveUpdate();
}

void TForm1::ListView1SelectItem() {
    const int index = SelectedImageIndex();
    if (index >= 0) RenderPreview(index);
}

int TForm1::SelectedImageIndex() const {
    const QList<QTableWidgetSelectionRange> ranges = ListView1->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

QString TForm1::FileBaseName() const { return QFileInfo(DG->ModuleName()).completeBaseName(); }

int TForm1::GroupIndex() const { return DG->CellToIndex(DG->Col(), DG->Row()); }

void TForm1::CloseFileExecute() {
    DG->CloseModule();
    ListView1->setRowCount(0);
    IconStream.clear();
    ClearPreview();
    SBInfo->clear();
    SBFileName->clear();
    SBList->clear();
    ResetColorBars();
}

void TForm1::ChangeColorExecute() {
    if (const auto color = services_.dialogs->ChooseColor(this, DG->Color())) DG->SetColor(*color);
}

void TForm1::ActionSaveUpdate() {
    const bool enabled = !WorkBitmap.empty();
    for (QAction* command : {ActionSave, ActionReNameSave, CloseFile, SaveSingleIcon, SaveBMP, SavePNG, SaveGIF,
                             Rotate90, Rotate270, Rotate180, HorzMirror, VertMirror, Cancel, CreateAll})
        command->setEnabled(enabled);
}

bool TForm1::ListView1ContextPopup(const QPoint& at) {
    if (WorkBitmap.empty()) return false;
    ImageMenu->popup(ListView1->viewport()->mapToGlobal(at));
    return true;
}

void TForm1::ShowHoverHint(const QString& longHint) {
    if (longHint.isEmpty())
        SBHint->clearMessage();
    else
        SBHint->showMessage(longHint);
}

}  // namespace zorvane
