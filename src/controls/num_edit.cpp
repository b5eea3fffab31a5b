#include "controls/num_edit.h"

#include <QValidator>

#include <charconv>

namespace zorvane {

namespace {

// Accepts the digits a user types, up to a length; text set by the program is not checked.
class DigitsValidator : public QValidator {
public:
    DigitsValidator(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        if (maxLength_ > 0 && input.size() > maxLength_) return Invalid;
        for (QChar c : input)
            if (c < u'0' || c > u'9') return Invalid;
        return Acceptable;
    }

private:
    int maxLength_;
};

}  // namespace

int NumEditValue(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    // from_chars takes a '-' but not a '+'; "+-5" is no number.
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && *begin == '-') return 0;
    }
    int value = 0;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end) return 0;
    return value;
}

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(parent) {
    resize(50, height());
    SetRightAlign(true);
    InstallValidator();
    SetValue(0);
}

int TNumEdit::Value() const { return NumEditValue(text()); }

void TNumEdit::SetValue(int value) {
    const QString shown = QString::number(value);
    if (shown != text()) setText(shown);
}

void TNumEdit::SetRightAlign(bool on) {
    rightAlign_ = on;
    setAlignment((on ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void TNumEdit::SetMaxLength(int length) {
    maxLength_ = length;
    InstallValidator();
}

void TNumEdit::InstallValidator() {
    const QValidator* old = validator();
    setValidator(new DigitsValidator(maxLength_, this));
    delete old;
}

}  // namespace zorvane
