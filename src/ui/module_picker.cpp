#include "ui/module_picker.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_settings.h"
#include "controls/auto_adjust_icon_grid.h"
#include "core/existing_files.h"
#include "core/icon_file.h"
#include "platform/file_io.h"
#include "platform/ini_file.h"
#include "ui/hint.h"
#include "ui/list_builder.h"
#include "ui/module_list_model.h"
#include "ui/radio_group.h"
#include "ui/texts.h"
#include "ui/window_placement.h"

namespace zorvane {

namespace {

constexpr int kNameColumn = ModuleListModel::kNameColumn;
constexpr std::size_t kProgressStride = 4096;

int BarValue(std::size_t count) { return static_cast<int>(std::min<std::size_t>(count, INT32_MAX)); }

const QStringList kKindCaptions = {"システムフォルダ内 *.DLL", "システムフォルダ内 *.CPL", "Program Files内　*.EXE",
                                   "Program Files内　*.DLL"};

QString textOf(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TForm3::TForm3(QString systemFolder, QString programFilesFolder, QString settingsFolder, MessageSink& messages,
               QWidget* parent)
    : QDialog(parent),
      systemFolder_(std::move(systemFolder)),
      programFilesFolder_(std::move(programFilesFolder)),
      settingsFolder_(std::move(settingsFolder)),
      messages_(messages),
      counter_(IconCountOfFile) {
    BuildLayout();
    FormCreate();
}

TForm3::~TForm3() { FormDestroy(); }

void TForm3::BuildLayout() {
    setWindowTitle("アイコンを含むファイルの選択");
    setSizeGripEnabled(true);
    RadioGroup1 = new TRadioGroup("ファイルの種類", kKindCaptions, 2, this);
    RadioGroup1->setFixedHeight(75);
    RadioGroup1->SetItemIndex(0);
    connect(RadioGroup1, &TRadioGroup::clicked, this, &TForm3::RadioGroup1Click);

    ListModel1 = new ModuleListModel(this);
    ListView1 = new QTableView;
    ListView1->setModel(ListModel1);
    ListView1->setShowGrid(true);
    ListView1->setWordWrap(false);
    ListView1->setCornerButtonEnabled(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows of one height, so that the view never measures the rows it does not show.
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(ListView1->fontMetrics().height() + 4);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->horizontalHeader()->setSectionsClickable(true);
    ListView1->horizontalHeader()->setSortIndicatorShown(false);
    ListView1->setColumnWidth(kNameColumn, 120);
    ListView1->setColumnWidth(ModuleListModel::kCountColumn, 45);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TForm3::ListView1SelectItem);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this, &TForm3::ListView1ColumnClick);
    ListView1->viewport()->installEventFilter(this);

    IconGrid1 = new TAutoAdjustIconGrid;
    IconGrid1->SetFixedDirection(fdHorizontal);
    IconGrid1->setFrameShape(QFrame::NoFrame);
    IconGrid1->viewport()->installEventFilter(this);

    BitBtn1 = new QPushButton("開く");
    SetHint(BitBtn1, "選択されているファイルを開く|");
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    BitBtn2 = new QPushButton(kCancelCaption);
    SetHint(BitBtn2, "キャンセルしてダイアログを閉じる|");
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    BitBtn3 = new QPushButton("リスト更新");
    BitBtn3->setAutoDefault(false);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(IconGrid1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn3);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    rightLayout->addLayout(buttons);

    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->addWidget(ListView1);
    Splitter1->addWidget(right);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setChildrenCollapsible(false);

    StatusBar1 = new QStatusBar;
    StatusBar1->setSizeGripEnabled(false);
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(StatusBar1);
}

void TForm3::FormCreate() {
    const PickerSettings s = LoadPickerSettings(IniFile((settingsFolder_ + kSettingsFileName).toStdString()));
    CentreOnScreen(*this, {s.width, s.height});
    Splitter1->setSizes({s.listWidth, std::max(1, width() - s.listWidth)});
    ListView1->setColumnWidth(kNameColumn, s.columnWidth);
    ProgressBar1->setGeometry(200, 2, 120, 17);
}

void TForm3::FormDestroy() {
    try {
        IniFile ini((settingsFolder_ + kSettingsFileName).toStdString());
        StorePickerSettings(ini, {width(), height(), Splitter1->sizes().value(0), ListView1->columnWidth(kNameColumn)});
        ini.UpdateFile();
    } catch (const FileError& e) {
        messages_.show(MessageKind::Error, e.what());
    }
}

QString TForm3::ListFilePath(const ModuleListKind& kind) const { return settingsFolder_ + textOf(kind.listFileName); }

void TForm3::RadioGroup1Click() {
    const ModuleListKind& kind = ModuleListKindAt(RadioGroup1->ItemIndex());
    moduleFolder_ = kind.tree ? programFilesFolder_ : systemFolder_;
    ShowModuleList(textOf(kind.kindKey));
}

void TForm3::ShowModuleList(const QString& kindKey) {
    if (kindKey == currentKind_) return;
    currentKind_ = kindKey;
    const ModuleListKind& kind = ModuleListKindAt(RadioGroup1->ItemIndex());
    const QString path = ListFilePath(kind);
    if (!QFileInfo(path).isFile()) {
        const bool built = MakeModuleList(textOf(kind.listFileName), textOf(kind.extension));
        if (!built || !QFileInfo(path).isFile()) return;
    }
    LoadList(path);
}

void TForm3::BitBtn3Click() {
    const ModuleListKind& kind = ModuleListKindAt(RadioGroup1->ItemIndex());
    MakeModuleList(textOf(kind.listFileName), textOf(kind.extension));
    const QString path = ListFilePath(kind);
    if (QFileInfo(path).isFile()) LoadList(path);
}

bool TForm3::MakeModuleList(const QString& listFileName, const QString& extension) {
    setEnabled(false);
    bool written = false;
    {
        // Its own window, so that disabling the picker leaves Cancel usable; it is modal
        // itself, so it stays reachable while the picker runs modally.
        TForm4 builder(systemFolder_, programFilesFolder_, settingsFolder_, messages_);
        builder.SetIconCounterForTesting(counter_);
        builder.show();
        written = ModuleListKindAt(RadioGroup1->ItemIndex()).tree
                      ? builder.ScanProgramFilesFolder(listFileName, extension)
                      : builder.ScanSystemFolder(listFileName, extension);
    }
    setEnabled(true);
    raise();
    return written;
}

void TForm3::LoadList(const QString& listPath) {
    ListModel1->SetRows({});
    IconGrid1->CloseModule();
    sortColumn_ = -1;
    try {
        AddRows(ReadModuleList(listPath.toStdString()));
    } catch (const FileError& e) {
        messages_.show(MessageKind::Error, e.what());
    }
    StatusBar1->clearMessage();
    ProgressBar1->hide();
    SelectFirstRow();
}

void TForm3::AddRows(const std::vector<ModuleListEntry>& entries) {
    StatusBar1->showMessage("リストに展開中です...");
    ProgressBar1->setRange(0, std::max(1, BarValue(entries.size())));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    std::vector<ModuleListModel::Row> rows;
    rows.reserve(entries.size());
    ExistingFiles files(moduleFolder_.toStdString());
    for (const ModuleListEntry& e : entries) {
        if (!files.Contains(e.name)) continue;
        rows.push_back({QString::fromStdString(e.name), QString::fromStdString(e.count)});
        // Every row's step costs more than the row itself; the bar moves in strides.
        if (rows.size() % kProgressStride == 0) ProgressBar1->setValue(BarValue(rows.size()));
    }
    ProgressBar1->setValue(BarValue(rows.size()));
    // One reset for the whole list: the view lays out nothing row by row.
    ListModel1->SetRows(std::move(rows));
}

void TForm3::SelectFirstRow() {
    if (ListModel1->rowCount() == 0) return;
    ListView1->setCurrentIndex(ListModel1->index(0, kNameColumn));
    PreviewModule(ListModel1->RowAt(0).name);
}

void TForm3::PreviewModule(const QString& name) {
    IconGrid1->SetModuleName(moduleFolder_ + name);
    StatusBar1->showMessage(moduleFolder_ + name);
    IconGrid1->viewport()->update();
}

void TForm3::ListView1SelectItem() {
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (!selected.isEmpty()) PreviewModule(ListModel1->RowAt(selected.first().row()).name);
}

void TForm3::ListView1ColumnClick(int column) {
    if (ListModel1->rowCount() == 0) return;
    sortDescending_ = column == sortColumn_ ? !sortDescending_ : false;
    sortColumn_ = column;
    ListModel1->SortBy(column, sortDescending_);
    SelectFirstRow();
}

void TForm3::ListView1DblClick() {
    ListView1SelectItem();
    accept();
}

void TForm3::IconGrid1DblClick() { accept(); }

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == ListView1->viewport()) {
            ListView1DblClick();
            return true;
        }
        if (watched == IconGrid1->viewport()) {
            IconGrid1DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorvane
