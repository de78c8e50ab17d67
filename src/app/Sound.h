#pragma once

#include <QObject>
#include <QSoundEffect>
#include <string_view>

namespace orlevan {

class Folder;

// One of the six sound players: opens its WAV file when the window is built
// and plays it on demand. A sound asked for while it is still playing goes
// on from where it is. With no audio device the program stays silent and
// works as usual. It belongs to its window and is named as the window names it.
class Sound : public QObject {
    Q_OBJECT

public:
    // Throws "Cannot open file <name>" when the file is missing or is not a
    // regular file (a FIFO would hold start-up for ever).
    Sound(const Folder& folder, std::string_view name, const char* objectName, QObject* owner);

    void play();
    int timesPlayed() const { return timesPlayed_; }

private:
    QSoundEffect effect_;
    int timesPlayed_ = 0;
};

} // namespace orlevan
