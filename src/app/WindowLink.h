#pragma once

#include "windows/MainWindowLink.h"

namespace orlevan {

class TForm1;

// How the dialogs reach the main window without knowing it.
class WindowLink final : public ExternalFileOwner {
public:
    explicit WindowLink(TForm1& form) : form_(form) {}

    void runHandler(const std::function<void()>& handler) override;
    void closeSecondary(QWidget* secondary) override;
    // An empty path is refused: the mode would have no file to read.
    void storePath(const QString& path) override;
    void leaveDefaults() override;

private:
    TForm1& form_;
};

} // namespace orlevan
