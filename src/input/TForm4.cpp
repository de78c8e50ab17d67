#include "input/TForm4.h"

#include "input/KeyboardOwner.h"
#include "platform/format/Casing.h"
#include "widgets/Desktop.h"
#include "widgets/QtText.h"
#include "widgets/RestingTimer.h"
#include "widgets/WidgetLook.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace orlevan {
namespace {

constexpr QSize kClientSize{353, 145};
const QColor kSilver(192, 192, 192); // 12632256

QString character(char c) {
    return toQt(std::string_view(&c, 1));
}

// Windows-1251 lower case, as F5 of the main window appends its tail.
QString lowerCase(const QString& text) {
    return toQt(casing::lower(fromQt(text)));
}

QToolButton* flatKey(QWidget* parent, const char* name, const QString& caption,
                     const QRect& place) {
    QToolButton* button = flatButton(parent, caption, place);
    button->setObjectName(name);
    return button;
}

struct SignKey {
    const char* name;
    char sign;
};

// Left to right; row 1 of the group "Знаки:", then row 2.
constexpr SignKey kSignRow1[] = {
    {"SB4", '#'},  {"SB5", '$'},   {"SB6", '%'},  {"SB7", '&'},  {"Sd8", '*'},  {"SB13", '+'},
    {"SB14", '='}, {"SB15", '\\'}, {"SB16", '|'}, {"SB17", '/'}, {"SB18", '['}, {"SB19", ']'},
    {"SB20", '{'}, {"SB21", '}'},  {"SB64", '~'}, {"SB65", '`'},
};
constexpr SignKey kSignRow2[] = {
    {"SB28", ','}, {"SB27", '.'}, {"SB2", '!'},  {"SB22", '?'}, {"SB9", '('},  {"SB10", ')'},
    {"SB11", '-'}, {"SB12", ':'}, {"SB24", '"'}, {"SB25", '<'}, {"SB26", '>'},
};

// Row 1 of the group "Буквы:" is SB29 (а) … SB45 (п) with ё after е; row 2
// is SB46 (р) … SB61 (я). The small letters, in Windows-1251.
constexpr unsigned char kLetterRow1[] = {0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xB8, 0xE6, 0xE7,
                                         0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF};
constexpr int kLetterRow2First = 0xF0;
constexpr int kLetterRow2Count = 16;

} // namespace

TForm4::TForm4(KeyboardOwner& owner, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint),
      owner_(owner) {
    setObjectName("TForm4");
    setWindowTitle(QStringLiteral("Виртуальная клавиатура"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kSilver);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* system = bar->addMenu(QStringLiteral("&Система"));
    N2 = system->addAction(QStringLiteral("С&крыть виртуальную клавиатуру"));
    N2->setObjectName("N2");
    // A "-" item draws as a separator yet keeps its shortcut: a hidden command.
    system->addSeparator();
    N3 = new QAction(QStringLiteral("-"), this);
    N3->setObjectName("N3");
    N3->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(N3);
    connect(N2, &QAction::triggered, this, &TForm4::N2Click);
    connect(N3, &QAction::triggered, this, &TForm4::N3Click);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    layout->addWidget(client);
    buildKeys(client);

    T1 = new QTimer(this);
    T1->setObjectName("T1");
    T1->setInterval(kShortestTick);
    resting::make(T1);
    owner_.wakeOnStateChange(T1);
    connect(T1, &QTimer::timeout, this, &TForm4::T1Timer);

    layout->activate();
    centreOnDesktop(this);
    FormCreate();
    T1->start();
}

void TForm4::buildKeys(QWidget* client) {
    const auto group = [client](const QString& caption, const QRect& place) {
        auto* box = new QGroupBox(caption, client);
        box->setGeometry(place);
        setTextColour(box, Qt::white);
        return box;
    };
    GroupBox1 = group(QStringLiteral("Знаки:"), {3, 3, 305, 57});
    GroupBox2 = group(QStringLiteral("Буквы:"), {3, 60, 305, 57});

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    const auto sign = [this, windowText](const SignKey& key, const QRect& place) {
        // "&&" shows a single "&" rather than marking an accelerator.
        const QString caption =
            key.sign == '&' ? QStringLiteral("&&") : QString(QLatin1Char(key.sign));
        QToolButton* button = flatKey(GroupBox1, key.name, caption, place);
        setTextColour(button, windowText);
        connect(button, &QToolButton::clicked, this, [this, key] { SignClick(key.sign); });
    };
    for (int i = 0; i < static_cast<int>(std::size(kSignRow1)); ++i) {
        sign(kSignRow1[i], {25 + 16 * i, 16, 16, 17});
    }
    for (int i = 0; i < static_cast<int>(std::size(kSignRow2)); ++i) {
        sign(kSignRow2[i], {65 + 16 * i, 33, 16, 17});
    }

    const auto letter = [this](int number, unsigned char small, const QRect& place) {
        const std::string name = "SB" + std::to_string(number);
        // The captions always show the capitals.
        QToolButton* button = flatKey(GroupBox2, name.c_str(),
                                      character(casing::upper(static_cast<char>(small))), place);
        setTextColour(button, Qt::black);
        connect(button, &QToolButton::clicked, this,
                [this, small] { LetterClick(static_cast<char>(small)); });
    };
    for (int i = 0; i < static_cast<int>(std::size(kLetterRow1)); ++i) {
        letter(29 + i, kLetterRow1[i], {8 + 17 * i, 16, 17, 17});
    }
    for (int i = 0; i < kLetterRow2Count; ++i) {
        letter(46 + i, static_cast<unsigned char>(kLetterRow2First + i), {16 + 17 * i, 33, 17, 17});
    }

    SB62 = flatKey(client, "SB62", QStringLiteral("Bcksp"), {310, 9, 41, 50});
    SB66 = flatKey(client, "SB66", QStringLiteral("[Enter]"), {310, 65, 41, 51});
    SB23 = flatKey(client, "SB23", QStringLiteral("Пробел"), {26, 119, 134, 22});
    SB63 = flatKey(client, "SB63", QStringLiteral("Caps Lock [не нажат]"), {161, 119, 123, 22});
    SB62->setEnabled(false);
    SB66->setEnabled(false);
    connect(SB62, &QToolButton::clicked, this, &TForm4::SB62Click);
    connect(SB66, &QToolButton::clicked, this, &TForm4::SB66Click);
    connect(SB23, &QToolButton::clicked, this, [this] { SignClick(' '); });
    connect(SB63, &QToolButton::clicked, this, &TForm4::SB63Click);
}

QToolButton* TForm4::key(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

void TForm4::FormCreate() {
    CapsState = 0;
}

// Bcksp and [Enter] only while there is something to delete or send, and
// the main window's F5 while a word is offered; then it rests until the main
// window tells it of a change.
void TForm4::T1Timer() {
    const bool hasText = !owner_.input().text().isEmpty();
    SB62->setEnabled(hasText);
    SB66->setEnabled(hasText);
    owner_.offerCompletionCommand();
    resting::rest(T1);
}

// Every key that changes the line sounds and restarts completion there.
void TForm4::append(const QString& text) {
    QLineEdit& input = owner_.input();
    input.setText(input.text() + text);
}

void TForm4::SignClick(char sign) {
    append(QString(QLatin1Char(sign)));
}

void TForm4::LetterClick(char small) {
    const char letter = CapsState == 1 ? casing::upper(small) : small;
    append(character(letter));
}

void TForm4::SB62Click() {
    QLineEdit& input = owner_.input();
    QString text = input.text();
    if (text.isEmpty()) {
        return;
    }
    text.chop(1);
    input.setText(text);
}

void TForm4::SB63Click() {
    CapsState = (CapsState + 1) % 2;
    SB63->setText(CapsState == 0 ? QStringLiteral("Caps Lock [не нажат]")
                                 : QStringLiteral("Caps Lock [нажат]"));
}

void TForm4::SB66Click() {
    owner_.speak();
}

// The completion that stood when the keyboard was opened, whatever the
// panel offers now.
void TForm4::N3Click() {
    append(lowerCase(owner_.handedOver()));
    owner_.searchCompletion();
}

void TForm4::N2Click() {
    T1->stop();
    owner_.closeSecondary(this);
}

} // namespace orlevan
