// Settings, recent files, dropped files, the about box, the home page and the module
// picker hook in here.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "controls/auto_adjust_icon_grid.h"
#include "app/app_settings.h"
#include "platform/color_text.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/shell_link.h"
#include "ui/browser_launch.h"
#include "ui/main_window.h"
#include "ui/module_picker.h"
#include "ui/radio_group.h"
#include "ui/version_dialog.h"
#include "ui/window_placement.h"

namespace zorvane {
namespace {

const QUrl kHomePage("https://zorvane.example.org/");

QColor ToQColor(std::int32_t color) {
    const std::int32_t c = ResolveSystemColor(color);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

std::int32_t FromQColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

// Files dragged from the file manager onto the window.
class DropTarget : public QObject {
public:
    explicit DropTarget(TForm1* form) : QObject(form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!drag->mimeData()->hasUrls()) return false;
            drag->acceptProposedAction();
            return true;
        }
        if (event->type() != QEvent::Drop) return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        QStringList paths;
        for (const QUrl& url : drop->mimeData()->urls())
            if (url.isLocalFile()) paths << url.toLocalFile();
        drop->acceptProposedAction();
        form_->Guarded([&] { form_->WMDropFiles(paths); });
        return true;
    }

private:
    TForm1* form_;
};

}  // namespace

void TForm1::InstallSettingsCommands() {
    setAcceptDrops(true);
    installEventFilter(new DropTarget(this));
    OnTriggered(VersionItem, &TForm1::V1Click);
    OnTriggered(HomePageItem, &TForm1::H2Click);
    OpenUrl = [this](const QUrl& url) { return StartBrowser(url, this, [this, url] { ReportNoBrowser(url); }); };
}

void TForm1::LoadSettings() {
    const std::string folder = SettingsFolder();
    const AppSettings s = LoadAppSettings(IniFile(folder + kSettingsFileName), folder);
    RecentFiles = s.recent;
    IconFolder = QString::fromStdString(s.iconFolder);
    CreateDefaultIconFolder(s, folder);
    PlaceOnScreen(*this, {s.window.left, s.window.top, s.window.width, s.window.height});
    // The stored size is the outer one, frame included.
    ResizeOuter(size());
    // After the place, so that leaving the maximised state returns to it.
    if (s.window.maximized) setWindowState(windowState() | Qt::WindowMaximized);
    BackColor = s.backColor;
    DG->SetColor(ToQColor(BackColor));
}

void TForm1::SaveSettings() {
    const std::string folder = SettingsFolder();
    AppSettings s = DefaultAppSettings(folder);
    s.recent = RecentFiles;
    const QRect outer = frameGeometry();
    s.window = {isMaximized(), outer.x(), outer.y(), outer.width(), outer.height()};
    s.iconFolder = IconFolder.toStdString();
    // A system colour stays a system colour as long as the user kept it.
    const std::int32_t shown = FromQColor(DG->Color());
    s.backColor = ToQColor(BackColor) == DG->Color() ? BackColor : shown;
    IniFile ini(folder + kSettingsFileName);
    StoreAppSettings(ini, s);
    try {
        ini.UpdateFile();
    } catch (const FileError& e) {
        services_.messages->show(MessageKind::Error, e.what());
    }
}

void TForm1::RebuildRecentMenus() {
    // An empty submenu that was hovered once never opened again, so it opens only with entries.
    RecentMenu->menuAction()->setEnabled(RecentFiles.MenuItems().size() > 0);
    for (QMenu* menu : {RecentMenu, RecentPopup}) {
        menu->clear();
        for (const auto& item : RecentFiles.MenuItems()) {
            // "&" in a path is text, not a mnemonic.
            QAction* action = menu->addAction(QString::fromStdString(item.caption).replace("&", "&&"));
            action->setData(item.index);
            const int index = item.index;
            connect(action, &QAction::triggered, this, [this, index] { Guarded([&] { OpenRecentFile(index); }); });
        }
    }
}

void TForm1::OpenRecentFile(int index) {
    if (index >= 0 && index < zorvane::RecentFiles::kCount) OpenFile(QString::fromStdString(RecentFiles.at(index)));
}

void TForm1::WMDropFiles(const QStringList& paths) {
    if (paths.size() >= 2) {
        services_.messages->show(MessageKind::Plain, "ドロップするファイルは１個にしてください。");
        return;
    }
    if (paths.isEmpty()) return;
    QString path = paths.first();
    if (QFileInfo(path).suffix().toLower() == "lnk")
        path = QString::fromStdString(ReadShortcutTarget(path.toStdString()));
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir() || target.suffix().isEmpty()) {
        services_.messages->show(MessageKind::Information, "フォルダは開けません。ファイルをドロップしてください。");
        return;
    }
    OpenFile(path);
}

void TForm1::V1Click() { ShowVersionDialog(); }

void TForm1::ShowVersionDialog() {
    TVersionDialog dialog(this);
    dialog.exec();
}

void TForm1::H2Click() {
    if (services_.messages->show(MessageKind::Confirmation,
                                 "インターネットに接続して、ホームページに移動します。\r\nよろしいですか？"))
        if (!OpenUrl(kHomePage)) ReportNoBrowser(kHomePage);
}

void TForm1::ReportNoBrowser(const QUrl& url) {
    services_.messages->show(MessageKind::Error, "ブラウザを起動できませんでした。\r\n" + url.toString().toStdString());
}

void TForm1::OpenSelectModuleListClick(int kind) {
    TForm3 picker(SystemFolder, ProgramFilesFolder, QString::fromStdString(SettingsFolder()), *services_.messages,
                  this);
    picker.RadioGroup1->SetItemIndex(kind);
    picker.RadioGroup1Click();
    if (picker.exec() == QDialog::Accepted) OpenPickedModule(picker);
}

void TForm1::OpenPickedModule(const TForm3& picker) {
    const QString module = picker.IconGrid1->ModuleName();
    if (module.isEmpty() || !QFileInfo(module).isFile()) return;
    const int group = picker.IconGrid1->CellToIndex(picker.IconGrid1->Col(), picker.IconGrid1->Row());
    OpenFile(module);
    if (DG->ModuleName() != module || DG->CellToIndex(DG->Col(), DG->Row()) == group) return;
    // SelectIndex leaves group 0 alone, and the module already open keeps its cell: the
    // first cell is made current here, so the main window ends with the group picked.
    if (group == 0)
        DG->ClickCell(0, 0);
    else
        DG->SelectIndex(group);
}

}  // namespace zorvane
