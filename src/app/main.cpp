#include "app/ErrorBox.h"
#include "app/Program.h"
#include "platform/system/Failure.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <clocale>
#include <csignal>
#include <filesystem>

int main(int argc, char* argv[]) {
    // Past the file-size limit a write then fails with its error, which the
    // error box reports, instead of ending the program and its dialogue.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orlevan"));
    // Times and dates in the log follow the user's own formats.
    std::setlocale(LC_TIME, "");
    // The program talks Russian, so the desktop's own dialogs (the colour and
    // font pickers, the error box's button) do too, where the translation is installed.
    QTranslator russian;
    if (russian.load(QStringLiteral("qtbase_ru"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&russian);
    }

    orlevan::SystemClock clock;
    orlevan::SystemRandom random;
    try {
        orlevan::Program program(orlevan::Folder(std::filesystem::current_path()), clock, random);
        program.form1.show();
        return QApplication::exec();
    } catch (const orlevan::Failure& failure) {
        // Only building the main window fails this way: a sound file is missing.
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              orlevan::ErrorBox::textOf(failure.what()));
        return 1;
    }
}
