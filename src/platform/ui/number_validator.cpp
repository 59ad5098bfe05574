#include "platform/ui/number_validator.h"

#include <QLocale>
#include <QRegularExpression>

TORVNumberValidator::TORVNumberValidator(const Limits& limits, QObject* parent)
    : QValidator(parent), limits_(limits) {}

QValidator::State TORVNumberValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    if (input.isEmpty()) return Acceptable;  // a blank edit means "no limit"
    if (limits_.decimals > 0 && !input.contains(QLatin1Char(',')) && input.count(QLatin1Char('.')) == 1)
        input.replace(QLatin1Char('.'), QLatin1Char(','));
    if (input.size() > limits_.maxLength) return Invalid;

    static const QRegularExpression re(QStringLiteral("^(-?)([0-9]*)(?:(,)([0-9]*))?$"));
    const auto m = re.match(input);
    if (!m.hasMatch()) return Invalid;
    if (!m.captured(1).isEmpty() && !limits_.allowNegative) return Invalid;
    const bool hasComma = !m.captured(3).isEmpty();
    if (hasComma && limits_.decimals == 0) return Invalid;
    if (m.captured(2).size() > limits_.intDigits) return Invalid;
    if (m.captured(4).size() > limits_.decimals) return Invalid;
    if (m.captured(2).isEmpty() && m.captured(4).isEmpty()) return Intermediate;  // "-" or ","

    bool ok = false;
    const double value = QLocale::c().toDouble(QString(input).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok) return Intermediate;
    if (value > limits_.maximum || value < -limits_.maximum) return Invalid;
    return Acceptable;
}
