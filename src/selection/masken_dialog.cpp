#include "selection/masken_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QString TMaskenDialog::Titel(Art art) {
    switch (art) {
        case Art::Laden:
            return QStringLiteral("Maske laden");
        case Art::Speichern:
            return QStringLiteral("Maske speichern");
        case Art::Loeschen:
            return QStringLiteral("Maske löschen");
    }
    return {};
}

TMaskenDialog::TMaskenDialog(Art art, const QStringList& namen, QWidget* parent)
    : QDialog(parent), art_(art) {
    setObjectName(QStringLiteral("MaskenDialog"));
    setWindowTitle(Titel(art));
    auto* l = new QVBoxLayout(this);
    auto* listeLabel = new QLabel(QStringLiteral("Gespeicherte &Masken:"), this);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("lstMasken"));
    liste_->addItems(namen);
    listeLabel->setBuddy(liste_);
    auto* nameLabel = new QLabel(QStringLiteral("Masken&name:"), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("edtMaskenName"));
    name_->setMaxLength(60);
    name_->setReadOnly(art != Art::Speichern);
    nameLabel->setBuddy(name_);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    l->addWidget(listeLabel);
    l->addWidget(liste_);
    l->addWidget(nameLabel);
    l->addWidget(name_);
    l->addWidget(knoepfe);
    connect(liste_, &QListWidget::currentTextChanged, name_, &QLineEdit::setText);
    connect(liste_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (art == Art::Speichern)
        name_->setFocus();
    else if (liste_->count())
        liste_->setCurrentRow(0);
    resize(360, 320);
}

QString TMaskenDialog::Name() const {
    return name_->text().trimmed();
}

QString TMaskenDialog::Waehlen(Art art, const QStringList& namen, QWidget* parent) {
    TMaskenDialog d(art, namen, parent);
    return d.exec() == QDialog::Accepted ? d.Name() : QString();
}
