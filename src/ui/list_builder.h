#pragma once
// The list builder: a small application-modal window that shows where the module walk is
// and how many modules it found, with Cancel as the only way to stop it. While it is up it
// alone takes input, so neither the main window nor a picker already on screen can start a
// second build. It is what the walk reports to, so the walk itself stays free of widgets.

#include <QDialog>
#include <QString>

#include "core/module_scan.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace zorvane {

class TForm4 : public QDialog, public ScanProgress {
    Q_OBJECT
public:
    // The two scan roots and the folder the list files go to, each ending with "/".
    TForm4(QString systemFolder, QString programFilesFolder, QString listFolder, MessageSink& messages,
           QWidget* parent = nullptr);

    // Flat walk of the system folder, tree walk of the programs folder: true when the list
    // file (listFolder + listFileName) was written.
    bool ScanSystemFolder(const QString& listFileName, const QString& extension);
    bool ScanProgramFilesFolder(const QString& listFileName, const QString& extension);

    void BitBtn1Click() { cancelRequested_ = true; }

    // ScanProgress
    void SetPosition(int position) override;
    void ShowPlace(const std::string& text) override;
    void ShowValidCount(int count) override;
    void RunPendingEvents() override;
    bool CancelRequested() const override { return cancelRequested_; }

    QLabel* Label1;
    QLabel* Label3;
    QProgressBar* ProgressBar1;
    QLabel* Label2;
    QPushButton* BitBtn1;

    // Replaces the icon count (tests); the module reader's by default.
    void SetIconCounterForTesting(IconCounter counter) { counter_ = std::move(counter); }

protected:
    // Esc presses Cancel; the window itself never closes on its own.
    void reject() override { BitBtn1Click(); }

private:
    bool Build(bool tree, const QString& listFileName, const QString& extension);
    void WaitUntilOnScreen();

    QString systemFolder_, programFilesFolder_, listFolder_;
    MessageSink& messages_;
    IconCounter counter_;
    bool cancelRequested_ = false;
};

}  // namespace zorvane
