#pragma once
// A picker over a list: a filter field above the list narrows it while typing. Single
// choice (Enter or double click takes the current entry) or several entries checked.
#include <QDialog>
#include <QStringList>
#include <optional>

class QLineEdit;
class QListWidget;

class TAuswahlDialog : public QDialog {
    Q_OBJECT

public:
    // texts: what the user sees; keys: what is returned (same length).
    TAuswahlDialog(const QString& titel, const QStringList& texts, const QStringList& keys,
                   bool mehrfach, QWidget* parent = nullptr);

    // Marks the entries of these keys (several) or makes the first the current one (single).
    void Vorwahl(const QStringList& keys);
    // The chosen keys; nullopt when cancelled.
    std::optional<QStringList> Ausfuehren();
    QStringList Gewaehlt() const;

    QListWidget* Liste() const { return liste_; }
    QLineEdit* Filter() const { return filter_; }

private:
    void Filtern(const QString& text);

    bool mehrfach_;
    QLineEdit* filter_;
    QListWidget* liste_;
};
