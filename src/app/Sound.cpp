#include "Sound.h"

#include "Failure.h"
#include "Folder.h"

#include <QFile>
#include <QUrl>

namespace orlevan {

Sound::Sound(const Folder& folder, std::string_view name) {
    const auto path = folder.find(name);
    if (!path || !QFile(QString::fromStdString(path->string())).open(QIODevice::ReadOnly)) {
        throw Failure::cannotOpen(name);
    }
    effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(path->string())));
}

void Sound::play() {
    ++timesPlayed_;
    if (!effect_.isPlaying()) {
        effect_.play();
    }
}

} // namespace orlevan
