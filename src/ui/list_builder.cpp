#include "ui/list_builder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "core/icon_file.h"
#include "ui/texts.h"

namespace zorvane {

namespace {
const QString kCountPrefix = QStringLiteral("有効ファイル数　");
}

TForm4::TForm4(QString systemFolder, QString programFilesFolder, QString listFolder, MessageSink& messages,
               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      systemFolder_(std::move(systemFolder)),
      programFilesFolder_(std::move(programFilesFolder)),
      listFolder_(std::move(listFolder)),
      messages_(messages),
      counter_(IconCountOfFile) {
    setWindowTitle("ファイルリストを作成中");
    // Above any modal picker, or its Cancel would be blocked like every other window.
    setWindowModality(Qt::ApplicationModal);
    Label1 = new QLabel("対象ディレクトリから、アイコンを含むファイルを検索中です。しばらくお待ちください...", this);
    Label1->setWordWrap(true);
    Label3 = new QLabel(this);
    Label3->setTextFormat(Qt::PlainText);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, kScanProgressMax);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Label2 = new QLabel("有効ファイル数", this);
    BitBtn1 = new QPushButton(kCancelCaption, this);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    layout->addWidget(ProgressBar1);
    layout->addWidget(Label2);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    setFixedSize(400, 170);
    // A path longer than the window is cut rather than widening it.
    Label3->setMinimumWidth(1);
    Label3->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

bool TForm4::ScanSystemFolder(const QString& listFileName, const QString& extension) {
    return Build(false, listFileName, extension);
}

bool TForm4::ScanProgramFilesFolder(const QString& listFileName, const QString& extension) {
    return Build(true, listFileName, extension);
}

void TForm4::WaitUntilOnScreen() {
    constexpr qint64 kLongestWaitMs = 1000;  // a window manager that never maps it
    QTimer wake;                             // ends each wait below even when no event comes
    wake.start(20);
    QElapsedTimer clock;
    clock.start();
    while (isVisible() && !(windowHandle() && windowHandle()->isExposed()) && clock.elapsed() < kLongestWaitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
}

bool TForm4::Build(bool tree, const QString& listFileName, const QString& extension) {
    // Listing a big folder handles no events: without this the window would show empty
    // until the first file is counted.
    WaitUntilOnScreen();
    ModuleScanner scanner(*this, counter_);
    const std::string list = (listFolder_ + listFileName).toStdString();
    const bool written = tree ? scanner.ScanProgramFilesFolder(programFilesFolder_.toStdString(), list,
                                                               extension.toStdString(), messages_)
                              : scanner.ScanSystemFolder(systemFolder_.toStdString(), list, extension.toStdString(),
                                                         messages_);
    close();
    return written;
}

void TForm4::SetPosition(int position) { ProgressBar1->setValue(std::clamp(position, 0, kScanProgressMax)); }

void TForm4::ShowPlace(const std::string& text) {
    Label3->setText(QString::fromStdString(text));
    Label3->repaint();
}

void TForm4::ShowValidCount(int count) {
    Label2->setText(kCountPrefix + QString::number(count));
    Label2->repaint();
}

void TForm4::RunPendingEvents() { QApplication::processEvents(); }

}  // namespace zorvane
