// One copy of the program in the computer-to-computer mode, driven the way a
// user would set it up: the partner's file in "Редактор", reading by timer,
// "C&pu\Cpu" chosen; after `turns` turns it leaves by "В&ыход".
//   partner_copy FOLDER SHARED_FILE INTERVAL_MS TURNS

#include "app/Program.h"
#include "platform/system/Clock.h"
#include "platform/system/Random.h"
#include "windows/SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fputs("usage: partner_copy FOLDER SHARED_FILE INTERVAL_MS TURNS\n", stderr);
        return 2;
    }
    const int interval = std::atoi(argv[3]);
    const int turns = std::atoi(argv[4]);
    orlevan::SystemClock clock;
    orlevan::SystemRandom random;
    bool failed = false;
    orlevan::Program program(orlevan::Folder(std::filesystem::path(argv[1])), clock, random,
                             [&](const QString&, const QString& text) {
                                 std::fprintf(stderr, "%s\n", text.toUtf8().constData());
                                 failed = true;
                             });
    orlevan::TForm1& form = program.form1;
    form.show();
    program.form2.Edit1->setText(QString::fromLocal8Bit(argv[2]));
    program.form2.RB2->click();
    program.form2.SpinEdit1->setValue(interval);
    form.findChild<QAction*>("Cpu31")->trigger();

    const auto turnsMade = [&] {
        int made = 0;
        const orlevan::PhraseList& record = form.dialogue().Log;
        for (int line = 0; line < record.count(); ++line) {
            made += record.line(line).find("USER:") != std::string_view::npos;
        }
        return made;
    };
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (turnsMade() >= turns) {
            watch.stop();
            form.findChild<QAction*>("N4")->trigger();
        }
    });
    watch.start(20);
    QTimer::singleShot(60'000, [&] {
        std::fputs("partner_copy: the conversation did not get far enough\n", stderr);
        QApplication::exit(1);
    });
    const int status = QApplication::exec();
    return failed ? 1 : status;
}
