#include "TForm4.h"

namespace orlevan {

TForm4::TForm4(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint) {
    setObjectName("TForm4");
    setWindowTitle(QStringLiteral("Виртуальная клавиатура"));
    setFixedSize(353, 145);
}

} // namespace orlevan
