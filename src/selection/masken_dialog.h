#pragma once
// The mask dialog of the selection windows: lists the stored mask names of the window's
// mask slot; for saving a new name can be typed, loading and deleting pick a stored one.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

class TMaskenDialog : public QDialog {
    Q_OBJECT

public:
    enum class Art { Laden, Speichern, Loeschen };

    TMaskenDialog(Art art, const QStringList& namen, QWidget* parent = nullptr);

    // The chosen name (trimmed); empty when cancelled.
    static QString Waehlen(Art art, const QStringList& namen, QWidget* parent);
    QString Name() const;

    static QString Titel(Art art);

private:
    Art art_;
    QListWidget* liste_;
    QLineEdit* name_;
};
