#include "app/Appearance.h"

#include "platform/format/SettingsTable.h"

#include <QApplication>
#include <QFontInfo>
#include <QPalette>
#include <QWidget>
#include <array>
#include <string>

namespace orlevan {
namespace {

// Windows system colour indices 0..24 and the palette roles that stand for them here.
constexpr std::array<QPalette::ColorRole, 25> kSystemColours = {
    QPalette::Window,
    QPalette::Window,
    QPalette::Highlight,
    QPalette::Mid,
    QPalette::Window,
    QPalette::Base,
    QPalette::Shadow,
    QPalette::WindowText,
    QPalette::Text,
    QPalette::HighlightedText,
    QPalette::Mid,
    QPalette::Midlight,
    QPalette::Dark,
    QPalette::Highlight,
    QPalette::HighlightedText,
    QPalette::Button,
    QPalette::Dark,
    QPalette::PlaceholderText,
    QPalette::ButtonText,
    QPalette::WindowText,
    QPalette::Light,
    QPalette::Shadow,
    QPalette::Midlight,
    QPalette::ToolTipText,
    QPalette::ToolTipBase,
};

} // namespace

QColor colorFromValue(int value) {
    const auto bits = static_cast<unsigned>(value);
    if ((bits >> 24) == 0xFF) {
        const unsigned index = bits & 0xFF;
        const auto role = index < kSystemColours.size() ? kSystemColours[index] : QPalette::Window;
        return QApplication::palette().color(role);
    }
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

void applyFontStyle(QFont& font, std::string_view text) {
    if (const auto style = fontStyleOf(text)) {
        font.setBold(style->bold);
        font.setItalic(style->italic);
    }
}

void prepareDesktopLook() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("DejaVu Sans Mono")});
    // No rounded font here has Cyrillic letters; a note in two fonts would look worse.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans"));

    // Popup menus are windows of their own, which a window's font does not
    // reach: without this they would drop from an 8-point menu bar in the
    // desktop's larger font. Every window of the program is drawn in this one.
    QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 8), "QMenu");

    QPalette palette = QApplication::palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    }
    QApplication::setPalette(palette);
}

QFont designFont(const QString& family, int pointSize) {
    QFont font(family);
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    return font;
}

QFont drawnFont(const QFont& font) {
    const QFontInfo face(font);
    QFont drawn(font);
    drawn.setFamily(face.family());
    drawn.setStyleName(face.styleName());
    return drawn;
}

} // namespace orlevan
