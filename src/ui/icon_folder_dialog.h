#pragma once
// Shows the icon folder and lets the user pick another one with the folder browser.
// The full folder is kept in vPath; the box shows it shortened to fit.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zorvane {

class TSelectFolder;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TSelectFolder& selectFolder, QWidget* parent = nullptr);

    void SetvPath(const QString& path);
    const QString& vPath() const { return vPath_; }

    void SpeedButton1Click();

    QLabel* Label1;
    QLineEdit* PathEdit;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

private:
    TSelectFolder& selectFolder_;
    QString vPath_;
};

}  // namespace zorvane
