#include "ui/message_box_sink.h"
#include "ui/texts.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
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
    case MessageKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

// Texts keep the line breaks of the platform they were written for.
QString DisplayText(const std::string& text) { return QString::fromStdString(text).replace("\r\n", "\n"); }

// Qt wraps a long line anywhere in Japanese text; a message breaks only where its text does.
class UnwrappedMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    // Qt sizes the box again on several events; the wrap is taken back after each.
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        Unwrap(*this);
        return handled;
    }
};

}  // namespace

void Unwrap(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (!label || !label->wordWrap()) return;
    label->setWordWrap(false);
    box.layout()->activate();
    box.setFixedSize(box.layout()->totalSizeHint().expandedTo(box.layout()->totalMinimumSize()));
}

QString MessageCaption(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return "警告";
    case MessageKind::Error: return "エラー";
    case MessageKind::Information: return "情報";
    case MessageKind::Confirmation: return "確認";
    case MessageKind::Plain: return QApplication::applicationName();
    }
    return {};
}

std::unique_ptr<QMessageBox> MakeMessageBox(MessageKind kind, const std::string& text, QWidget* parent) {
    auto box = std::make_unique<UnwrappedMessageBox>(IconOf(kind), MessageCaption(kind), DisplayText(text),
                                                     QMessageBox::NoButton, parent);
    QPushButton* ok = box->addButton("OK", QMessageBox::AcceptRole);
    if (kind == MessageKind::Confirmation) box->addButton(kCancelCaption, QMessageBox::RejectRole);
    box->setDefaultButton(ok);
    return box;
}

bool MessageBoxSink::show(MessageKind kind, const std::string& text) {
    const auto box = MakeMessageBox(kind, text, QApplication::activeWindow());
    box->exec();
    return box->clickedButton() == box->defaultButton();
}

void MessageBoxErrorReport::report(const std::string& text) {
    UnwrappedMessageBox box(QMessageBox::Critical, QApplication::applicationName(), DisplayText(text),
                            QMessageBox::NoButton, QApplication::activeWindow());
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace zorvane
