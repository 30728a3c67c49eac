#pragma once

#include <QString>

#include <functional>

class QLineEdit;

namespace kalvo {

// Whether a program's reading rule reads the whole text as a number.
using ReadsCompletely = std::function<bool(const QString&)>;

// QString::toDouble reads the whole text: the strict rule of kalvo-xy.
bool readsAsDouble(const QString& text);
// The calculator windows read with QString::toDouble and ignore its success flag: a
// text that is no number reads as 0, a number too large for a double as infinity.
// True unless the text reads as 0 because it is no number.
bool readsAsDoubleOrInfinity(const QString& text);

// Marks edit with an error tint of its palette's base colour (derived again when the
// palette changes) and a tooltip while its text is not empty and not read completely
// by reads; the mark follows the text live.
void markUnreadableInput(QLineEdit* edit, ReadsCompletely reads,
                         const QString& tooltip = QStringLiteral("Not a number: this field is read as 0"));
// Applies the rule of markUnreadableInput again, for rules that depend on more than the
// text (a field that holds a formula in one topology and a number in another).
void recheckUnreadableInput(QLineEdit* edit);

// Whether edit carries the mark now.
bool isMarkedUnreadable(const QLineEdit* edit);

} // namespace kalvo
