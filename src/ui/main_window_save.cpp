// The save commands, the all-hue batch and the icon folder command of the main window.
// Every output is made again from the untouched icon stream with the bars' adjustment and
// the current geometry; the preview is never saved.

#include <QFileInfo>

#include <filesystem>

#include "controls/select_folder.h"
#include "app/app_settings.h"
#include "core/icon_encode.h"
#include "core/texts.h"
#include "export/export_names.h"
#include "export/hue_series.h"
#include "platform/ini_file.h"
#include "ui/main_window.h"
#include "ui/icon_folder_dialog.h"
#include "ui/hue_batch_dialog.h"

namespace zorvane {

namespace {

ExportEdit CurrentEdit(const TForm1& form) { return {form.Hue(), form.Saturation(), form.Value(), form.Transform}; }

std::string BaseName(const TForm1& form) { return form.FileBaseName().toStdString(); }

// B-G.ico in the icon folder, B-G.cur for a cursor group.
std::string GroupPathInIconFolder(const TForm1& form) {
    return PathInFolder(form.IconFolder.toStdString(),
                        GroupFileName(BaseName(form), form.GroupIndex(), IconFileExtension(form.IconStream)));
}

// Puts the dialog back on the icon entry, however the save it served ended.
class PictureDialogReset {
public:
    explicit PictureDialogReset(PictureSaveDialogState& state) : state_(state) {}
    ~PictureDialogReset() {
        state_.FilterIndex = 1;
        state_.DefaultExt = QStringLiteral("ico");
    }
    PictureDialogReset(const PictureDialogReset&) = delete;
    PictureDialogReset& operator=(const PictureDialogReset&) = delete;

private:
    PictureSaveDialogState& state_;
};

int FilterIndexOf(ExportFormat format) {
    switch (format) {
    case ExportFormat::Bitmap: return 2;
    case ExportFormat::Png: return 3;
    case ExportFormat::Gif: return 4;
    case ExportFormat::GroupIcon:
    case ExportFormat::SingleIcon: break;
    }
    return 1;
}

}  // namespace

void TForm1::InstallSaveCommands() {
    SelectFolder1 = new TSelectFolder(this);
    SelectFolder1->SetTitle(QStringLiteral("フォルダの選択"));
    SelectFolder1->SetOptions(TSelectFolderOption::sfoUseNewStyle);
    OnTriggered(ActionSave, &TForm1::ActionSaveExecute);
    OnTriggered(ActionReNameSave, &TForm1::ActionReNameSaveExecute);
    OnTriggered(SaveSingleIcon, &TForm1::SaveSingleIconExecute);
    OnTriggered(SaveBMP, &TForm1::SaveBMPExecute);
    OnTriggered(SavePNG, &TForm1::SavePNGExecute);
    OnTriggered(SaveGIF, &TForm1::SaveGIFExecute);
    OnTriggered(CreateAll, &TForm1::CreateAllExecute);
    OnTriggered(IconFolderItem, &TForm1::A2Click);
}

SaveDialogs& TForm1::SaveDialogsInUse() const {
    return services_.saveDialogs ? *services_.saveDialogs : QtSaveDialogs();
}

void TForm1::ActionSaveExecute() {
    MessageSink& sink = *services_.messages;
    const std::string path = GroupPathInIconFolder(*this);
    if (std::filesystem::exists(path) &&
        !sink.show(MessageKind::Confirmation, path + "\r\n" + "は、すでに存在します。上書きしますか？"))
        return;
    const ExportEdit edit = CurrentEdit(*this);
    if (SaveIconGroup(IconStream, path, edit.hue, edit.saturation, edit.value, edit.state, sink))
        sink.show(MessageKind::Information, "アイコンフォルダに保存しました。\r\nファイル名 :" + path);
    else
        sink.show(MessageKind::Warning, "アイコンの作成に失敗しました。\r\nファイル名 :" + path);
}

void TForm1::ActionReNameSaveExecute() {
    SavePictureDialog1.FileName = QString::fromStdString(GroupPathInIconFolder(*this));
    if (!SaveDialogsInUse().ExecutePictureSave(this, SavePictureDialog1)) return;
    const ExportEdit edit = CurrentEdit(*this);
    SaveIconGroup(IconStream, SavePictureDialog1.FileName.toStdString(), edit.hue, edit.saturation, edit.value,
                  edit.state, *services_.messages);
}

void TForm1::SaveSingleIconExecute() {
    const int image = SelectedImageIndex();
    SavePictureDialog1.FileName = QString::fromStdString(
        ImageFileName(BaseName(*this), GroupIndex(), image, IconFileExtension(IconStream)));
    if (!SaveDialogsInUse().ExecutePictureSave(this, SavePictureDialog1)) return;
    const ExportEdit edit = CurrentEdit(*this);
    if (!SaveIconImage(IconStream, SavePictureDialog1.FileName.toStdString(), image, edit.hue, edit.saturation,
                       edit.value, edit.state, *services_.messages))
        services_.messages->show(MessageKind::Error, kSingleIconFailedMessage);
}

void TForm1::SaveBMPExecute() { SavePicture(ExportFormat::Bitmap); }
void TForm1::SavePNGExecute() { SavePicture(ExportFormat::Png); }
void TForm1::SaveGIFExecute() { SavePicture(ExportFormat::Gif); }

void TForm1::SavePicture(ExportFormat format) {
    const PictureDialogReset reset(SavePictureDialog1);
    const int image = SelectedImageIndex();
    SavePictureDialog1.FileName = QString::fromStdString(
        ImageFileName(BaseName(*this), GroupIndex(), image, ExtensionOf(format)));
    SavePictureDialog1.FilterIndex = FilterIndexOf(format);
    SavePictureDialog1.DefaultExt = QString::fromLatin1(ExtensionOf(format));
    if (!SaveDialogsInUse().ExecutePictureSave(this, SavePictureDialog1)) return;
    const std::optional<Bitmap> bitmap = ExportBitmap(IconStream, image, CurrentEdit(*this), *services_.messages);
    if (!bitmap) return;
    // Bitmap files carry no transparency; PNG and GIF files hide the bottom-left colour.
    WritePictureFile(*bitmap, format, SavePictureDialog1.FileName.toStdString(), true);
}

void TForm1::CreateAllExecute() {
    MessageSink& sink = *services_.messages;
    IniFile settings(SettingsFilePath());
    TForm5 options(settings, *SelectFolder1, sink, this);
    options.SetSaveFolder(IconFolder);
    if (!SaveDialogsInUse().ShowModal(options)) return;
    const AllHueOptions chosen = options.Options();
    if (!sink.show(MessageKind::Confirmation, HueSeriesConfirmation(chosen.folder.toStdString(), chosen.count))) return;
    const HueSeriesSource source{IconStream, BaseName(*this), GroupIndex(), SelectedImageIndex(), CurrentEdit(*this)};
    WriteHueSeries(source,
                   {chosen.folder.toStdString(), chosen.count, chosen.step, static_cast<ExportFormat>(chosen.format),
                    chosen.transparent},
                   sink);
}

void TForm1::A2Click() {
    TForm2 form(*SelectFolder1, this);
    form.SetvPath(IconFolder);
    if (!SaveDialogsInUse().ShowModal(form)) return;
    if (QFileInfo(form.vPath()).isDir())
        IconFolder = form.vPath();
    else
        services_.messages->show(MessageKind::Error,
                                 form.vPath().toStdString() + "\r\n" + "指定されたフォルダが見つかりません。");
}

}  // namespace zorvane
