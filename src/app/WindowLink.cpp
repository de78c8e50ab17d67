#include "app/WindowLink.h"

#include "app/TForm1.h"
#include "platform/format/Cp1251.h"
#include "platform/system/Failure.h"
#include "widgets/QtText.h"
#include "widgets/SecondaryWindow.h"

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
