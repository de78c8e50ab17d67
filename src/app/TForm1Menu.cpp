#include "app/TForm1.h"

#include <QMenuBar>

namespace orlevan {

QAction* TForm1::item(QMenu* menu, const char* name, const QString& caption) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setCursor(Qt::ArrowCursor);

    QMenu* system = bar->addMenu(QStringLiteral("&Система"));
    N1 = system->menuAction();
    N1->setObjectName("N1");
    N2 = item(system, "N2", QStringLiteral("&Новый диалог"));
    // A "-" item draws as a separator yet keeps its shortcut: a hidden command.
    system->addSeparator();
    N23 = new QAction(QStringLiteral("-"), this);
    N23->setObjectName("N23");
    N23->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(N23);
    QMenu* about = system->addMenu(QStringLiteral("&Подробнее о базе:"));
    N17 = about->menuAction();
    N17->setObjectName("N17");
    N18 = item(about, "N18", QStringLiteral("&Входящие выражения:"));
    N19 = item(about, "N19", QStringLiteral("&Исходящие выражения:"));
    N20 = item(about, "N20", QStringLiteral("&Итого:"));
    system->addSeparator();
    N3 = new QAction(QStringLiteral("-"), this);
    N3->setObjectName("N3");
    N3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addAction(N3);
    N4 = item(system, "N4", QStringLiteral("В&ыход"));

    QMenu* settings = bar->addMenu(QStringLiteral("&Настройки"));
    N5 = settings->menuAction();
    N5->setObjectName("N5");
    N6 = item(settings, "N6", QStringLiteral("&Цвет основного фона "));
    N21 = item(settings, "N21", QStringLiteral("Ц&вет фона поля вывода реплик"));
    N16 = item(settings, "N16", QStringLiteral("Цв&ет фона поля ввода реплик"));
    N9 = item(settings, "N9", QStringLiteral("Цве&т шрифтов кнопок на панели"));
    QMenu* lineColours = settings->addMenu(QStringLiteral("Цвет &реплик"));
    N7 = lineColours->menuAction();
    N7->setObjectName("N7");
    User1 = item(lineColours, "User1", QStringLiteral("&User"));
    Cpu1 = item(lineColours, "Cpu1", QStringLiteral("&Cpu"));
    Mystring2 = item(lineColours, "Mystring2", QStringLiteral("&My string"));
    QMenu* fonts = settings->addMenu(QStringLiteral("&Параметры шрифта"));
    N10 = fonts->menuAction();
    N10->setObjectName("N10");
    User2 = item(fonts, "User2", QStringLiteral("&User"));
    Cpu2 = item(fonts, "Cpu2", QStringLiteral("&Cpu"));
    Mystring1 = item(fonts, "Mystring1", QStringLiteral("&My string"));
    N8 = settings->addSeparator();
    N8->setObjectName("N8");
    N13 = item(settings, "N13", QStringLiteral("Вернуть первоначальные настройки"));
    N13->setCheckable(true);
    N13->setChecked(true);

    QMenu* service = bar->addMenu(QStringLiteral("Сервис"));
    N25 = service->menuAction();
    N25->setObjectName("N25");
    N22 = item(service, "N22", QStringLiteral("&Вызвать виртуальную клавиатуру"));
    N15 = item(service, "N15", QStringLiteral("Разрешить программе повторяться"));
    N15->setCheckable(true);
    N15->setChecked(true);
    N24 = item(service, "N24", QStringLiteral("Speed Word"));
    N24->setCheckable(true);
    N40 = item(service, "N40", QStringLiteral("&Full Screen"));
    N40->setCheckable(true);
    N14 = service->addSeparator();
    N14->setObjectName("N14");
    QMenu* mode = service->addMenu(QStringLiteral("&Режим"));
    N37 = mode->menuAction();
    N37->setObjectName("N37");
    CpuUser1 = item(mode, "CpuUser1", QStringLiteral("&Cpu\\User"));
    CpuUser1->setCheckable(true);
    CpuUser1->setChecked(true);
    Cpu31 = item(mode, "Cpu31", QStringLiteral("C&pu\\Cpu"));
    Cpu31->setCheckable(true);
    N38 = item(service, "N38", QStringLiteral("Ре&дактор"));

    QMenu* help = bar->addMenu(QStringLiteral("С&правка"));
    N11 = help->menuAction();
    N11->setObjectName("N11");
    N12 = item(help, "N12", QStringLiteral("&О программе..."));
}

} // namespace orlevan
