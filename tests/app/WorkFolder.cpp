#include "WorkFolder.h"

#include "app/PhraseEdit.h"
#include "platform/format/TextLines.h"

#include <QApplication>
#include <QKeyEvent>
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

TForm1& WindowSession::start(const WorkFolder& folder) {
    program.reset();
    program =
        std::make_unique<Program>(Folder(folder.path()), clock, random,
                                  [this](const QString&, const QString& text) { boxes << text; });
    TForm1& form = program->form1;
    form.show();
    form.T12Timer(); // the dialogue header, as at start
    return form;
}

void WindowSession::say(TForm1& form, const QString& phrase) {
    form.Input->setText(phrase);
    form.T1Timer();
    form.Speak->click();
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
