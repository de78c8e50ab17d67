#include "WorkFolder.h"

#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "platform/format/TextLines.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <filesystem>

namespace orlevan::test {

namespace fs = std::filesystem;

WorkFolder::WorkFolder() {
    const fs::path shipped(ORLEVAN_DATA);
    fs::copy(shipped / "Sound", path() / "Sound", fs::copy_options::recursive);
    fs::copy(shipped / "Images", path() / "Images", fs::copy_options::recursive);
    fs::copy(shipped / "Config.ini", path() / "Config.ini");
    fs::copy(shipped / "ReadMe.Txt", path() / "ReadMe.Txt");
    fs::create_directory(path() / "Base");
    for (const char* name :
         {"Povtor.Dat", "X.Dat", "BigString.Dat", "AI.dat", "Begin.dat", "Pause.Dat"}) {
        fs::copy(shipped / "Base" / name, path() / "Base" / name);
    }
    write("Base/W1.Dat", w("Ответ на вопрос.\r\nДругой ответ?\r\n"));
    write("Base/W2.Dat", w("Понимаю.\r\nРасскажи ещё.\r\n"));
    write("Base/Collection.Dat", "");
    write("Base/Log.Ludvar", "");
    // The intro holds the window for a second each time the event loop runs
    // it; a test that wants it switches it on.
    setConfigRow(3, "Intro=No");
    write("Base/Words.dat", w("Тестовая база\r\nКАК ДЕЛА?^Хорошо.;Нормально.;\r\nПРИВЕТ.^\r\n"
                              "ПОКА.^До встречи!;@\r\n"));
}

void WorkFolder::setConfigRow(int row, std::string_view line) const {
    auto rows = splitTextLines(read("Config.ini"));
    rows.at(static_cast<std::size_t>(row - 1)) = line;
    write("Config.ini", joinTextLines(rows));
}

namespace {

template <typename T> void find(const TForm1& form, T*& part, const QString& name) {
    part = form.findChild<T*>(name);
    if (!part) {
        qFatal("The main window has no %s named %s", T::staticMetaObject.className(),
               qPrintable(name));
    }
}

} // namespace

Parts::Parts(const TForm1& form) {
#define ORLEVAN_FIND(part) find(form, part, QStringLiteral(#part))
    ORLEVAN_FIND(TabControl1);
    ORLEVAN_FIND(TabControl2);
    ORLEVAN_FIND(RE1);
    ORLEVAN_FIND(Input);
    ORLEVAN_FIND(Cancel);
    ORLEVAN_FIND(EnRus);
    ORLEVAN_FIND(Speak);
    ORLEVAN_FIND(Talk);
    for (std::size_t panel = 0; panel < SB1.size(); ++panel) {
        find(form, SB1[panel], QStringLiteral("SB1[%1]").arg(panel));
    }
    ORLEVAN_FIND(N1);
    ORLEVAN_FIND(N2);
    ORLEVAN_FIND(N3);
    ORLEVAN_FIND(N4);
    ORLEVAN_FIND(N5);
    ORLEVAN_FIND(N6);
    ORLEVAN_FIND(N9);
    ORLEVAN_FIND(N11);
    ORLEVAN_FIND(N12);
    ORLEVAN_FIND(N13);
    ORLEVAN_FIND(N15);
    ORLEVAN_FIND(N16);
    ORLEVAN_FIND(N18);
    ORLEVAN_FIND(N19);
    ORLEVAN_FIND(N20);
    ORLEVAN_FIND(N21);
    ORLEVAN_FIND(N22);
    ORLEVAN_FIND(N23);
    ORLEVAN_FIND(N24);
    ORLEVAN_FIND(N25);
    ORLEVAN_FIND(N36);
    ORLEVAN_FIND(N38);
    ORLEVAN_FIND(N40);
    ORLEVAN_FIND(User1);
    ORLEVAN_FIND(Cpu1);
    ORLEVAN_FIND(Mystring2);
    ORLEVAN_FIND(User2);
    ORLEVAN_FIND(Cpu2);
    ORLEVAN_FIND(Mystring1);
    ORLEVAN_FIND(CpuUser1);
    ORLEVAN_FIND(Cpu31);
    ORLEVAN_FIND(T1);
    ORLEVAN_FIND(T2);
    ORLEVAN_FIND(T3);
    ORLEVAN_FIND(T4);
    ORLEVAN_FIND(T5);
    ORLEVAN_FIND(T6);
    ORLEVAN_FIND(T7);
    ORLEVAN_FIND(T8);
    ORLEVAN_FIND(T9);
    ORLEVAN_FIND(T10);
    ORLEVAN_FIND(T11);
    ORLEVAN_FIND(T12);
    ORLEVAN_FIND(MP1);
    ORLEVAN_FIND(MP2);
    ORLEVAN_FIND(MP3);
    ORLEVAN_FIND(MP4);
    ORLEVAN_FIND(MP5);
    ORLEVAN_FIND(MP6);
#undef ORLEVAN_FIND
}

void tick(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout");
}

TForm1& WindowSession::start(const WorkFolder& folder) {
    program.reset();
    program =
        std::make_unique<Program>(Folder(folder.path()), clock, random,
                                  [this](const QString&, const QString& text) { boxes << text; });
    TForm1& form = program->form1;
    ui = Parts(form);
    form.show();
    // The dialogue header, as at start, before any other start-up timer gets its tick.
    tick(ui.T12);
    return form;
}

void WindowSession::say(const QString& phrase) const {
    ui.Input->setText(phrase);
    tick(ui.T1);
    ui.Speak->click();
}

void typeText(QWidget* widget, const QString& text) {
    for (const char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace orlevan::test
