#include "app/TForm1.h"

#include "app/DialogPane.h"
#include "app/KeyHook.h"
#include "app/PhraseEdit.h"
#include "widgets/Desktop.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace orlevan {
namespace {

constexpr int kStatusHeight = 19;

// A button of the input row: disabled until the line holds text, with a hand cursor.
QToolButton* rowButton(QWidget* parent, const QString& caption, const QString& hint,
                       const QRect& place) {
    QToolButton* button = flatButton(parent, caption, place);
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    button->setEnabled(false);
    return button;
}

} // namespace

TForm1::TForm1(const Folder& folder, Clock& clock, Random& random, ErrorBox::Presenter presenter)
    : folder_(folder), MP1(new Sound(folder, "Sound\\KeyBoard.wav", "MP1", this)),
      MP2(new Sound(folder, "Sound\\Button3.wav", "MP2", this)),
      MP3(new Sound(folder, "Sound\\Button2.wav", "MP3", this)),
      MP4(new Sound(folder, "Sound\\Button1.wav", "MP4", this)),
      MP5(new Sound(folder, "Sound\\CpuSound.wav", "MP5", this)),
      MP6(new Sound(folder, "Sound\\Close.wav", "MP6", this)), dialogue_(folder_, clock, random),
      pickerDialogs(std::make_unique<QtPickerDialogs>(this)), clock_(clock), random_(random),
      errors_(this, folder_.damaged(), std::move(presenter)) {
    prepareDesktopLook();
    setObjectName("TForm1");
    setWindowTitle(QStringLiteral("-=ОРЛЕВАН=-   Разработчик: Лудвар.   [v2.476]"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(designFont("MS Sans Serif", 8));
    setCursor(Qt::ForbiddenCursor);
    setBackground(this, colorFromValue(12632256));
    pickers_.FontDialog1 = pickers_.FontDialog2 = pickers_.FontDialog3 =
        designFont("MS Sans Serif", 8);

    buildComponents();
    buildMenu();
    buildStatusBar();
    buildTimers();
    connectHandlers();
    watchState();

    // The client area is fixed; the menu bar comes on top of it.
    centralWidget()->setFixedSize(kMainClientSize);
    setFixedSize(kMainClientSize + QSize(0, kStatusHeight + menuBar()->sizeHint().height()));
    centreOnDesktop(this);

    errors_.run([this] { FormCreate(); });
}

TForm1::~TForm1() {
    if (keyHook_) {
        qApp->removeEventFilter(keyHook_);
    }
}

void TForm1::setSecondaryWindows(TForm2* form2, TForm3* form3, TForm4* form4) {
    Form2 = form2;
    Form3 = form3;
    Form4 = form4;
}

void TForm1::askPickersWith(std::unique_ptr<PickerDialogs> dialogs) {
    pickerDialogs = std::move(dialogs);
}

void TForm1::buildComponents() {
    // The pane and the input line have designed colours of their own: a
    // settings row that fails before reaching them must not leave them
    // showing the window's.
    const QColor silver = colorFromValue(12632256);
    auto* client = new QWidget(this);
    setCentralWidget(client);

    TabControl1 = new QFrame(client);
    TabControl1->setObjectName("TabControl1");
    TabControl1->setGeometry(0, 0, 588, 313);
    TabControl1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    RE1 = new DialogPane(TabControl1);
    RE1->setObjectName("RE1");
    RE1->setGeometry(3, 5, 581, 304);
    RE1->setToolTip(QStringLiteral("Поле для отображения диалога"));
    RE1->viewport()->setCursor(Qt::ForbiddenCursor);
    RE1->setCursor(Qt::ForbiddenCursor);
    setBackground(RE1, silver);

    TabControl2 = new QFrame(client);
    TabControl2->setObjectName("TabControl2");
    TabControl2->setGeometry(0, 312, 585, 30);
    TabControl2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    TabControl2->setCursor(Qt::ForbiddenCursor);

    Input = new PhraseEdit(TabControl2);
    Input->setObjectName("Input");
    Input->setGeometry(3, 5, 422, 21);
    Input->setToolTip(QStringLiteral("Поле для ввода фразы пользователя"));
    Input->setFont(designFont("MS Sans Serif", 8));
    Input->setCursor(Qt::IBeamCursor);
    setBackground(Input, silver);

    Cancel =
        rowButton(TabControl2, QStringLiteral("<"),
                  QStringLiteral("Отмена (Альтернатива клавиша: <Ctrl + Z>)"), {426, 5, 27, 22});
    Cancel->setObjectName("Cancel");
    EnRus =
        rowButton(TabControl2, QStringLiteral("E/R"),
                  QStringLiteral("Раскладка (Альтернатива клавиша: <Ctrl + S>)"), {453, 5, 43, 22});
    EnRus->setObjectName("EnRus");
    Speak = rowButton(TabControl2, QStringLiteral("Сказать"),
                      QStringLiteral("Кнопка отправки текста (Альтернативная клавиша: <ENTER>)"),
                      {496, 5, 86, 22});
    Speak->setObjectName("Speak");

    // The default button sits outside the visible area: Enter clicks it.
    Talk = new QPushButton(QStringLiteral("<ENTER> (Для кнопки сказать)"), TabControl1);
    Talk->setObjectName("Talk");
    Talk->setGeometry(-200, 107, 186, 17);
    Talk->setDefault(true);
    Talk->setFocusPolicy(Qt::NoFocus);
    Talk->setEnabled(false);
}

void TForm1::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("SB1");
    bar->setFixedHeight(kStatusHeight);
    bar->setSizeGripEnabled(false);
    bar->setToolTip(QStringLiteral("Индикатор"));
    bar->setCursor(Qt::WhatsThisCursor);
    const std::array<int, 3> widths = {130, 322, 50};
    for (std::size_t panel = 0; panel < SB1.size(); ++panel) {
        SB1[panel] = new QLabel(bar);
        SB1[panel]->setObjectName(QStringLiteral("SB1[%1]").arg(panel));
        SB1[panel]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        SB1[panel]->setMinimumWidth(widths[panel]);
        if (panel + 1 < SB1.size()) {
            SB1[panel]->setFixedWidth(widths[panel]);
        }
        // The last panel reaches to the window's edge, so its mode text shows whole.
        bar->addWidget(SB1[panel], panel + 1 == SB1.size() ? 1 : 0);
    }
    SB1[2]->setText(QStringLiteral("Режим Cpu\\User"));
}

void TForm1::connectHandlers() {
    const auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] { errors_.run([=, this] { (this->*handler)(); }); };
    };
    connect(Speak, &QToolButton::clicked, this, guarded(&TForm1::SpeakClick));
    connect(Talk, &QPushButton::clicked, this, guarded(&TForm1::TalkClick));
    connect(Input, &PhraseEdit::phraseChanged, this, guarded(&TForm1::InputChange));
    connect(Cancel, &QToolButton::clicked, this, guarded(&TForm1::CancelClick));
    connectMenuItem(N2, &TForm1::N2Click);
    connectMenuItem(N3, &TForm1::N3Click);
    connectMenuItem(N4, &TForm1::N4Click);
    connectMenuItem(N13, &TForm1::N13Click);
    connectMenuItem(N15, &TForm1::N15Click);
    connectMenuItem(N24, &TForm1::N24Click);
    connectMenuItem(N40, &TForm1::N40Click);
    connectMenuItem(CpuUser1, &TForm1::CpuUser1Click);
    connectMenuItem(Cpu31, &TForm1::Cpu31Click);
    connectMenuItem(N38, &TForm1::N38Click);
    connectMenuItem(N12, &TForm1::N12Click);
    connectMenuItem(N6, &TForm1::N6Click);
    connectMenuItem(N21, &TForm1::N21Click);
    connectMenuItem(N16, &TForm1::N16Click);
    connectMenuItem(N9, &TForm1::N9Click);
    connectMenuItem(User1, &TForm1::User1Click);
    connectMenuItem(Cpu1, &TForm1::Cpu1Click);
    connectMenuItem(Mystring2, &TForm1::Mystring2Click);
    connectMenuItem(User2, &TForm1::User2Click);
    connectMenuItem(Cpu2, &TForm1::Cpu2Click);
    connectMenuItem(Mystring1, &TForm1::Mystring1Click);
    connectInputAids();
    // Enter anywhere in the window clicks the default button while it is enabled.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] {
            if (Talk->isEnabled()) {
                Talk->click();
            }
        });
    }
}

// Qt flips the mark of a checkable item before the item's handler runs; here
// the handlers alone set and clear marks, so that flip is undone first.
void TForm1::connectMenuItem(QAction* item, void (TForm1::*handler)()) {
    connect(item, &QAction::triggered, this, [this, item, handler] {
        if (item->isCheckable()) {
            item->setChecked(!item->isChecked());
        }
        errors_.run([=, this] { (this->*handler)(); });
    });
}

void TForm1::FormCreate() {
    folder_.removeAbandonedSaves();
    dialogue_.RE2.load(folder_, "Base\\Words.dat");
    ConfigFile.load(folder_);
    applySettings();
    keyHook_ = new KeyHook(
        this, [this](QObject* receiver, QEvent* event) { return AppMessage(receiver, event); });
    qApp->installEventFilter(keyHook_);
}

// Rows 7 to 28 of the settings, in the order they are applied. A row that
// fails stops the rest: they keep their designed values.
void TForm1::applySettings() {
    setBackground(this, colorFromValue(ConfigFile.integer(7)));
    setBackground(RE1, colorFromValue(ConfigFile.integer(8)));
    setBackground(Input, colorFromValue(ConfigFile.integer(9)));
    setTextColour(Speak, colorFromValue(ConfigFile.integer(12)));
    setTextColour(Cancel, colorFromValue(ConfigFile.integer(13)));
    setTextColour(EnRus, colorFromValue(ConfigFile.integer(14)));
    pickers_.ColorDialog2 = colorFromValue(ConfigFile.integer(15));
    pickers_.ColorDialog3 = colorFromValue(ConfigFile.integer(16));
    setTextColour(Input, colorFromValue(ConfigFile.integer(17)));
    pickers_.FontDialog1.setFamily(toQt(ConfigFile.value(19)));
    applyFontStyle(pickers_.FontDialog1, ConfigFile.value(20));
    pickers_.FontDialog1.setPointSize(std::max(1, ConfigFile.integer(21)));
    pickers_.FontDialog2.setFamily(toQt(ConfigFile.value(23)));
    applyFontStyle(pickers_.FontDialog2, ConfigFile.value(24));
    pickers_.FontDialog2.setPointSize(std::max(1, ConfigFile.integer(25)));
    pickers_.FontDialog3.setFamily(toQt(ConfigFile.value(27)));
    applyFontStyle(pickers_.FontDialog3, ConfigFile.value(28));
}

} // namespace orlevan
