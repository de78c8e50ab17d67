#pragma once

#include <QString>

namespace orlevan {

// Status panel 0, which completion shares with the knowledge-base count.
namespace panel {
inline const QString None = QStringLiteral("[NONE]");
inline const QString Counted = QStringLiteral("Загрузка окончена");

// Whether the panel offers a word to complete with, so F5 (N23) is on:
// any text but none, "[NONE]" and "Загрузка окончена", compared exactly.
inline bool offersCompletion(const QString& text) {
    return !text.isEmpty() && text != None && text != Counted;
}
} // namespace panel

} // namespace orlevan
