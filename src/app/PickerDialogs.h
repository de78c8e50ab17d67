#pragma once

#include <QColor>
#include <QFont>
#include <optional>

class QWidget;

namespace orlevan {

// How the colour and font pickers ask the user. The window asks through this
// seam, so a test can answer in the user's place.
class PickerDialogs {
public:
    virtual ~PickerDialogs() = default;
    // The colour chosen, or nothing when the picker was cancelled.
    virtual std::optional<QColor> pickColour(const QColor& current) = 0;
    // The font chosen, or nothing when the picker was cancelled.
    virtual std::optional<QFont> pickFont(const QFont& current) = 0;
};

// The desktop's own colour and font dialogs.
class QtPickerDialogs final : public PickerDialogs {
public:
    explicit QtPickerDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<QColor> pickColour(const QColor& current) override;
    std::optional<QFont> pickFont(const QFont& current) override;

private:
    QWidget* parent_;
};

} // namespace orlevan
