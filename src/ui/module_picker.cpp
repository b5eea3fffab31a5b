#include "ui/module_picker.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/auto_adjust_icon_grid.h"
#include "app/app_settings.h"
#include "core/icon_file.h"
#include "platform/file_io.h"
#include "platform/ini_file.h"
#include "ui/list_builder.h"
#include "ui/hint.h"
#include "ui/radio_group.h"
#include "ui/texts.h"

namespace zorvane {

namespace {

enum Column { kNameColumn = 0, kCountColumn = 1 };

const QStringList kKindCaptions = {"システムフォルダ内 *.DLL", "システムフォルダ内 *.CPL", "Program Files内　*.EXE",
                                   "Program Files内　*.DLL"};

QString textOf(const char* text) { return QString::fromUtf8(text); }

// Name column: without regard to case; count column: by value.
bool rowBefore(int column, const ModuleListEntry& a, const ModuleListEntry& b) {
    if (column == kCountColumn) {
        const long long x = QString::fromStdString(a.count).toLongLong(),
                        y = QString::fromStdString(b.count).toLongLong();
        if (x != y) return x < y;
    }
    return QString::fromStdString(a.name).compare(QString::fromStdString(b.name), Qt::CaseInsensitive) < 0;
}

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

    ListView1 = new QTreeWidget;
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({"ファイル名", "数量"});
    ListView1->headerItem()->setTextAlignment(kCountColumn, Qt::AlignRight | Qt::AlignVCenter);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setColumnWidth(kNameColumn, 120);
    ListView1->setColumnWidth(kCountColumn, 45);
    ListView1->header()->setSectionsClickable(true);
    ListView1->header()->setSortIndicatorShown(false);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TForm3::ListView1SelectItem);
    connect(ListView1->header(), &QHeaderView::sectionClicked, this, &TForm3::ListView1ColumnClick);
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
    resize(s.width, s.height);
    Splitter1->setSizes({s.listWidth, std::max(1, s.width - s.listWidth)});
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
        // Its own window, so that disabling the picker leaves Cancel usable.
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
    ListView1->clear();
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
    ListView1->setUpdatesEnabled(false);
    StatusBar1->showMessage("リストに展開中です...");
    ProgressBar1->setRange(0, std::max<int>(1, static_cast<int>(std::min<std::size_t>(entries.size(), INT32_MAX))));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    QList<QTreeWidgetItem*> rows;
    for (const ModuleListEntry& e : entries) {
        const QString name = QString::fromStdString(e.name);
        if (!QFileInfo(moduleFolder_ + name).isFile()) continue;
        auto* row = new QTreeWidgetItem({name, QString::fromStdString(e.count)});
        row->setTextAlignment(kCountColumn, Qt::AlignRight | Qt::AlignVCenter);
        rows << row;
        ProgressBar1->setValue(ProgressBar1->value() + 1);
    }
    ListView1->addTopLevelItems(rows);
    ListView1->setUpdatesEnabled(true);
}

void TForm3::SelectFirstRow() {
    QTreeWidgetItem* first = ListView1->topLevelItem(0);
    if (!first) return;
    ListView1->setCurrentItem(first);
    PreviewModule(first->text(kNameColumn));
}

void TForm3::PreviewModule(const QString& name) {
    IconGrid1->SetModuleName(moduleFolder_ + name);
    StatusBar1->showMessage(moduleFolder_ + name);
    IconGrid1->viewport()->update();
}

void TForm3::ListView1SelectItem() {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (!selected.isEmpty()) PreviewModule(selected.first()->text(kNameColumn));
}

void TForm3::ListView1ColumnClick(int column) {
    const int count = ListView1->topLevelItemCount();
    if (count == 0) return;
    sortDescending_ = column == sortColumn_ ? !sortDescending_ : false;
    sortColumn_ = column;
    std::vector<ModuleListEntry> rows;
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem* item = ListView1->topLevelItem(i);
        rows.push_back({item->text(kNameColumn).toStdString(), item->text(kCountColumn).toStdString()});
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const ModuleListEntry& a, const ModuleListEntry& b) {
        return sortDescending_ ? rowBefore(column, b, a) : rowBefore(column, a, b);
    });
    const QSignalBlocker quiet(ListView1);
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* item = ListView1->topLevelItem(i);
        item->setText(kNameColumn, QString::fromStdString(rows[static_cast<std::size_t>(i)].name));
        item->setText(kCountColumn, QString::fromStdString(rows[static_cast<std::size_t>(i)].count));
    }
    ListView1->clearSelection();
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
