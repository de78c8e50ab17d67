#include "windows/TForm3.h"

#include "platform/kb/TextFile.h"
#include "platform/system/Failure.h"
#include "platform/system/Folder.h"
#include "widgets/Desktop.h"
#include "widgets/QtText.h"
#include "windows/MainWindowLink.h"

#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orlevan {
namespace {

constexpr int kClientWidth = 377;
// The frame and caption that the heights count besides the client area.
constexpr int kFrameHeight = TForm3::kCollapsed - 152;
constexpr std::string_view kPicture = "Images\\Foto.bmp";
constexpr std::string_view kHistory = "ReadMe.Txt";

QFont eightPoint(const QString& family, bool bold = false, bool italic = false) {
    QFont font(family);
    font.setPointSize(8);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFrame* frame(QWidget* parent, const QRect& place, int style) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(place);
    frame->setFrameStyle(style);
    return frame;
}

QPushButton* button(QWidget* parent, const QString& caption, const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TForm3::TForm3(const Folder& folder, MainWindowLink& link, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), folder_(folder),
      link_(link) {
    setObjectName("TForm3");
    setWindowTitle(QStringLiteral("О программе"));
    setFont(eightPoint(QStringLiteral("MS Sans Serif")));
    setCursor(Qt::ArrowCursor);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);
    buildComponents();
    setDesignHeight(kCollapsed);
    centreOnDesktop(this); // where it stays from then on

    const auto guarded = [this](void (TForm3::*handler)()) {
        return [this, handler] { link_.runHandler([this, handler] { (this->*handler)(); }); };
    };
    connect(Button1, &QPushButton::clicked, this, guarded(&TForm3::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(&TForm3::Button2Click));
    link_.runHandler([this] { FormCreate(); });
}

void TForm3::buildComponents() {
    TabControl1 = frame(this, {0, 0, 377, 153}, QFrame::Panel | QFrame::Raised);
    Bevel1 = frame(TabControl1, {3, 5, 371, 146}, QFrame::Panel | QFrame::Sunken);

    Label2 = new QLabel(QStringLiteral("АВТОР ПРОДУКТА:"), TabControl1);
    Label2->setFont(eightPoint(QStringLiteral("Courier New"), true, true));
    Label2->move(44, 8);
    Label2->adjustSize();

    Inform = new QLabel(TabControl1);
    Inform->setGeometry(6, 24, 179, 108);
    Inform->setScaledContents(true);
    Inform->setToolTip(QStringLiteral("Здесь мне 5 лет."));

    Label1 = new QLabel(QStringLiteral("Написано на C++ с библиотекой Qt 6 для Linux.\n"
                                       "Разработчик: Лудвар.\n"
                                       "Разработка: 2001 – 2026.\n"
                                       "Версия 2.476"),
                        TabControl1);
    Label1->setGeometry(187, 9, 182, 82);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setFont(eightPoint(QStringLiteral("Comic Sans MS")));

    Label3 = new QLabel(QStringLiteral("Почта: ludvar@orlevan.example"), TabControl1);
    Label3->move(22, 133);
    Label3->adjustSize();

    Button1 = button(TabControl1, QStringLiteral("История"), {187, 96, 185, 25});
    Button2 = button(TabControl1, QStringLiteral("Закрыть"), {187, 120, 185, 25});

    TabControl2 = frame(this, {1, 151, 376, 148}, QFrame::Panel | QFrame::Raised);
    Memo1 = new QPlainTextEdit(TabControl2);
    Memo1->setGeometry(3, 4, 370, 140);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(eightPoint(QStringLiteral("Courier New")));
    QPalette silverText = Memo1->palette();
    silverText.setColor(QPalette::Base, QColor(192, 192, 192));
    Memo1->setPalette(silverText);
    Memo1->viewport()->setCursor(Qt::ForbiddenCursor);
}

int TForm3::designHeight() const {
    return height() + kFrameHeight;
}

void TForm3::setDesignHeight(int height) {
    setFixedSize(kClientWidth, height - kFrameHeight);
}

// Without its picture the window still opens and shows the rest.
void TForm3::FormCreate() {
    const auto path = folder_.find(kPicture);
    const QImage picture =
        path ? QImageReader(QString::fromStdString(path->string())).read() : QImage();
    if (picture.isNull()) {
        throw Failure::cannotOpen(kPicture);
    }
    Inform->setPixmap(QPixmap::fromImage(picture));
}

// The history is read afresh at each press; each press shows or hides it.
void TForm3::Button1Click() {
    QStringList history;
    for (const auto& line : readTextFile(folder_, kHistory)) {
        history << toQt(line);
    }
    Memo1->setPlainText(history.join(u'\n'));
    const int height = designHeight() + 1;
    if (height == kCollapsed + 1) {
        setDesignHeight(kExpanded);
    } else if (height == kExpanded + 1) {
        setDesignHeight(kCollapsed);
        centreOnDesktop(this); // where it stays from then on
    } else {
        setDesignHeight(height);
    }
}

void TForm3::Button2Click() {
    link_.closeSecondary(this);
}

void TForm3::reject() {
    Button2->click();
}

} // namespace orlevan
