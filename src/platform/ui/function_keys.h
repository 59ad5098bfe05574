#pragma once
// Function-key names in the suite's manner: "F1".."F12" are the plain keys, F1x is Shift+Fx,
// F2x is Ctrl+Fx and F3x is Alt+Fx (F19 = Shift+F9, F25 = Ctrl+F5, F39 = Alt+F9).
// Captions such as "Buchen - F5" carry the key name at their end.
#include <QKeySequence>
#include <QString>

namespace kis::ui {

// "F25" -> Ctrl+F5; an empty sequence for anything that is not such a key name.
QKeySequence KeyFromFunctionName(const QString& name);

// Ctrl+F5 -> "F25"; empty for keys the naming cannot express (Ctrl+Shift+F5, Shift+F1, F13).
QString FunctionNameFromKey(const QKeySequence& key);

// The key named at the end of a caption: "Buchen - F5" -> F5, "Details aus - F6" -> F6;
// empty when the caption names no function key.
QKeySequence KeyFromCaption(const QString& caption);

}  // namespace kis::ui
