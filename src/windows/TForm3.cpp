#include "TForm3.h"

namespace orlevan {

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TForm3");
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(377, 152);
}

} // namespace orlevan
