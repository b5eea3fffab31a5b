#pragma once
// The main window: the open file (the document), its icon grid, the image list of the
// selected group, the enlarged preview with the edit toolbox, and every command.
//
// The window's work is spread over files by concern: main_window.cpp (construction and layout),
// main_window_commands.cpp (commands, menus, toolbar), main_window_document.cpp (open, select, close),
// main_window_preview.cpp (toolbox, preview, zoom), main_window_save.cpp and main_window_settings.cpp (the
// save commands and the settings, recent files and picker, which hook in there).

#include <QMainWindow>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "app/recent_files.h"
#include "bitmap/bitmap.h"
#include "core/icon_stream.h"
#include "core/transform_state.h"
#include "export/picture_export.h"
#include "ui/main_window_services.h"
#include "ui/save_dialogs.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTableWidget;
class QToolButton;

namespace zorvane {

class TAutoAdjustIconGrid;
class TbgBox;
class TForm3;
class TFocusEdgeScrollBar;
class TPreviewImage;
class TSelectFolder;
class TVistaAltFix;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Form1Services services = QtForm1Services(), QWidget* parent = nullptr);
    ~TForm1() override;

    // --- Document (main_window_document.cpp) ---
    void OpenFile(const QString& path);
    void ActionOpenExecute();
    void DGSelectCell(int col, int row);
    void ListView1SelectItem();
    void CloseFileExecute();
    void ChangeColorExecute();
    // Enables every save and edit command exactly when an image is shown.
    void ActionSaveUpdate();
    // Puts the long part of a hint into the hint bar.
    void ShowHoverHint(const QString& longHint);
    // Opens the image menu at a point of the list, unless no image is shown; says whether
    // it opened.
    bool ListView1ContextPopup(const QPoint& at);
    int SelectedImageIndex() const;
    // The document's file name without folder and extension (B of the file names).
    QString FileBaseName() const;
    // The selected group's index (G of the file names).
    int GroupIndex() const;

    // --- Save commands, all-hue batch, icon folder (main_window_save.cpp) ---
    void ActionSaveExecute();
    void ActionReNameSaveExecute();
    void SaveSingleIconExecute();
    void SaveBMPExecute();
    void SavePNGExecute();
    void SaveGIFExecute();
    void CreateAllExecute();
    void A2Click();

    // --- Toolbox and preview (main_window_preview.cpp) ---
    void TransButtonClick(int tag);
    void ScrollBarChange(TFocusEdgeScrollBar* bar);
    void ScrollBarScroll(QObject* sender);
    void ResetColorBars();
    void ComboZoomChange();
    void ZoomExecute();
    void IconnicExecute();
    void N8001Click(QAction* item);
    void PlacePreview(int width, int height);
    int ZoomFactor() const;
    int Hue() const;
    int Saturation() const;
    int Value() const;

    // Runs a command: an exception that escapes it is shown by the default error report
    // and the window goes on with the state reached so far.
    template <typename F>
    void Guarded(F&& command) {
        try {
            command();
        } catch (const std::exception& e) {
            ReportError(e.what());
        } catch (...) {
            ReportError("予期しないエラーが発生しました。");
        }
        ActionSaveUpdate();
    }

    // --- Settings, recent files, drops, about box, home page, picker (main_window_settings.cpp) ---
    void OpenRecentFile(int index);
    // The dropped paths: one file opens, a shortcut opens its target, anything else is refused.
    void WMDropFiles(const QStringList& paths);
    void V1Click();
    void ShowVersionDialog();
    void H2Click();
    // Opens the module the picker closed on and selects the group of its current cell.
    void OpenPickedModule(const TForm3& picker);
    // Opens an address in the default browser; false when no browser can be started (tests
    // replace it). A browser that gives up later reports through ReportNoBrowser.
    std::function<bool(const QUrl&)> OpenUrl;
    // The error naming the address that could not be opened.
    void ReportNoBrowser(const QUrl& url);

    // --- Document state ---
    TIconStream IconStream;
    Bitmap WorkBitmap;
    TransformState Transform;          // Rotation and Mirrored
    zorvane::RecentFiles RecentFiles;  // five entries, most recent first, entries may be empty
    QString IconFolder;
    std::int32_t BackColor = 0x00FFFFFF;  // the grid colour as read from the settings
    QString SystemFolder;
    QString ProgramFilesFolder;

    // --- Controls ---
    TVistaAltFix* VistaAltFix = nullptr;
    TAutoAdjustIconGrid* DG = nullptr;
    QTableWidget* ListView1 = nullptr;
    QLabel* SBList = nullptr;
    QLabel* SBFileName = nullptr;
    QLabel* SBInfo = nullptr;
    QStatusBar* SBHint = nullptr;
    QScrollArea* ImgBox = nullptr;
    TbgBox* bgBox1 = nullptr;
    TPreviewImage* Image = nullptr;
    TFocusEdgeScrollBar* SBar_H = nullptr;
    TFocusEdgeScrollBar* SBar_S = nullptr;
    TFocusEdgeScrollBar* SBar_V = nullptr;
    QLabel* LabelH = nullptr;
    QLabel* LabelS = nullptr;
    QLabel* LabelV = nullptr;
    QComboBox* ComboZoom = nullptr;
    QToolButton* OpenButton = nullptr;
    TSelectFolder* SelectFolder1 = nullptr;     // shared by the icon folder and all-hue dialogs
    PictureSaveDialogState SavePictureDialog1;  // the one picture save dialog

    // --- Commands ---
    QAction* ActionOpen = nullptr;
    QAction* ActionSave = nullptr;
    QAction* ActionReNameSave = nullptr;
    QAction* CloseFile = nullptr;
    QAction* ChangeColor = nullptr;
    QAction* Zoom = nullptr;
    QAction* Iconnic = nullptr;
    QAction* SaveSingleIcon = nullptr;
    QAction* SaveBMP = nullptr;
    QAction* SavePNG = nullptr;
    QAction* SaveGIF = nullptr;
    QAction* Rotate90 = nullptr;
    QAction* Rotate270 = nullptr;
    QAction* Rotate180 = nullptr;
    QAction* HorzMirror = nullptr;
    QAction* VertMirror = nullptr;
    QAction* Cancel = nullptr;
    QAction* CreateAll = nullptr;
    // Menu items without a command of their own.
    QAction* ExitItem = nullptr;        // Z1
    QAction* IconFolderItem = nullptr;  // A2
    QAction* VersionItem = nullptr;
    QAction* HomePageItem = nullptr;
    QList<QAction*> ModuleListItems;  // kinds 0 to 3
    QList<QAction*> ZoomItems;        // the six sizes of Zoomsize
    QMenu* RecentMenu = nullptr;      // "最近使用したファイル(&R)"
    QMenu* RecentPopup = nullptr;     // the open button's drop-down
    QMenu* Zoomsize = nullptr;
    QMenu* ImageMenu = nullptr;

    const Form1Services& Services() const { return services_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (main_window.cpp, main_window_commands.cpp).
    void FormCreate();
    void FormDestroy();
    void BuildLayout();
    QWidget* BuildPreviewArea();
    QWidget* BuildRightPanel();
    QWidget* BuildToolbox();
    void BuildImageList();
    void CreateCommands();
    void BuildMenus();
    void BuildToolBar();
    void ConnectCommands();
    void OnTriggered(QAction* action, void (TForm1::*handler)());
    void ReportError(const std::string& text);
    // Sizes the window so that its outer size, frame included, is outer.
    void ResizeOuter(const QSize& outer);
    void ApplyPendingOuterSize();
    void FitMinimumSize();

    // Document helpers (main_window_document.cpp).
    void ListGroup();
    void ShowNoIcons();
    void ClearPreview();
    void RenderPreview(int index);
    void Recolor();

    // Hooks of the save commands (main_window_save.cpp).
    void InstallSaveCommands();
    void SavePicture(ExportFormat format);
    SaveDialogs& SaveDialogsInUse() const;
    // Hooks of settings, recent files, dropped files and the picker (main_window_settings.cpp).
    void InstallSettingsCommands();
    void LoadSettings();
    void SaveSettings();
    void RebuildRecentMenus();
    void OpenSelectModuleListClick(int kind);

    Form1Services services_;
    QSize outerSize_;
    bool outerSizePending_ = false;
    bool settingsSaved_ = false;  // by the close, so the destructor need not
};

}  // namespace zorvane
