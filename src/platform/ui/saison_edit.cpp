#include "platform/ui/saison_edit.h"

#include <QRegularExpression>
#include <QValidator>

namespace {

// Upper-cases what is typed or pasted, like the suite's season fields.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

TORVSaisonEdit::TORVSaisonEdit(QWidget* parent) : TORVMaskEdit(parent) {
    setMaxLength(256);
    setValidator(new UpperCaseValidator(this));
    SetHelpMenuText(QStringLiteral("Saisonauswahl"));
}

bool TORVSaisonEdit::SetText(const QString& value) { return TORVMaskEdit::SetText(value.toUpper()); }

QStringList TORVSaisonEdit::Seasons() const {
    static const QRegularExpression sep(QStringLiteral("[,;\\s]+"));
    QStringList out;
    for (const QString& s : Text().split(sep, Qt::SkipEmptyParts))
        if (!out.contains(s)) out << s;
    return out;
}

void TORVSaisonEdit::SetSeasons(const QStringList& seasons) { SetText(seasons.join(QLatin1Char(','))); }

bool TORVSaisonEdit::DoSaisonAuswahl() {
    if (!isEnabled() || isReadOnly() || !OnSaisonAuswahl) return false;
    const auto chosen = OnSaisonAuswahl(Seasons());
    setFocus();
    if (!chosen) return false;
    const QString joined = chosen->join(QLatin1Char(','));
    if (joined.size() > maxLength()) return false;  // keep the old text rather than lose it
    return SetText(joined);
}
