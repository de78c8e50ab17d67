#pragma once

#include "widgets/WidgetLook.h"

#include <QColor>
#include <QFont>
#include <string_view>

class QWidget;

namespace orlevan {

// A colour as the settings file and the menus store it: 0x00BBGGRR with red
// in the lowest byte; a value with the high byte 0xFF names a system colour,
// taken from the application's palette.
QColor colorFromValue(int value);

// Sets the style of `font` from one of "[]", "[fsItalic]", "[fsBold]",
// "[fsBold,fsItalic]", compared ignoring case but not blanks; any other text
// leaves the font as it was.
void applyFontStyle(QFont& font, std::string_view text);

// What every window of the program looks like on this desktop. The settings
// name the fonts of another desktop ("MS Sans Serif"); here they are drawn
// with the nearest fonts of the same width, where installed, so that captions
// and counts fit the places designed for them. Text of a disabled window stays
// readable grey on the silver it stands on.
void prepareDesktopLook();

// A font the way the program's settings name it; point size as given.
QFont designFont(const QString& family, int pointSize);

// `font` named by the face it is really drawn with here: the substitute family
// and that face's own style name, at the same size. A picker opened on the
// design name ("MS Sans Serif") finds no such family and falls back to some
// other face and style, which OK would then make the new font.
QFont drawnFont(const QFont& font);

// The colour and font pickers: each holds the value last chosen in it.
struct Pickers {
    QColor ColorDialog1{Qt::black}; // backgrounds, button captions, the input font
    QColor ColorDialog2{Qt::black}; // the user's lines
    QColor ColorDialog3{Qt::black}; // the program's lines
    QFont FontDialog1;              // the user's lines
    QFont FontDialog2;              // the program's lines
    QFont FontDialog3;              // offered for the input line
};

} // namespace orlevan
