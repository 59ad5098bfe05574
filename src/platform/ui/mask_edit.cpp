#include "platform/ui/mask_edit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpressionValidator>

#include "platform/ui/calendar_dialog.h"
#include "platform/ui/german_format.h"
#include "platform/ui/number_validator.h"

namespace {

constexpr QChar kBlank = QLatin1Char('_');

// Characters with a meaning in Qt input masks; literals of a suite mask are escaped.
bool IsQtMaskMeta(QChar c) {
    static const QString meta = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{};");
    return meta.contains(c);
}

// Runs a validator over a copy of the text, as typing it would; only acceptable text passes.
bool Passes(const QValidator* validator, const QString& value) {
    if (!validator) return true;
    QString copy = value;
    int pos = int(copy.size());
    return validator->validate(copy, pos) == QValidator::Acceptable;
}

}  // namespace

// --- TCustomORVMaskEdit ---------------------------------------------------------------------

TCustomORVMaskEdit::TCustomORVMaskEdit(FieldType type, QWidget* parent)
    : QLineEdit(parent), fieldType_(type) {}

QString TCustomORVMaskEdit::Text() const { return QLineEdit::text(); }

bool TCustomORVMaskEdit::SetText(const QString& value) {
    if (value.size() > maxLength() || !Passes(validator(), value)) {
        QLineEdit::clear();
        return false;
    }
    QLineEdit::setText(value);
    return true;
}

double TCustomORVMaskEdit::GetAsFloat(double def) const {
    return kis::ui::ParseGermanNumber(Text()).value_or(def);
}

qint64 TCustomORVMaskEdit::GetAsInteger(qint64 def) const {
    bool ok = false;
    const qint64 v = Text().trimmed().toLongLong(&ok);
    return ok ? v : def;
}

std::optional<TDateTime> TCustomORVMaskEdit::GetAsDate() const {
    const QDate d = kis::ui::DateFromDigits(Text().trimmed());
    if (!d.isValid()) return std::nullopt;
    return kis::ui::FromQDate(d);
}

bool TCustomORVMaskEdit::RunEingabehilfe() {
    if (!isEnabled() || isReadOnly()) return false;
    emit EingabehilfeRequested();
    if (OnEingabehilfe) {
        OnEingabehilfe();
        return true;
    }
    if (HasOwnHelp()) {
        OwnHelp();
        return true;
    }
    return false;
}

void TCustomORVMaskEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        RunEingabehilfe();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TCustomORVMaskEdit::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (OnEingabehilfe || HasOwnHelp()) {
        menu->addSeparator();
        QAction* help = menu->addAction(helpMenuText_, this, [this] { RunEingabehilfe(); });
        help->setShortcut(QKeySequence(Qt::Key_F2));
        help->setEnabled(isEnabled() && !isReadOnly());
    }
    menu->exec(event->globalPos());
}

// --- TORVMaskEdit ---------------------------------------------------------------------------

TORVMaskEdit::TORVMaskEdit(QWidget* parent) : TORVMaskEdit(FieldType::Text, QString(), false, parent) {}

TORVMaskEdit::TORVMaskEdit(const QString& mask, bool digitsOnly, QWidget* parent)
    : TORVMaskEdit(FieldType::Text, mask, digitsOnly, parent) {}

TORVMaskEdit::TORVMaskEdit(FieldType type, const QString& mask, bool digitsOnly, QWidget* parent)
    : TCustomORVMaskEdit(type, parent) {
    SetEditMask(mask, digitsOnly);
}

void TORVMaskEdit::SetEditMask(const QString& mask, bool digitsOnly) {
    mask_ = mask;
    const qsizetype semi = mask.indexOf(QLatin1Char(';'));
    pattern_ = semi < 0 ? mask : mask.left(semi);
    keepLiterals_ = semi >= 0 && mask.mid(semi + 1).startsWith(QLatin1Char('1'));
    digitsOnly_ = digitsOnly;

    setInputMask(QString());
    setValidator(nullptr);
    if (pattern_.isEmpty()) {
        if (digitsOnly_)
            setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
        return;
    }
    if (HasLiterals()) {
        QString qtMask;
        for (const QChar c : pattern_) {
            if (c == QLatin1Char('c')) {
                qtMask += digitsOnly_ ? QLatin1Char('0') : QLatin1Char('x');
            } else {
                if (IsQtMaskMeta(c)) qtMask += QLatin1Char('\\');
                qtMask += c;
            }
        }
        setInputMask(qtMask + QLatin1Char(';') + kBlank);
        return;
    }
    setMaxLength(int(pattern_.size()));
    const QString re = digitsOnly_ ? QStringLiteral("[0-9]{0,%1}").arg(pattern_.size())
                                   : QStringLiteral(".{0,%1}").arg(pattern_.size());
    setValidator(new QRegularExpressionValidator(QRegularExpression(re), this));
}

bool TORVMaskEdit::HasLiterals() const {
    for (const QChar c : pattern_)
        if (c != QLatin1Char('c')) return true;
    return false;
}

bool TORVMaskEdit::AcceptsChar(QChar c) const {
    if (digitsOnly_) return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    return c != kBlank && !c.isSpace();
}

QString TORVMaskEdit::Text() const {
    if (pattern_.isEmpty() || !HasLiterals() || keepLiterals_) return QLineEdit::text();
    const QString shown = displayText();
    QString held;
    for (qsizetype i = 0; i < pattern_.size() && i < shown.size(); ++i)
        if (pattern_[i] == QLatin1Char('c') && shown[i] != kBlank) held += shown[i];
    return held;
}

bool TORVMaskEdit::SetText(const QString& value) {
    if (pattern_.isEmpty() || !HasLiterals()) return TCustomORVMaskEdit::SetText(value);
    if (value.isEmpty()) {
        QLineEdit::clear();
        return true;
    }
    // Accept the value with its literals ("12.03.2024") or the input characters alone
    // ("12032024"); place the characters into the input positions ourselves so that a partial
    // value keeps its positions.
    QString chars;
    if (value.size() == pattern_.size()) {
        bool literalsMatch = true;
        for (qsizetype i = 0; i < pattern_.size(); ++i) {
            if (pattern_[i] == QLatin1Char('c')) chars += value[i];
            else if (value[i] != pattern_[i]) literalsMatch = false;
        }
        if (!literalsMatch) chars = value;
    } else {
        chars = value;
    }
    const qsizetype positions = pattern_.count(QLatin1Char('c'));
    bool ok = chars.size() <= positions;
    for (const QChar c : chars) ok = ok && (AcceptsChar(c) || (c == kBlank && !digitsOnly_));
    if (!ok) {
        QLineEdit::clear();
        return false;
    }
    QString shown;
    qsizetype next = 0;
    for (const QChar p : pattern_) {
        if (p == QLatin1Char('c')) shown += next < chars.size() ? chars[next++] : QChar(QLatin1Char(' '));
        else shown += p;
    }
    QLineEdit::setText(shown);
    return true;
}

// --- TORVIntegerEdit / TORVFloatEdit --------------------------------------------------------

TORVIntegerEdit::TORVIntegerEdit(int digits, qint64 maximum, int maxLength, QWidget* parent)
    : TCustomORVMaskEdit(FieldType::Integer, parent) {
    TORVNumberValidator::Limits l;
    l.intDigits = digits;
    l.decimals = 0;
    l.maximum = double(maximum);
    l.maxLength = maxLength > 0 ? maxLength : digits;
    validator_ = new TORVNumberValidator(l, this);
    setValidator(validator_);
    setMaxLength(l.maxLength);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool TORVIntegerEdit::SetText(const QString& value) {
    return TCustomORVMaskEdit::SetText(value.trimmed());
}

TORVFloatEdit::TORVFloatEdit(int positions, int decimals, double maximum, QWidget* parent)
    : TCustomORVMaskEdit(FieldType::Float, parent), positions_(positions), decimals_(decimals),
      maximum_(maximum) {
    Rebuild(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TORVFloatEdit::SetAllowNegative(bool on) { Rebuild(on); }

void TORVFloatEdit::Rebuild(bool allowNegative) {
    TORVNumberValidator::Limits l;
    l.maxLength = positions_;
    l.decimals = decimals_;
    // Room for the digits before the comma: all positions less the comma and the decimals.
    l.intDigits = decimals_ > 0 ? positions_ - decimals_ - 1 : positions_;
    l.maximum = maximum_;
    l.allowNegative = allowNegative;
    auto* old = validator_;
    validator_ = new TORVNumberValidator(l, this);
    setValidator(validator_);
    delete old;
    setMaxLength(positions_);
}

bool TORVFloatEdit::SetText(const QString& value) {
    // Stored text may carry a decimal point (presets written by other tools); the validator
    // turns it into the comma.
    QString v = value.trimmed();
    int pos = int(v.size());
    if (!v.isEmpty() && validator_->validate(v, pos) != QValidator::Acceptable) {
        QLineEdit::clear();
        return false;
    }
    QLineEdit::setText(v);
    return true;
}

// --- TORVDateEdit ---------------------------------------------------------------------------

TORVDateEdit::TORVDateEdit(QWidget* parent)
    : TORVMaskEdit(FieldType::Date, QStringLiteral("cc.cc.cccc;0"), true, parent) {}

bool TORVDateEdit::RunCalendar() {
    QDate start = kis::ui::DateFromDigits(Text());
    if (!start.isValid()) start = QDate::currentDate();
    TCalendarDialog dlg(this);
    const bool taken = dlg.Execute(start);
    if (taken) SetText(kis::ui::DateToDigits(start));
    setFocus();
    return taken;
}
