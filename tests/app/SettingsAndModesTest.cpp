#include "WorkFolder.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "platform/format/TextLines.h"
#include "windows/SpinEdit.h"
#include "windows/TForm2.h"
#include "windows/TForm3.h"

#include <QAction>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <deque>

using namespace orlevan;
using test::w;

namespace {

// Answers the pickers in the user's place: each queued answer once, then cancel.
struct ScriptedPickers : PickerDialogs {
    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<QFont>> fonts;
    int asked = 0;

    std::optional<QColor> pickColour(const QColor&) override { return next(colours); }
    std::optional<QFont> pickFont(const QFont&) override { return next(fonts); }

    template <typename T> std::optional<T> next(std::deque<std::optional<T>>& answers) {
        ++asked;
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Confirms the desktop's font dialog the moment it shows, as a user who
// changes nothing in it; how many times it did so.
int confirmUntouched(QAction* item) {
    int confirmed = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&confirmed] {
        if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
            ++confirmed;
            dialog->accept();
        }
    });
    poll.start();
    item->trigger();
    return confirmed;
}

// What a font looks like on the screen: the face really drawn, not the name asked for.
QString drawn(const QFont& font) {
    const QFontInfo info(font);
    return QStringLiteral("%1 %2pt%3%4")
        .arg(info.family())
        .arg(info.pointSize())
        .arg(info.bold() ? QStringLiteral(" bold") : QString())
        .arg(info.italic() ? QStringLiteral(" italic") : QString());
}

QFont font(const char* family, int size, bool bold, bool italic) {
    QFont font(QString::fromLatin1(family));
    font.setPointSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

// The settings file, the computer-to-computer mode with its dialog, the
// About window and the appearance items of the menu.
class SettingsAndModesTest : public QObject, test::WindowSession {
    Q_OBJECT

    void confirmDialog(const QString& path, int seconds) const {
        ui.N38->trigger();
        program->form2.Edit1->setText(path);
        program->form2.SpinEdit1->setValue(seconds);
        program->form2.Button1->click();
    }

private slots:
    void init() { boxes.clear(); }

    void confirmingWritesBackEveryRowAsReadWithThePathAndTheRepeatFlag() {
        test::WorkFolder folder;
        folder.setConfigRow(2, "Comment=two  blanks  and a = sign");
        const std::string before = folder.read("Config.ini");
        TForm1& form = start(folder);
        ui.N15->trigger();
        QCOMPARE(folder.read("Config.ini"), before); // nothing until the dialog is confirmed

        ui.N38->trigger();
        QCOMPARE(program->form2.Edit1->text(), QStringLiteral("D:\\Txt.Dat"));
        QVERIFY(!form.isEnabled() && !ui.T1->isActive() && program->form2.isVisible());
        confirmDialog(QStringLiteral("/tmp/общий.txt"), 5);
        auto rows = splitTextLines(before);
        rows[30] = w("Adres=/tmp/общий.txt");
        rows[32] = "Repeat=No";
        QCOMPARE(folder.read("Config.ini"), joinTextLines(rows));
        QCOMPARE(program->form2.SpinEdit1->value(), 5000);
        QVERIFY(form.isEnabled() && ui.T1->isActive() && !program->form2.isVisible());

        // Opening again shows the stored path and a fresh number.
        ui.N38->trigger();
        QCOMPARE(program->form2.Edit1->text(), QStringLiteral("/tmp/общий.txt"));
        QCOMPARE(program->form2.SpinEdit1->value(), 1);
        QVERIFY(boxes.isEmpty());
    }

    void cancelKeepsTheFieldsAndWritesNothingAndAnEmptyPathIsRefused() {
        test::WorkFolder folder;
        const std::string before = folder.read("Config.ini");
        TForm1& form = start(folder);
        ui.N38->trigger();
        program->form2.Edit1->setText(QStringLiteral("/tmp/partner.txt"));
        program->form2.SpinEdit1->setValue(7);
        QTest::keyClick(&program->form2, Qt::Key_Escape);
        QVERIFY(!program->form2.isVisible() && form.isEnabled() && ui.T1->isActive());
        QCOMPARE(program->form2.SpinEdit1->value(), 7);
        QCOMPARE(program->form2.Edit1->text(), QStringLiteral("/tmp/partner.txt"));

        ui.N38->trigger();
        program->form2.Edit1->clear();
        QTest::keyClick(program->form2.Edit1, Qt::Key_Return); // Enter confirms
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.front().startsWith(QStringLiteral("Путь файла")));
        QVERIFY(program->form2.isVisible() && !form.isEnabled());
        QCOMPARE(folder.read("Config.ini"), before);
    }

    void theDefaultsKeepTheirMarkOnlyWhenTheDialogsFieldsAlreadyHeldThem() {
        test::WorkFolder folder;
        start(folder);
        confirmDialog(QStringLiteral("D:\\Txt.Dat"), 5);
        QVERIFY(!ui.N13->isChecked());
        ui.N13->trigger();
        QVERIFY(!ui.N13->isChecked()); // 5000 became 1000
        ui.N13->trigger();
        QVERIFY(ui.N13->isChecked());
        QCOMPARE(program->form3.designHeight(), TForm3::kCollapsed);
        QVERIFY(ui.Input->font().bold());
        QCOMPARE(ui.RE1->palette().color(QPalette::Base), QColor(192, 192, 192));
    }

    void thePartnersPhraseIsReadByEnterOrAnsweredByTimer() {
        test::WorkFolder folder;
        folder.write("Shared.txt", w("как дела?\r\n"));
        TForm1& form = start(folder);
        program->form2.Edit1->setText(
            QString::fromStdString((folder.path() / "Shared.txt").string()));
        ui.Cpu31->trigger();
        QVERIFY(ui.T6->isActive() && !ui.T1->isActive());
        QCOMPARE(ui.SB1[2]->text(), QStringLiteral("Режим Cpu\\Cpu"));

        ui.Talk->setEnabled(false);
        test::tick(ui.T6); // by Enter: the phrase waits for the user
        QVERIFY(ui.Talk->isEnabled());
        QCOMPARE(ui.RE1->lineCount(), 1); // only the mode's service line

        program->form2.RB2->click();
        program->form2.SpinEdit1->setValue(0); // still being typed: the timer keeps a tick
        random.draws = {1, 0, 1};
        test::tick(ui.T6);
        QCOMPARE(ui.T6->interval(), kShortestTick);
        QVERIFY(!ui.Talk->isEnabled());
        QCOMPARE(ui.RE1->lineText(1), QStringLiteral("Как дела?"));
        PhraseList written;
        written.load(form.folder(), "Shared.txt");
        QCOMPARE(written.lines(), std::vector<std::string>{w("Хорошо.")});

        program->form2.SpinEdit1->setValue(5000);
        test::tick(ui.T6);
        QCOMPARE(ui.T6->interval(), 5000);

        folder.remove("Shared.txt");
        ui.T6->setInterval(1);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), 1, 5000);
        QTest::qWait(100);
        QCOMPARE(boxes.size(), 1); // reported once while the mode keeps trying
        QVERIFY(boxes.front().startsWith(QStringLiteral("Cannot open file ")));
        QVERIFY(ui.T6->isActive());

        ui.CpuUser1->trigger();
        QVERIFY(!ui.T6->isActive() && ui.T1->isActive());
        QCOMPARE(ui.RE1->lineText(ui.RE1->lineCount() - 2),
                 QStringLiteral("Сервис:   // Режим диалога Cpu\\User."));
    }

    // Whatever the partner's file holds, a turn handles it and the phrase
    // base stays whole: an empty phrase is no turn, an odd one is not learnt.
    void anyPartnerFileIsAnsweredWithoutHarmToThePhraseBase() {
        struct Case {
            std::string file;
            int linesAdded; // to the pane
            int keysLearnt;
        };
        const std::vector<Case> cases = {
            {w("ничего себе\r\nвторая строка\r\n"), 2, 1},
            {"{\\rtf1\\ansi\\ansicpg1251 \\'ef\\'f0\\'e8\\'e2\\'e5\\'f2\\par}", 2, 0},
            {"\r\n" + w("пустая первая строка"), 0, 0},
            {"{\\rtf1\\uc1 \\u20320?\\u22909?\\par}", 2, 1},
            {std::string("a\tb\0c", 5), 2, 0},
            {"", 0, 0},
        };
        for (const Case& c : cases) {
            test::WorkFolder folder;
            folder.write("Shared.txt", c.file);
            TForm1& form = start(folder);
            const auto keysBefore = [&] {
                PhraseList base;
                base.load(form.folder(), "Base\\Words.dat");
                return base.count();
            };
            // A reply of the program's stands, as after any turn of the user's.
            random.draws = {1, 0, 1};
            say(QStringLiteral("как дела?"));
            QCOMPARE(form.dialogue().state.LastReply, w("Хорошо."));
            const int before = keysBefore();
            program->form2.Edit1->setText(
                QString::fromStdString((folder.path() / "Shared.txt").string()));
            program->form2.RB2->click();
            ui.Cpu31->trigger();
            const int lines = ui.RE1->lineCount();
            test::tick(ui.T6);
            QCOMPARE(ui.RE1->lineCount() - lines, c.linesAdded);
            QCOMPARE(keysBefore() - before, c.keysLearnt);
            QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(u' ')));
        }
    }

    void theAboutWindowShowsItsHistoryOnRequest() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        QVERIFY(boxes.isEmpty()); // the picture was found
        ui.N12->trigger();
        QVERIFY(program->form3.isVisible() && !form.isEnabled() && !ui.T1->isActive());
        program->form3.Button1->click();
        QCOMPARE(program->form3.designHeight(), TForm3::kExpanded);
        QVERIFY(program->form3.Memo1->toPlainText().startsWith(QStringLiteral("ОРЛЕВАН")));
        program->form3.Button1->click();
        QCOMPARE(program->form3.designHeight(), TForm3::kCollapsed);

        folder.remove("ReadMe.Txt");
        program->form3.Button1->click();
        QCOMPARE(boxes, QStringList{QStringLiteral("Cannot open file ReadMe.Txt.")});
        QCOMPARE(program->form3.designHeight(), TForm3::kCollapsed);

        program->form3.setDesignHeight(200); // any other height only grows
        program->form3.Button1->click();
        program->form3.Button2->click();
        QVERIFY(!program->form3.isVisible() && form.isEnabled() && ui.T1->isActive());
        ui.N12->trigger();
        QCOMPARE(program->form3.designHeight(), TForm3::kCollapsed);
    }

    // OK on a font picker the user did not touch leaves the lines and the
    // input line drawn as they were, whatever style the settings give.
    void anUntouchedFontPickerChangesNothing() {
        for (const char* style : {"[]", "[fsBold]", "[fsItalic]", "[fsBold,fsItalic]"}) {
            test::WorkFolder folder;
            folder.setConfigRow(20, std::string("UserFontStyle=") + style);
            folder.setConfigRow(24, std::string("CpuFontStyle=") + style);
            folder.setConfigRow(28, std::string("InputFontStyle=") + style);
            TForm1& form = start(folder);
            struct Item {
                QAction* test::Parts::*item;
                QFont Pickers::*picker;
                bool inputLine;
            };
            for (const Item& item : {Item{&test::Parts::User2, &Pickers::FontDialog1, false},
                                     Item{&test::Parts::Cpu2, &Pickers::FontDialog2, false},
                                     Item{&test::Parts::Mystring1, &Pickers::FontDialog3, true}}) {
                const QString before = drawn(form.pickers().*item.picker);
                QCOMPARE(confirmUntouched(ui.*item.item), 1);
                QCOMPARE(drawn(form.pickers().*item.picker), before);
                QCOMPARE(drawn(item.inputLine ? ui.Input->font() : ui.RE1->insertionFont()),
                         before);
            }
        }
    }

    void colourAndFontItemsApplyWhatIsPickedAndTakeTheDefaultsMarkOff() {
        test::WorkFolder folder;
        TForm1& form = start(folder);
        auto* pickers = new ScriptedPickers;
        form.askPickersWith(std::unique_ptr<PickerDialogs>(pickers));
        // The captions of the enabled buttons; disabled, they are greyed whatever the colour.
        const auto caption = [](const QWidget* button) {
            return button->palette().color(QPalette::Active, QPalette::ButtonText);
        };
        const QColor speakBefore = caption(ui.Speak);

        // N9: the first showing cancelled, the other two confirmed.
        pickers->colours = {std::nullopt, QColor(Qt::red), QColor(Qt::blue)};
        ui.N9->trigger();
        QCOMPARE(pickers->asked, 3);
        QCOMPARE(caption(ui.Speak), speakBefore);
        QCOMPARE(caption(ui.Cancel), QColor(Qt::red));
        QCOMPARE(caption(ui.EnRus), QColor(Qt::blue));
        QVERIFY(!ui.N13->isChecked());

        ui.N13->trigger();
        ui.N13->trigger();
        ui.N6->trigger(); // cancelled: only the mark goes
        QVERIFY(!ui.N13->isChecked());

        // A confirmed line font gives the pane its name, size and style.
        pickers->fonts = {font("Liberation Serif", 12, true, false)};
        ui.User2->trigger();
        QCOMPARE(form.pickers().FontDialog1.pointSize(), 12);
        pickers->fonts = {font("Liberation Mono", 14, false, true)};
        ui.Cpu2->trigger();
        QCOMPARE(form.pickers().FontDialog2.pointSize(), 14);
        QCOMPARE(ui.RE1->insertionFont().family(), QStringLiteral("Liberation Mono"));
        QVERIFY(ui.RE1->insertionFont().italic());

        // A cancelled line font still gives the pane the picker's size and style.
        ui.User2->trigger();
        QCOMPARE(ui.RE1->insertionFont().pointSize(), 12);
        QVERIFY(ui.RE1->insertionFont().bold());
        QVERIFY(ui.RE1->insertionFont().family() != QStringLiteral("Liberation Serif"));

        // The input line's font keeps its size whatever is picked.
        pickers->fonts = {font("Liberation Serif", 20, false, true)};
        ui.Mystring1->trigger();
        QCOMPARE(ui.Input->font().family(), QStringLiteral("Liberation Serif"));
        QVERIFY(ui.Input->font().italic());
        QCOMPARE(ui.Input->font().pointSize(), 8);

        pickers->colours = {QColor(Qt::green)};
        ui.User1->trigger();
        QCOMPARE(form.pickers().ColorDialog2, QColor(Qt::green));
        random.draws = {1, 0, 1};
        say(QStringLiteral("как дела?"));
        const QTextBlock user = ui.RE1->document()->lastBlock().previous();
        QCOMPARE(user.begin().fragment().charFormat().foreground().color(), QColor(Qt::green));
    }
};

QTEST_MAIN(SettingsAndModesTest)
#include "SettingsAndModesTest.moc"
