#pragma once

#include <functional>

class QString;
class QWidget;

namespace orlevan {

// What a secondary window asks of the main window, which it does not know:
// its handlers run under the main window's error box, and closing it gives
// the input back to the main window.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;
    virtual void runHandler(const std::function<void()>& handler) = 0;
    virtual void closeSecondary(QWidget* secondary) = 0;
};

// What the external-file dialog changes in the main window.
class ExternalFileOwner : public MainWindowLink {
public:
    // Keeps the partner's file under "Adres" and saves the settings file.
    virtual void storePath(const QString& path) = 0;
    // A field changed: the designed settings are no longer all in force.
    virtual void leaveDefaults() = 0;
};

} // namespace orlevan
