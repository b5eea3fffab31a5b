#include "ui/main_window.h"

#include <QApplication>
#include <algorithm>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "controls/auto_adjust_icon_grid.h"
#include "controls/bg_box.h"
#include "controls/focus_edge_scroll_bar.h"
#include "controls/vista_alt_fix.h"
#include "platform/folders.h"
#include "ui/hint.h"
#include "ui/preview_image.h"
#include "ui/toolbar_icons.h"
#include "zorvane_version.h"

namespace zorvane {
namespace {

constexpr int kRightPanelWidth = 450;
constexpr int kUpperPanelHeight = 200;

// A one-field status strip.
QLabel* MakeStrip(const QString& text, QWidget* parent) {
    auto* strip = new QLabel(text, parent);
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip->setFixedHeight(19);
    strip->setMargin(0);
    strip->setIndent(3);
    return strip;
}

}  // namespace

TForm1::TForm1(Form1Services services, QWidget* parent) : QMainWindow(parent), services_(services) {
    const Form1Services defaults = QtForm1Services();
    if (!services_.dialogs) services_.dialogs = defaults.dialogs;
    if (!services_.messages) services_.messages = defaults.messages;
    if (!services_.errors) services_.errors = defaults.errors;
    FormCreate();
}

TForm1::~TForm1() {
    // Closing the window has saved the settings already, with the frame still in place.
    if (!settingsSaved_) FormDestroy();
}

void TForm1::FormCreate() {
    VistaAltFix = new TVistaAltFix(this);
    QApplication::setApplicationName("Zorvane");
    setWindowIcon(ApplicationIcon());
    setWindowTitle(QString("アイコン抽出・色変換　Zorvane ") + kVersion);
    Transform.Reset();
    CreateCommands();
    BuildLayout();
    BuildMenus();
    BuildToolBar();
    ConnectCommands();
    // Sees the hints of the window's controls before they reach the hint bar.
    QApplication::instance()->installEventFilter(this);
    InstallSaveCommands();
    InstallSettingsCommands();
    FitMinimumSize();
    LoadSettings();
    RebuildRecentMenus();
    SystemFolder = QString::fromStdString(zorvane::SystemFolder());
    ProgramFilesFolder = QString::fromStdString(zorvane::ProgramFilesFolder());
    ActionSaveUpdate();
}

void TForm1::FitMinimumSize() {
    // At its smallest the window still shows every control and one row of the grid; the
    // preview area takes what is left.
    DG->setMinimumHeight(DG->DefaultRowHeight() + 2 * DG->frameWidth());
    const QSize laidOut = layout()->totalMinimumSize();
    int width = std::max(laidOut.width(), menuBar()->sizeHint().width());
    if (auto* bar = findChild<QToolBar*>()) width = std::max(width, bar->sizeHint().width());
    setMinimumSize(width, laidOut.height());
}

void TForm1::FormDestroy() { SaveSettings(); }

void TForm1::BuildLayout() {
    SBHint = statusBar();
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(BuildPreviewArea(), 1);
    row->addWidget(BuildRightPanel());
    setCentralWidget(central);
}

QWidget* TForm1::BuildPreviewArea() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    SBInfo = MakeStrip(QString(), area);
    // A long information line is cut rather than widening the window.
    SBInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    SetHint(SBInfo, "選択されているアイコンサイズ・色数の情報を表示する領域です。");
    column->addWidget(SBInfo);

    ImgBox = new QScrollArea(area);
    ImgBox->setWidgetResizable(false);
    ImgBox->setFrameStyle(QFrame::NoFrame);
    bgBox1 = new TbgBox;
    SetHint(bgBox1, "|アイコンイメージを表示する領域です。");
    Image = new TPreviewImage(bgBox1);
    Image->resize(0, 0);
    ImgBox->setWidget(bgBox1);
    // The preview re-centres whenever its area changes size.
    ImgBox->viewport()->installEventFilter(this);
    column->addWidget(ImgBox, 1);
    return area;
}

QWidget* TForm1::BuildRightPanel() {
    auto* panel = new QWidget(this);
    panel->setFixedWidth(kRightPanelWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    auto* upper = new QWidget(panel);
    upper->setFixedHeight(kUpperPanelHeight);
    auto* upperRow = new QHBoxLayout(upper);
    upperRow->setContentsMargins(0, 0, 0, 0);
    upperRow->setSpacing(2);
    upperRow->addWidget(BuildToolbox());
    auto* listColumn = new QVBoxLayout;
    listColumn->setSpacing(0);
    SBList = MakeStrip("グループアイコンデータ", upper);
    listColumn->addWidget(SBList);
    BuildImageList();
    listColumn->addWidget(ListView1, 1);
    upperRow->addLayout(listColumn, 1);
    column->addWidget(upper);

    SBFileName = MakeStrip(QString(), panel);
    SetHint(SBFileName, "|現在開いているファイル名を表示する領域です。");
    column->addWidget(SBFileName);
    DG = new TAutoAdjustIconGrid(panel);
    SetHint(DG, "|現在開いているファイルに含まれるアイコンの一覧を表示する領域です。");
    column->addWidget(DG, 1);
    return panel;
}

void TForm1::BuildImageList() {
    ListView1 = new QTableWidget(0, 4, this);
    SetHint(ListView1, "|選択中のアイコンに含まれるアイコンデータの一覧を表示します。");
    ListView1->setHorizontalHeaderLabels({"No", "幅", "高さ", "ビット数"});
    const int widths[4] = {30, 45, 45, 55};
    for (int c = 0; c < 4; ++c) ListView1->setColumnWidth(c, widths[c]);
    ListView1->horizontalHeaderItem(0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setDefaultSectionSize(17);
    ListView1->horizontalHeader()->setSectionsClickable(false);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(true);
    ListView1->setSortingEnabled(false);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
}

QWidget* TForm1::BuildToolbox() {
    auto* box = new QGroupBox("編集ツールボックス", this);
    box->setFixedWidth(245);
    struct BarSpec {
        TFocusEdgeScrollBar*& bar;
        QLabel*& value;
        const char* caption;
        int range;
        const char* hint;
    };
    const BarSpec bars[3] = {
        {SBar_H, LabelH, "色相(&H)", 180, "色相調整バー|色相(H)を-180°から+180°間で調整します。"},
        {SBar_S, LabelS, "彩度(&S)", 100, "彩度調整バー|色の鮮やかさ(S)を-100から+100 間で調整します。"},
        {SBar_V, LabelV, "明度(&V)", 100, "明度調整バー|画像の明るさ(V)を-100から+100 間で調整します。"},
    };
    int top = 18;
    int tag = 1;
    for (const BarSpec& spec : bars) {
        auto* caption = new QLabel(spec.caption, box);
        caption->move(10, top);
        spec.bar = new TFocusEdgeScrollBar(box);
        spec.bar->setRange(-spec.range, spec.range);
        spec.bar->setValue(0);
        spec.bar->setGeometry(10, top + 16, 179, 17);
        spec.bar->SetFocusEdgeColor(ToTColor(Rgb{255, 51, 0}));
        spec.bar->setProperty("tag", tag++);
        SetHint(spec.bar, spec.hint);
        caption->setBuddy(spec.bar);
        spec.value = new QLabel("0", box);
        spec.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        spec.value->setGeometry(192, top + 16, 45, 17);
        top += 40;
    }
    struct ButtonSpec {
        QAction* command;
        const char* caption;
    };
    const ButtonSpec buttons[6] = {
        {Rotate90, "右90度(&R)"},     {Rotate270, "左90度(&L)"},    {Rotate180, "180度(&W)"},
        {HorzMirror, "左右反転(&M)"}, {VertMirror, "上下反転(&N)"}, {Cancel, "戻す(&Q)"},
    };
    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(buttons[i].caption, box);
        button->setGeometry(8 + 76 * (i % 3), top + 27 * (i / 3), 75, 23);
        QAction* command = buttons[i].command;
        SetHint(button, HintOf(command));
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        connect(command, &QAction::changed, button, [button, command] { button->setEnabled(command->isEnabled()); });
    }
    return box;
}

void TForm1::ReportError(const std::string& text) { services_.errors->report(text); }

void TForm1::ResizeOuter(const QSize& outer) {
    outerSize_ = outer;
    const QSize frame = frameGeometry().size() - size();
    resize(outer - frame);
    // The frame is known once the window manager has framed the window; until then the
    // size waits to be corrected.
    outerSizePending_ = frame.isNull();
}

void TForm1::ApplyPendingOuterSize() {
    if (!outerSizePending_ || !isVisible() || isMaximized() || isFullScreen()) return;
    const QSize frame = frameGeometry().size() - size();
    if (frame.isNull()) return;
    outerSizePending_ = false;
    resize(outerSize_ - frame);
}

bool TForm1::event(QEvent* event) {
    // The settings are written while the window still shows, so that the process ends as
    // soon as it has gone, and a start right after reads what this one stored.
    if (event->type() == QEvent::Close) {
        SaveSettings();
        settingsSaved_ = true;
    }
    if (event->type() == QEvent::Show) settingsSaved_ = false;
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show)
        ApplyPendingOuterSize();
    if (event->type() == QEvent::StatusTip) {
        ShowHoverHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Only an enabled control under the pointer puts its hint into the hint bar.
    if (event->type() == QEvent::StatusTip && watched->isWidgetType()) {
        const auto* widget = static_cast<const QWidget*>(watched);
        if (!widget->isEnabled() && widget->window() == this) return true;
    }
    if (ImgBox && watched == ImgBox->viewport() && event->type() == QEvent::Resize)
        Guarded([this] { ComboZoomChange(); });
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zorvane
