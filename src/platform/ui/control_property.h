#pragma once
// Reads and writes the stored properties of a control as text, by the property names the
// masks use: Visible, Enabled, Checked, Negated, Up (booleans as "1"/"0"), Text, Caption,
// Items (lines joined by "\n") and ItemIndex (a number). A Qt property of exactly that name
// on the object wins (the kit's own controls declare them); otherwise the usual Qt widgets
// are mapped (QLineEdit text, QAbstractButton checked, QComboBox items ...).
#include <QString>
#include <optional>

class QObject;

namespace kis::ui {

std::optional<QString> ReadControlProperty(const QObject* object, const QString& property);
// False when the object has no such property or the value does not fit it; then the control
// is left as it was (or, for the kit's edits, emptied when the text breaks their rules).
bool WriteControlProperty(QObject* object, const QString& property, const QString& value);

// "1"/"0" for the stored text of a boolean; nullopt for text that is no boolean.
std::optional<bool> ParseStoredBool(const QString& text);

}  // namespace kis::ui
