#pragma once

#include <QSpinBox>

namespace orlevan {

// A number field that keeps what the user types within its range, brought to
// the nearest bound when the field loses the focus, while the program may
// store any number in it (seconds become milliseconds there).
class SpinEdit : public QSpinBox {
    Q_OBJECT

public:
    SpinEdit(int least, int most, QWidget* parent = nullptr);

    // The field's text as a whole number; 1 while the text is none.
    int number() const;

    void stepBy(int steps) override;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    int least_;
    int most_;
};

} // namespace orlevan
