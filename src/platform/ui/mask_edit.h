#pragma once
// Edits of the selection masks. TCustomORVMaskEdit is a line edit with a field type and the
// limits it was created with; the limits hold for typing, pasting and for text set by code
// (masks, presets), so an edit never holds a value it could not have been typed with.
//
//  - TORVMaskEdit:    text after a suite mask such as "cccc;0" or "cc.cc.cccc;0" ('c' is one
//                     input position, other characters are literals; ";0" keeps literals out
//                     of the held text)
//  - TORVIntegerEdit: whole numbers with a digit count and a maximum
//  - TORVFloatEdit:   decimal numbers (German comma) with positions, decimals and a maximum
//  - TORVDateEdit:    a date held as eight digits ddmmyyyy, shown "dd.mm.yyyy", F2 = calendar
//
// F2 (context-menu entry "Eingabe&hilfe") runs the edit's input help: OnEingabehilfe when set,
// otherwise the edit's own (the calendar of the date edit).
#include <QLineEdit>
#include <functional>
#include <optional>

#include "platform/base/datetime.h"

class TORVNumberValidator;

class TCustomORVMaskEdit : public QLineEdit {
    Q_OBJECT
    // The held value as text; the form store and preset lines use it.
    Q_PROPERTY(QString Text READ Text WRITE SetText USER true)

public:
    enum class FieldType { Text, Integer, Float, Date };

    FieldType GetFieldType() const { return fieldType_; }

    // The held text: for a mask without literals (";0") only the entered characters.
    virtual QString Text() const;
    // Sets the held text if the edit's rules allow it; otherwise the edit is emptied and the
    // result is false. Never leaves a value the user could not have typed.
    virtual bool SetText(const QString& value);
    void Clear() { SetText(QString()); }
    bool IsEmpty() const { return Text().trimmed().isEmpty(); }

    // Value readers; the default for empty or unreadable text.
    double GetAsFloat(double def = 0.0) const;
    qint64 GetAsInteger(qint64 def = 0) const;
    // The date of eight digits ddmmyyyy; nullopt when the text is no valid date.
    std::optional<TDateTime> GetAsDate() const;

    // Input help (F2). A set hook replaces the edit's own help.
    std::function<void()> OnEingabehilfe;
    void SetHelpMenuText(const QString& text) { helpMenuText_ = text; }
    QString HelpMenuText() const { return helpMenuText_; }
    // Runs the input help when the edit is enabled and writable; false when there is none.
    bool RunEingabehilfe();

signals:
    void EingabehilfeRequested();

protected:
    TCustomORVMaskEdit(FieldType type, QWidget* parent);

    virtual bool HasOwnHelp() const { return false; }
    virtual void OwnHelp() {}

    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    FieldType fieldType_;
    QString helpMenuText_ = QStringLiteral("Eingabe&hilfe");
};

class TORVMaskEdit : public TCustomORVMaskEdit {
    Q_OBJECT

public:
    explicit TORVMaskEdit(QWidget* parent = nullptr);
    // mask: "" (free text), "cccc;0", "cc.cc.cccc;0"; digitsOnly limits 'c' to 0-9.
    TORVMaskEdit(const QString& mask, bool digitsOnly, QWidget* parent = nullptr);

    void SetEditMask(const QString& mask, bool digitsOnly);
    QString EditMask() const { return mask_; }

    QString Text() const override;
    bool SetText(const QString& value) override;

protected:
    TORVMaskEdit(FieldType type, const QString& mask, bool digitsOnly, QWidget* parent);

private:
    bool HasLiterals() const;
    bool AcceptsChar(QChar c) const;

    QString mask_;      // the suite mask as given
    QString pattern_;   // the part before ';'
    bool keepLiterals_ = false;
    bool digitsOnly_ = false;
};

class TORVIntegerEdit : public TCustomORVMaskEdit {
    Q_OBJECT

public:
    // digits: how many digits; maximum: largest value; maxLength: characters (0 = digits).
    explicit TORVIntegerEdit(int digits = 9, qint64 maximum = 999999999, int maxLength = 0,
                             QWidget* parent = nullptr);
    bool SetText(const QString& value) override;
    const TORVNumberValidator* Validator() const { return validator_; }

private:
    TORVNumberValidator* validator_;
};

class TORVFloatEdit : public TCustomORVMaskEdit {
    Q_OBJECT

public:
    // positions: characters including the comma; decimals: digits after it.
    explicit TORVFloatEdit(int positions = 12, int decimals = 2, double maximum = 999999999.99,
                           QWidget* parent = nullptr);
    bool SetText(const QString& value) override;
    void SetAllowNegative(bool on);
    const TORVNumberValidator* Validator() const { return validator_; }

private:
    void Rebuild(bool allowNegative);

    int positions_;
    int decimals_;
    double maximum_;
    TORVNumberValidator* validator_ = nullptr;
};

class TORVDateEdit : public TORVMaskEdit {
    Q_OBJECT

public:
    explicit TORVDateEdit(QWidget* parent = nullptr);

    // Opens the calendar at the edit's date (today when it holds none); on OK the edit takes
    // the chosen date. Focus returns to the edit. True when a date was taken.
    bool RunCalendar();

protected:
    bool HasOwnHelp() const override { return true; }
    void OwnHelp() override { RunCalendar(); }
};
