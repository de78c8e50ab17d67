#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("-=ОРЛЕВАН=-   Разработчик: Лудвар.   [v2.476]"));
    window.setFixedSize(587, 361);
    window.show();
    return QApplication::exec();
}
