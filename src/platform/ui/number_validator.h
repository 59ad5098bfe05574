#pragma once
// Validator behind the numeric edits: refuses, while the user types, any text that breaks the
// limits the edit was created with (integer digits, decimals, maximum, length, sign). Decimal
// text uses the German comma; a typed point becomes a comma.
#include <QValidator>

class TORVNumberValidator : public QValidator {
    Q_OBJECT

public:
    struct Limits {
        int maxLength = 12;          // characters in the edit, sign and comma included
        int intDigits = 9;           // digits before the comma
        int decimals = 2;            // digits after the comma; 0 = integer edit
        double maximum = 999999999.99;
        bool allowNegative = false;  // then -maximum is the minimum
    };

    explicit TORVNumberValidator(const Limits& limits, QObject* parent = nullptr);

    const Limits& GetLimits() const { return limits_; }

    State validate(QString& input, int& pos) const override;

private:
    Limits limits_;
};
