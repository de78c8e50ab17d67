#include "app/Sound.h"

#include "platform/system/Failure.h"
#include "platform/system/Folder.h"

#include <QFile>
#include <QUrl>

namespace orlevan {

Sound::Sound(const Folder& folder, std::string_view name, const char* objectName, QObject* owner)
    : QObject(owner) {
    setObjectName(objectName);
    const QString path = QString::fromStdString(folder.regularFile(name).string());
    if (!QFile(path).open(QIODevice::ReadOnly)) {
        throw Failure::cannotOpen(name);
    }
    effect_.setSource(QUrl::fromLocalFile(path));
}

void Sound::play() {
    ++timesPlayed_;
    if (!effect_.isPlaying()) {
        effect_.play();
    }
}

} // namespace orlevan
