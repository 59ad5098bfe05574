#include "selection/auswahl_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TAuswahlDialog::TAuswahlDialog(const QString& titel, const QStringList& texts,
                               const QStringList& keys, bool mehrfach, QWidget* parent)
    : QDialog(parent), mehrfach_(mehrfach) {
    setObjectName(QStringLiteral("AuswahlDialog"));
    setWindowTitle(titel);
    auto* l = new QVBoxLayout(this);
    auto* filterLabel = new QLabel(QStringLiteral("&Suchen:"), this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("edtFilter"));
    filterLabel->setBuddy(filter_);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("lstAuswahl"));
    for (int i = 0; i < texts.size(); ++i) {
        auto* item = new QListWidgetItem(texts[i], liste_);
        item->setData(Qt::UserRole, i < keys.size() ? keys[i] : texts[i]);
        if (mehrfach) item->setCheckState(Qt::Unchecked);
    }
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    l->addWidget(filterLabel);
    l->addWidget(filter_);
    l->addWidget(liste_, 1);
    l->addWidget(knoepfe);
    connect(filter_, &QLineEdit::textChanged, this, &TAuswahlDialog::Filtern);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!mehrfach) connect(liste_, &QListWidget::itemActivated, this, &QDialog::accept);
    if (liste_->count()) liste_->setCurrentRow(0);
    filter_->setFocus();
    resize(420, 460);
}

void TAuswahlDialog::Filtern(const QString& text) {
    const QString t = text.trimmed();
    QListWidgetItem* erstes = nullptr;
    for (int i = 0; i < liste_->count(); ++i) {
        QListWidgetItem* item = liste_->item(i);
        const bool passt = t.isEmpty() || item->text().contains(t, Qt::CaseInsensitive);
        item->setHidden(!passt);
        if (passt && !erstes) erstes = item;
    }
    if (erstes) liste_->setCurrentItem(erstes);
}

void TAuswahlDialog::Vorwahl(const QStringList& keys) {
    for (int i = 0; i < liste_->count(); ++i) {
        QListWidgetItem* item = liste_->item(i);
        const bool drin = keys.contains(item->data(Qt::UserRole).toString(), Qt::CaseInsensitive);
        if (mehrfach_)
            item->setCheckState(drin ? Qt::Checked : Qt::Unchecked);
        else if (drin) {
            liste_->setCurrentItem(item);
            return;
        }
    }
}

QStringList TAuswahlDialog::Gewaehlt() const {
    QStringList out;
    for (int i = 0; i < liste_->count(); ++i) {
        const QListWidgetItem* item = liste_->item(i);
        if (mehrfach_ ? item->checkState() == Qt::Checked
                      : item == liste_->currentItem() && !item->isHidden())
            out << item->data(Qt::UserRole).toString();
    }
    return out;
}

std::optional<QStringList> TAuswahlDialog::Ausfuehren() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Gewaehlt();
}
