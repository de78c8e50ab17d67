#include "app/ErrorBox.h"
#include "app/Program.h"
#include "platform/system/Failure.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace {

const char* const kUsage = "usage: orlevan [--help | --version] [QT-OPTION...]\n";

const char* const kHelp =
    "\n"
    "Orlevan's window: a dialogue in Russian with a program that learns from what\n"
    "it is told. It works on the working folder it is started in; its menu entry\n"
    "starts it through its launcher in ${XDG_DATA_HOME:-~/.local/share}/orlevan,\n"
    "filled from the default working folder on the first run.\n"
    "\n"
    "  -h, --help     print this and exit\n"
    "  --version      print the program's version and exit\n"
    "\n"
    "Qt's own options (-platform NAME, -display DISPLAY, -style NAME, ...) are\n"
    "taken as well. See also orlevan(1) and orlevan-cli(1).\n";

// Printed to a pipe whose reader has gone, the text is lost: that is a failure.
int printed(std::FILE* stream) {
    return std::fflush(stream) == 0 && !std::ferror(stream) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // Past the file-size limit a write then fails with its error, which the
    // error box reports, instead of ending the program and its dialogue.
    std::signal(SIGXFSZ, SIG_IGN);
    // Answered before Qt starts, so they need no display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            std::fputs(kHelp, stdout);
            return printed(stdout);
        }
        if (argument == "--version") {
            std::fputs("orlevan " ORLEVAN_VERSION "\n", stdout);
            return printed(stdout);
        }
    }
    QApplication app(argc, argv);
    // Qt has taken its own options out of argv; whatever is left is not ours either.
    if (argc > 1) {
        const std::string_view argument = argv[1];
        if (argument.size() > 1 && argument[0] == '-') {
            std::fprintf(stderr, "orlevan: no option %s\n%s", argv[1], kUsage);
        } else {
            std::fprintf(stderr, "orlevan: no operand is taken, not \"%s\"\n%s", argv[1], kUsage);
        }
        return 2;
    }
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
