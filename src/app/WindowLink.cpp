#include "WindowLink.h"

#include "Cp1251.h"
#include "Failure.h"
#include "QtText.h"
#include "TForm1.h"

namespace orlevan {

void WindowLink::runHandler(const std::function<void()>& handler) {
    form_.runGuarded(handler);
}

void WindowLink::closeSecondary(QWidget* secondary) {
    form_.closeSecondary(secondary);
}

void WindowLink::storePath(const QString& path) {
    const std::string spelled = fromQt(path);
    if (spelled.empty()) {
        throw Failure(cp1251::fromUtf8(
            "Путь файла для внешнего ввода-вывода пуст: укажите файл или нажмите «Отмена»"));
    }
    form_.keepPartnerFile(spelled);
}

void WindowLink::leaveDefaults() {
    form_.leaveDefaults();
}

} // namespace orlevan
