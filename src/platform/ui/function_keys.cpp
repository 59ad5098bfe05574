#include "platform/ui/function_keys.h"

#include <QRegularExpression>

namespace kis::ui {

namespace {

// Maps a number 1..12 onto the Qt key code F1..F12.
int PlainFunctionKey(int n) { return Qt::Key_F1 + (n - 1); }

}  // namespace

QKeySequence KeyFromFunctionName(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^[Ff]([0-9]{1,2})$"));
    const auto m = re.match(name.trimmed());
    if (!m.hasMatch()) return {};
    const int n = m.captured(1).toInt();
    // 1..12 are the plain keys; 13..19 are Shift+F3..F9 and 10..12 are plain F10..F12,
    // so a two-digit name is read as modifier digit + key digit only from 13 on.
    if (n >= 1 && n <= 12) return QKeySequence(PlainFunctionKey(n));
    const int tens = n / 10;
    const int unit = n % 10;
    if (unit == 0) return {};  // "F20", "F30": no key 0
    Qt::KeyboardModifiers mod;
    switch (tens) {
        case 1: mod = Qt::ShiftModifier; break;
        case 2: mod = Qt::ControlModifier; break;
        case 3: mod = Qt::AltModifier; break;
        default: return {};
    }
    return QKeySequence(QKeyCombination(mod, Qt::Key(PlainFunctionKey(unit))));
}

QString FunctionNameFromKey(const QKeySequence& key) {
    if (key.count() != 1) return {};
    const QKeyCombination combo = key[0];
    const int code = combo.key();
    if (code < Qt::Key_F1 || code > Qt::Key_F12) return {};
    const int n = code - Qt::Key_F1 + 1;
    const Qt::KeyboardModifiers mods = combo.keyboardModifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) return QStringLiteral("F%1").arg(n);
    // Modified keys only exist for F1..F9: "F1" + "10" would read as F110.
    if (n > 9) return {};
    // Shift+F1 and Shift+F2 would read "F11" and "F12", which are the plain keys.
    if (mods == Qt::ShiftModifier) return n >= 3 ? QStringLiteral("F1%1").arg(n) : QString();
    if (mods == Qt::ControlModifier) return QStringLiteral("F2%1").arg(n);
    if (mods == Qt::AltModifier) return QStringLiteral("F3%1").arg(n);
    return {};
}

QKeySequence KeyFromCaption(const QString& caption) {
    static const QRegularExpression re(QStringLiteral("(?:^|[\\s-])(F[0-9]{1,2})\\s*$"));
    const auto m = re.match(caption);
    return m.hasMatch() ? KeyFromFunctionName(m.captured(1)) : QKeySequence();
}

}  // namespace kis::ui
