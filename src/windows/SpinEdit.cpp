#include "windows/SpinEdit.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

namespace orlevan {

SpinEdit::SpinEdit(int least, int most, QWidget* parent)
    : QSpinBox(parent), least_(least), most_(most) {
    setRange(0, std::numeric_limits<int>::max());
}

int SpinEdit::number() const {
    bool whole = false;
    const int value = cleanText().toInt(&whole);
    return whole ? value : 1;
}

void SpinEdit::stepBy(int steps) {
    setValue(std::clamp(number() + steps, least_, most_));
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event);
    setValue(std::clamp(number(), least_, most_));
}

} // namespace orlevan
