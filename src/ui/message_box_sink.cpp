#include "ui/message_box_sink.h"
#include "ui/texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zorvane {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Texts keep the line breaks of the platform they were written for.
QString DisplayText(const std::string& text) { return QString::fromStdString(text).replace("\r\n", "\n"); }

}  // namespace

QString MessageCaption(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return "警告";
    case MessageKind::Error: return "エラー";
    case MessageKind::Information: return "情報";
    case MessageKind::Confirmation: return "確認";
    }
    return {};
}

bool MessageBoxSink::show(MessageKind kind, const std::string& text) {
    QMessageBox box(IconOf(kind), MessageCaption(kind), DisplayText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* ok = box.addButton("OK", QMessageBox::AcceptRole);
    if (kind == MessageKind::Confirmation) box.addButton(kCancelCaption, QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok;
}

void MessageBoxErrorReport::report(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), DisplayText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace zorvane
