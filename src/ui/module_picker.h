#pragma once
// The module picker: one of the four cached module lists, the icons of the highlighted
// module, and the chosen module with its current icon handed back to the main window.

#include <QDialog>
#include <QString>

#include "core/module_list.h"
#include "core/module_scan.h"
#include "platform/message_sink.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTableView;

namespace zorvane {

class ModuleListModel;
class TAutoAdjustIconGrid;
class TRadioGroup;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    // The scan roots and the folder of the list files and "Set.ini", each ending with "/".
    TForm3(QString systemFolder, QString programFilesFolder, QString settingsFolder, MessageSink& messages,
           QWidget* parent = nullptr);
    ~TForm3() override;

    void RadioGroup1Click();
    void BitBtn3Click();
    // Builds a list file with the list builder window; true when it was written.
    bool MakeModuleList(const QString& listFileName, const QString& extension);
    void ListView1SelectItem();
    void ListView1ColumnClick(int column);
    void ListView1DblClick();
    void IconGrid1DblClick();

    const QString& CurrentKind() const { return currentKind_; }
    const QString& ModuleFolder() const { return moduleFolder_; }

    TRadioGroup* RadioGroup1;
    QTableView* ListView1;  // shows ListModel1
    ModuleListModel* ListModel1;
    QSplitter* Splitter1;
    TAutoAdjustIconGrid* IconGrid1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QStatusBar* StatusBar1;
    QProgressBar* ProgressBar1;

    // Replaces the icon count of list builds (tests); the module reader's by default.
    void SetIconCounterForTesting(IconCounter counter) { counter_ = std::move(counter); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void BuildLayout();
    void ShowModuleList(const QString& kindKey);
    void LoadList(const QString& listPath);
    void AddRows(const std::vector<ModuleListEntry>& entries);
    void SelectFirstRow();
    void PreviewModule(const QString& name);
    QString ListFilePath(const ModuleListKind& kind) const;

    QString systemFolder_, programFilesFolder_, settingsFolder_;
    MessageSink& messages_;
    IconCounter counter_;
    QString currentKind_;
    QString moduleFolder_;
    int sortColumn_ = -1;
    bool sortDescending_ = false;
};

}  // namespace zorvane
