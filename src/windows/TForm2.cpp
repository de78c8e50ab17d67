#include "TForm2.h"

#include <QLineEdit>

namespace orlevan {

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TForm2");
    setWindowTitle(QStringLiteral("Редактор"));
    setFixedSize(305, 185);
    Edit1 = new QLineEdit(QStringLiteral("D:\\Txt.Dat"), this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(8, 24, 289, 21);
}

} // namespace orlevan
