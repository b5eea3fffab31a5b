#pragma once
// A one-line edit box for a whole number: typing accepts digits only, the text is
// right-aligned by default, and the number is read and written through Value.
// textChanged is the change event; writing the value already shown raises nothing.

#include <QLineEdit>

namespace zorvane {

class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget* parent = nullptr);

    // The text as a decimal integer; 0 when empty, not a number or beyond 32 bits.
    int Value() const;
    void SetValue(int value);

    bool RightAlign() const { return rightAlign_; }
    void SetRightAlign(bool on);

    // Limits typing only: a value written through Value may be longer.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);

private:
    void InstallValidator();

    bool rightAlign_ = true;
    int maxLength_ = 0;  // 0: no limit
};

// Parses the text of a numeric edit: an optional sign and decimal digits within 32 bits.
int NumEditValue(const QString& text);

}  // namespace zorvane
