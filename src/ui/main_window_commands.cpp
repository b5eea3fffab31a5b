// The window's commands, its menus and its toolbar.

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include "controls/auto_adjust_icon_grid.h"
#include "controls/focus_edge_scroll_bar.h"
#include "ui/main_window.h"
#include "ui/hint.h"
#include "ui/toolbar_icons.h"

namespace zorvane {
namespace {

QAction* MakeCommand(QObject* owner, const QString& caption, const QString& hint, const QKeySequence& key = {}) {
    auto* action = new QAction(caption, owner);
    SetHint(action, hint);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

// A menu item with its own caption that runs a command and follows its enabling. The
// command's own key is shown beside the caption, but stays the command's: a second
// shortcut for the same key would make both dead.
QAction* MenuItemFor(QMenu* menu, QAction* command, const QString& caption, const QKeySequence& key = {}) {
    const QKeySequence shown = command->shortcut();
    QAction* item = menu->addAction(
        key.isEmpty() && !shown.isEmpty() ? caption + '\t' + shown.toString(QKeySequence::NativeText) : caption);
    item->setStatusTip(command->statusTip());
    if (!key.isEmpty()) item->setShortcut(key);
    QObject::connect(item, &QAction::triggered, command, &QAction::trigger);
    QObject::connect(command, &QAction::changed, item, [item, command] { item->setEnabled(command->isEnabled()); });
    return item;
}

}  // namespace

void TForm1::CreateCommands() {
    ActionOpen = MakeCommand(this, "開く(&O)...", "開く|ファイルを開きます。", QKeySequence("Ctrl+O"));
    ActionSave =
        MakeCommand(this, "アイコンフォルダに保存(&S)",
                    "アイコンフォルダに保存|現在選択中のアイコングループを指定されているアイコンフォルダに保存します。",
                    QKeySequence("Ctrl+S"));
    ActionReNameSave = MakeCommand(this, "名前を付けて保存(&A)...",
                                   "名前を付けて保存|現在選択中のアイコングループを名前を付けて保存します。",
                                   QKeySequence("F12"));
    CloseFile = MakeCommand(this, "閉じる(&Q)", "閉じる|現在開いているファイルを閉じます。", QKeySequence("Ctrl+Q"));
    ChangeColor = MakeCommand(this, "背景色変更(&B)",
                              "背景色変更|アイコンの一覧を表示するグリッドの背景色を変更します。");
    Zoom = MakeCommand(this, "表示を拡大(&Z)", "拡大|アイコン画像を画像を拡大表示します。", QKeySequence("Ctrl+M"));
    Iconnic = MakeCommand(this, "表示を縮小(&Y)", "縮小|アイコン画像を画像を縮小表示します。", QKeySequence("Ctrl+R"));
    SaveSingleIcon = MakeCommand(
        this, "単一アイコンで保存(&I)...",
        "単一アイコンとして保存|現在表示されている画像を単一のサイズ・解像度を持つアイコンとして保存します。");
    SaveBMP = MakeCommand(this, "BMP形式で保存(&B)...", "BMPで保存|現在の表示画像をビットマップ形式で保存します。");
    SavePNG = MakeCommand(this, "PNG形式で保存(&P)...", "PNGで保存|現在の表示画像をPNG形式で保存します。");
    SaveGIF = MakeCommand(this, "GIF形式で保存(&G)...", "GIFで保存|現在の表示画像をGIF形式で保存します。");
    Rotate90 = MakeCommand(this, "右90度(&R)", "90度(右)|時計回りに90度回転させます。");
    Rotate270 = MakeCommand(this, "左90度(&L)", "90度(左)|反時計回りに90度回転させます。");
    Rotate180 = MakeCommand(this, "180度(&F)", "180度|180度回転させます。");
    HorzMirror = MakeCommand(this, "左右反転(&H)", "左右反転|水平方向に反転させます。");
    VertMirror = MakeCommand(this, "上下反転(&V)", "上下反転|垂直方向に反転します。");
    Cancel = MakeCommand(this, "戻す(&N)", "戻す|色調及び回転を初期画像に戻します。");
    CreateAll = MakeCommand(this, "全色相画像を作成(&S)", QString());
    int tag = 1;
    for (QAction* command : {Rotate90, Rotate270, Rotate180, HorzMirror, VertMirror, Cancel}) command->setData(tag++);
    ActionOpen->setIcon(ToolbarIcon(ToolbarImage::Open));
    ActionSave->setIcon(ToolbarIcon(ToolbarImage::Save));
    ActionReNameSave->setIcon(ToolbarIcon(ToolbarImage::SaveAs));
    CloseFile->setIcon(ToolbarIcon(ToolbarImage::Close));
    ChangeColor->setIcon(ToolbarIcon(ToolbarImage::BackgroundColor));
    Zoom->setIcon(ToolbarIcon(ToolbarImage::ZoomIn));
    Iconnic->setIcon(ToolbarIcon(ToolbarImage::ZoomOut));
    SaveSingleIcon->setIcon(ToolbarIcon(ToolbarImage::SingleIcon));
    SaveBMP->setIcon(ToolbarIcon(ToolbarImage::Bmp));
    SavePNG->setIcon(ToolbarIcon(ToolbarImage::Png));
    SaveGIF->setIcon(ToolbarIcon(ToolbarImage::Gif));
}

void TForm1::BuildMenus() {
    QMenu* file = menuBar()->addMenu("ファイル(&F)");
    file->addAction(ActionOpen);
    QMenu* modules = file->addMenu("モジュールのリストから開く(&M)");
    const char* kinds[4] = {"システムフォルダ内 *.DLL(&D)...", "システムフォルダ内 *.CPL(&C)...",
                            "Program Files内 *.EXE(&E)...", "Program Files内 *.DLL(&P)..."};
    for (int kind = 0; kind < 4; ++kind) {
        QAction* item = modules->addAction(kinds[kind]);
        item->setData(kind);
        ModuleListItems << item;
        connect(item, &QAction::triggered, this, [this, kind] { Guarded([&] { OpenSelectModuleListClick(kind); }); });
    }
    RecentMenu = file->addMenu("最近使用したファイル(&R)");
    MenuItemFor(file, CloseFile, "ファイルを閉じる(&Q)");
    file->addSeparator();
    file->addAction(ActionSave);
    file->addAction(ActionReNameSave);
    file->addSeparator();
    file->addActions({SaveSingleIcon, SaveBMP, SavePNG, SaveGIF});
    file->addSeparator();
    ExitItem = file->addAction("Zorvaneの終了(&Z)");
    connect(ExitItem, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("編集(&E)");
    MenuItemFor(edit, Rotate90, "90度(時計回り)(&R)");
    MenuItemFor(edit, Rotate270, "90度(反時計回り)(&L)");
    MenuItemFor(edit, Rotate180, "180度回転(&W)");
    edit->addActions({HorzMirror, VertMirror});
    MenuItemFor(edit, Cancel, "初期画像へ戻す(&Q)");

    QMenu* settings = menuBar()->addMenu("設定(&U)");
    IconFolderItem = settings->addAction("保存フォルダ変更(&D)...");
    IconFolderItem->setShortcut(QKeySequence("F10"));
    MenuItemFor(settings, ChangeColor, "背景色変更(&B)...", QKeySequence("F11"));

    QMenu* tools = menuBar()->addMenu("ツール(&T)");
    MenuItemFor(tools, CreateAll, "全色相の画像を作成(&S)...", QKeySequence("F9"));

    QMenu* options = menuBar()->addMenu("オプション(&O)");
    Zoomsize = options->addMenu("表示サイズ指定(&S)");
    auto* sizes = new QActionGroup(this);
    for (const char* caption : {"&100%", "&200%", "&300%", "&400%", "&500%", "&800%"}) {
        QAction* item = Zoomsize->addAction(caption);
        item->setCheckable(true);
        sizes->addAction(item);
        ZoomItems << item;
        connect(item, &QAction::triggered, this, [this, item] { Guarded([&] { N8001Click(item); }); });
    }
    ZoomItems.first()->setChecked(true);
    options->addActions({Zoom, Iconnic});

    QMenu* help = menuBar()->addMenu("ヘルプ(&I)");
    VersionItem = help->addAction("バージョン情報(&V)");
    HomePageItem = help->addAction("ホームページへ(&H)");
    HomePageItem->setIcon(ToolbarIcon(ToolbarImage::HomePage));

    ImageMenu = new QMenu(this);
    MenuItemFor(ImageMenu, SaveSingleIcon, "選択項目を単一アイコンとして保存(&I)..");
    MenuItemFor(ImageMenu, SaveBMP, "選択項目をBMP形式で保存(&B)...");
    MenuItemFor(ImageMenu, SavePNG, "選択項目をPNG形式で保存(&P)...");
    MenuItemFor(ImageMenu, SaveGIF, "選択項目をGIF形式で保存(&G)...");
}

void TForm1::BuildToolBar() {
    QToolBar* bar = addToolBar("ToolBar1");
    bar->setMovable(false);
    bar->setIconSize(QSize(16, 16));
    bar->addAction(ActionOpen);
    OpenButton = qobject_cast<QToolButton*>(bar->widgetForAction(ActionOpen));
    RecentPopup = new QMenu(this);
    OpenButton->setMenu(RecentPopup);
    OpenButton->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addActions({ActionSave, CloseFile});
    bar->addSeparator();
    bar->addActions({SaveSingleIcon, SaveBMP, SavePNG, SaveGIF});
    bar->addSeparator();
    bar->addAction(ChangeColor);
    bar->addSeparator();
    bar->addActions({Zoom, Iconnic});
    ComboZoom = new QComboBox(bar);
    ComboZoom->addItems({"100%", "200%", "300%", "400%", "500%", "800%"});
    ComboZoom->setFixedWidth(66);
    SetHint(ComboZoom, "拡大率|アイコンを表示する拡大率を100%から800%の間で設定できます。");
    bar->addWidget(ComboZoom);
    for (QAction* action : bar->actions())
        if (QWidget* button = bar->widgetForAction(action); button && button != ComboZoom)
            button->setMinimumSize(32, 24);
}

void TForm1::OnTriggered(QAction* action, void (TForm1::*handler)()) {
    connect(action, &QAction::triggered, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
}

void TForm1::ConnectCommands() {
    OnTriggered(ActionOpen, &TForm1::ActionOpenExecute);
    OnTriggered(CloseFile, &TForm1::CloseFileExecute);
    OnTriggered(ChangeColor, &TForm1::ChangeColorExecute);
    OnTriggered(Zoom, &TForm1::ZoomExecute);
    OnTriggered(Iconnic, &TForm1::IconnicExecute);
    for (QAction* command : {Rotate90, Rotate270, Rotate180, HorzMirror, VertMirror, Cancel})
        connect(command, &QAction::triggered, this,
                [this, command] { Guarded([&] { TransButtonClick(command->data().toInt()); }); });
    connect(ComboZoom, &QComboBox::activated, this, [this] { Guarded([&] { ComboZoomChange(); }); });
    connect(DG, &TAutoAdjustIconGrid::SelectCell, this,
            [this](int col, int row) { Guarded([&] { DGSelectCell(col, row); }); });
    connect(ListView1, &QTableWidget::itemSelectionChanged, this, [this] { Guarded([&] { ListView1SelectItem(); }); });
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ListView1ContextPopup(at); });
    for (TFocusEdgeScrollBar* bar : {SBar_H, SBar_S, SBar_V}) {
        connect(bar, &QAbstractSlider::valueChanged, this, [this, bar] { ScrollBarChange(bar); });
        connect(bar, &TFocusEdgeScrollBar::Scrolled, this, [this, bar] { Guarded([&] { ScrollBarScroll(bar); }); });
    }
}

}  // namespace zorvane
