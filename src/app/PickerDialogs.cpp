#include "app/PickerDialogs.h"

#include "app/Appearance.h"

#include <QColorDialog>
#include <QFontDialog>

namespace orlevan {

std::optional<QColor> QtPickerDialogs::pickColour(const QColor& current) {
    const QColor chosen = QColorDialog::getColor(current, parent_);
    return chosen.isValid() ? std::optional(chosen) : std::nullopt;
}

std::optional<QFont> QtPickerDialogs::pickFont(const QFont& current) {
    bool confirmed = false;
    const QFont chosen = QFontDialog::getFont(&confirmed, drawnFont(current), parent_);
    return confirmed ? std::optional(chosen) : std::nullopt;
}

} // namespace orlevan
