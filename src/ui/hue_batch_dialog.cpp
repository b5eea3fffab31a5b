#include "ui/hue_batch_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "controls/num_edit.h"
#include "controls/select_folder.h"
#include "platform/ini_file.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"
#include "ui/fitted_path.h"
#include "ui/radio_group.h"
#include "ui/texts.h"
#include "ui/up_down.h"

namespace zorvane {

namespace {

constexpr const char* kSection = "MAKEALLDLG";
constexpr const char* kCountKey = "COUNT";
constexpr int kMinStep = 10, kMaxStep = 180, kMinCount = 2, kMaxCount = 36;
constexpr int kFullTurn = 360;

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

}  // namespace

TForm5::TForm5(IniFile& settings, TSelectFolder& selectFolder, MessageSink& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), selectFolder_(selectFolder), messages_(messages) {
    setWindowTitle(QStringLiteral("保存オプション"));
    CreateControls();
    LayOutControls();
    adjustSize();
    if (const QScreen* shown = screen()) move(shown->geometry().center() - rect().center());
    connect(NumEdit1, &QLineEdit::textChanged, this, &TForm5::NumEdit1Change);
    connect(NumEdit2, &QLineEdit::textChanged, this, &TForm5::NumEdit2Change);
    connect(RadioGroup1, &TRadioGroup::clicked, this, &TForm5::RadioGroup1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm5::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm5::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    // The count decides; the coupling then brings the step to it.
    NumEdit2->SetValue(settings_.ReadInteger(kSection, kCountKey, 8));
}

TForm5::~TForm5() {
    if (result() != QDialog::Accepted) return;
    settings_.WriteInteger(kSection, kCountKey, NumEdit2->Value());
    try {
        settings_.UpdateFile();
    } catch (const FileError&) {
        // The count is a convenience for the next run; the batch itself is not affected.
    }
}

void TForm5::CreateControls() {
    NumEdit1 = new TNumEdit(this);
    NumEdit1->SetMaxLength(4);
    NumEdit1->SetValue(45);
    SetHint(NumEdit1, QStringLiteral("作成画像の色相間隔を色相環(360°)の角度で指定します。"));
    UpDown1 = new TUpDown(NumEdit1, kMinStep, kMaxStep, this);
    Label1 = new QLabel(QStringLiteral("色相間隔(&H)(10～180)"), this);
    Label1->setBuddy(NumEdit1);

    NumEdit2 = new TNumEdit(this);
    NumEdit2->SetMaxLength(3);
    NumEdit2->SetValue(8);
    SetHint(NumEdit2, QStringLiteral("作成する画像枚数を指定します。"));
    UpDown2 = new TUpDown(NumEdit2, kMinCount, kMaxCount, this);
    Label2 = new QLabel(QStringLiteral("作成画像数(&M)(2～36)"), this);
    Label2->setBuddy(NumEdit2);

    RadioGroup1 = new TRadioGroup(QStringLiteral("画像形式"),
                                  {QStringLiteral("アイコン"), QStringLiteral("単一アイコン"),
                                   QStringLiteral("ビットマップ"), QStringLiteral("PNG"), QStringLiteral("GIF")},
                                  2, this);
    RadioGroup1->SetItemIndex(0);
    SetHint(RadioGroup1, QStringLiteral("作成する画像の種類を指定します。"));

    CheckBox1 = new QCheckBox(QStringLiteral("背景画像を透過処理する(PNG,GIF オプション)"), this);
    CheckBox1->setChecked(true);
    CheckBox1->setEnabled(false);
    SetHint(CheckBox1, QStringLiteral("左下の色を透過色とするかどうかを指定します。"));

    Label3 = new QLabel(QStringLiteral("保存先フォルダ"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setReadOnly(true);
    Edit1->setFixedWidth(260);
    SetHint(Edit1, QStringLiteral("画像が保存されるフォルダを指定します。"));
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(kCancelCaption, this);
}

void TForm5::LayOutControls() {
    auto* grid = new QGridLayout(this);
    const auto numberRow = [grid](int row, QLabel* label, TNumEdit* edit, TUpDown* arrows) {
        auto* box = new QHBoxLayout;
        box->setSpacing(0);
        edit->setFixedWidth(50);
        box->addWidget(edit);
        box->addWidget(arrows);
        box->addStretch();
        grid->addWidget(label, row, 0);
        grid->addLayout(box, row, 1);
    };
    numberRow(0, Label1, NumEdit1, UpDown1);
    numberRow(1, Label2, NumEdit2, UpDown2);
    grid->addWidget(RadioGroup1, 2, 0, 1, 2);
    grid->addWidget(CheckBox1, 3, 0, 1, 2);
    grid->addWidget(Label3, 4, 0, 1, 2);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(Edit1);
    folderRow->addWidget(SpeedButton1);
    grid->addLayout(folderRow, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    // Tab order as the fields are read: numbers, format, transparency, folder, buttons.
    setTabOrder(NumEdit1, NumEdit2);
    setTabOrder(NumEdit2, RadioGroup1);
    setTabOrder(RadioGroup1, CheckBox1);
    setTabOrder(CheckBox1, Edit1);
    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

void TForm5::SetSaveFolder(const QString& path) {
    saveFolder_ = path;
    ShowFittedPath(Edit1, path);
}

AllHueOptions TForm5::Options() const {
    return {saveFolder_, NumEdit2->Value(), NumEdit1->Value(), RadioGroup1->ItemIndex(), CheckBox1->isChecked()};
}

// Each field sets the other to 360 div its value; the text of a field that already shows
// that value does not change, so the two handlers stop once both stand still.
void TForm5::NumEdit1Change() {
    if (const int step = NumEdit1->Value(); step > 0) NumEdit2->SetValue(kFullTurn / step);
}

void TForm5::NumEdit2Change() {
    if (const int count = NumEdit2->Value(); count > 0) NumEdit1->SetValue(kFullTurn / count);
}

void TForm5::RadioGroup1Click() { CheckBox1->setEnabled(RadioGroup1->ItemIndex() > 2); }

void TForm5::SpeedButton1Click() {
    if (selectFolder_.Execute()) SetSaveFolder(selectFolder_.Folder());
}

bool TForm5::InputValid() const {
    const int step = NumEdit1->Value(), count = NumEdit2->Value();
    return step >= kMinStep && step <= kMaxStep && count >= kMinCount && count <= kMaxCount;
}

void TForm5::BitBtn1Click() {
    if (InputValid()) {
        accept();
        return;
    }
    messages_.show(MessageKind::Warning, "入力された値が不正です。\r\n範囲内の値を指定してください。");
    NumEdit1->setFocus();
    NumEdit1->selectAll();
}

}  // namespace zorvane
