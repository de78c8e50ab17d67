#include "windows/TForm2.h"

#include "widgets/Desktop.h"
#include "windows/MainWindowLink.h"
#include "windows/SpinEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>

namespace orlevan {
namespace {

// The field takes seconds; confirming stores milliseconds in it.
constexpr int kLongestWaitSeconds = 36000;
constexpr long long kMillisecondsPerSecond = 1000;

} // namespace

TForm2::TForm2(ExternalFileOwner& owner, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), owner_(owner) {
    setObjectName("TForm2");
    setWindowTitle(QStringLiteral("Редактор"));
    setFixedSize(305, 185);
    QFont eightPoint(QStringLiteral("MS Sans Serif"));
    eightPoint.setPointSize(8);
    setFont(eightPoint);

    GroupBox1 = new QGroupBox(QStringLiteral("Путь файла для внешнего ввода-вывода:"), this);
    GroupBox1->setGeometry(8, 4, 289, 52);
    Edit1 = new QLineEdit(QStringLiteral("D:\\Txt.Dat"), GroupBox1);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(8, 22, 273, 21);

    GroupBox2 = new QGroupBox(QStringLiteral("Считывание фразы из файла:"), this);
    GroupBox2->setGeometry(8, 62, 289, 80);
    RB1 = new QRadioButton(QStringLiteral("По нажатию клавиши [ENTER]"), GroupBox2);
    RB1->setGeometry(8, 22, 273, 20);
    RB1->setChecked(true);
    RB2 = new QRadioButton(QStringLiteral("По таймеру  каждые:"), GroupBox2);
    RB2->setGeometry(8, 48, 140, 20);
    SpinEdit1 = new SpinEdit(1, kLongestWaitSeconds, GroupBox2);
    SpinEdit1->setGeometry(150, 46, 90, 24);
    SpinEdit1->setValue(1);
    SpinEdit1->setEnabled(false);
    Label1 = new QLabel(QStringLiteral("сек."), GroupBox2);
    Label1->setGeometry(246, 50, 36, 16);

    Button1 = new QPushButton(QStringLiteral("Хорошо"), this);
    Button1->setGeometry(62, 151, 88, 26);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setGeometry(156, 151, 88, 26);

    centreOnDesktop(this);

    const auto guarded = [this](void (TForm2::*handler)()) {
        return [this, handler] { owner_.runHandler([this, handler] { (this->*handler)(); }); };
    };
    connect(Button1, &QPushButton::clicked, this, guarded(&TForm2::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(&TForm2::Button2Click));
    connect(RB1, &QRadioButton::clicked, this, guarded(&TForm2::RB1Click));
    connect(RB2, &QRadioButton::clicked, this, guarded(&TForm2::RB2Click));
    connect(Edit1, &QLineEdit::textChanged, this, guarded(&TForm2::Edit1Change));
    connect(SpinEdit1, &QSpinBox::valueChanged, this, guarded(&TForm2::SpinEdit1Change));
}

// The path is kept in the settings file; the number of seconds becomes the
// reading timer's interval in milliseconds.
void TForm2::Button1Click() {
    owner_.storePath(Edit1->text());
    const long long milliseconds = SpinEdit1->number() * kMillisecondsPerSecond;
    SpinEdit1->setValue(
        static_cast<int>(std::min<long long>(milliseconds, std::numeric_limits<int>::max())));
    owner_.closeSecondary(this);
}

// Nothing is undone: the fields keep what the user left in them.
void TForm2::Button2Click() {
    owner_.closeSecondary(this);
}

void TForm2::RB1Click() {
    SpinEdit1->setEnabled(false);
}

void TForm2::RB2Click() {
    SpinEdit1->setEnabled(true);
}

void TForm2::Edit1Change() {
    owner_.leaveDefaults();
}

void TForm2::SpinEdit1Change() {
    owner_.leaveDefaults();
}

void TForm2::reject() {
    Button2->click();
}

} // namespace orlevan
