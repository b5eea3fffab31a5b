#pragma once
// The options of the all-hue batch: hue step and image count (coupled so that together
// they make about one turn of the colour circle), image format, transparency of PNG and
// GIF output, and output folder. The image count of the last accepted run is remembered.

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zorvane {

class IniFile;
class MessageSink;
class TNumEdit;
class TRadioGroup;
class TSelectFolder;
class TUpDown;

// What the batch needs from the dialog after OK.
struct AllHueOptions {
    QString folder;
    int count = 8;
    int step = 45;
    int format = 0;  // 0 group icon, 1 single icon, 2 bitmap, 3 PNG, 4 GIF
    bool transparent = true;
};

class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5(IniFile& settings, TSelectFolder& selectFolder, MessageSink& messages, QWidget* parent = nullptr);
    ~TForm5() override;

    void SetSaveFolder(const QString& path);
    const QString& SaveFolder() const { return saveFolder_; }
    AllHueOptions Options() const;

    // Handlers, public so that tests can drive the dialog without showing it.
    void NumEdit1Change();
    void NumEdit2Change();
    void RadioGroup1Click();
    void SpeedButton1Click();
    void BitBtn1Click();

    QLabel* Label1;
    TNumEdit* NumEdit1;
    TUpDown* UpDown1;
    QLabel* Label2;
    TNumEdit* NumEdit2;
    TUpDown* UpDown2;
    TRadioGroup* RadioGroup1;
    QCheckBox* CheckBox1;
    QLabel* Label3;
    QLineEdit* Edit1;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

private:
    void CreateControls();
    void LayOutControls();
    bool InputValid() const;

    IniFile& settings_;
    TSelectFolder& selectFolder_;
    MessageSink& messages_;
    QString saveFolder_;
};

}  // namespace zorvane
