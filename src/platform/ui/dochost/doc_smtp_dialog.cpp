#include "platform/ui/dochost/doc_smtp_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

#include "platform/services/orv_info.h"
#include "platform/ui/mail/mail_nachricht.h"
#include "platform/ui/mail/smtp_einstellungen.h"

TDocSmtpDialog::TDocSmtpDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DocSmtpFrm"));
    setWindowTitle(QStringLiteral("E-Mail-Einstellungen"));
    setMinimumWidth(480);
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromUtf8(name));
        return e;
    };
    edtServer = edit("edtServer");
    edtServer->setPlaceholderText(QStringLiteral("leer: E-Mails nur als Dateien"));
    spnPort = new QSpinBox(this);
    spnPort->setObjectName(QStringLiteral("spnPort"));
    spnPort->setRange(1, 65535);
    cmbVerschluesselung = new QComboBox(this);
    cmbVerschluesselung->setObjectName(QStringLiteral("cmbVerschluesselung"));
    cmbVerschluesselung->addItems({QStringLiteral("keine"), QStringLiteral("STARTTLS"), QStringLiteral("SSL/TLS")});
    edtBenutzer = edit("edtBenutzer");
    edtBenutzer->setPlaceholderText(QStringLiteral("leer: ohne Anmeldung"));
    edtAbsender = edit("edtAbsender");
    edtAbsenderName = edit("edtAbsenderName");

    const TSmtpEinstellungen e = TSmtpEinstellungen::Laden();
    edtServer->setText(e.Server);
    spnPort->setValue(e.Port);
    cmbVerschluesselung->setCurrentIndex(int(e.Verschluesselung));
    edtBenutzer->setText(e.Benutzer);
    edtAbsender->setText(e.Absender);
    edtAbsenderName->setText(e.AbsenderName);
    // The usual port follows the encryption as long as the user keeps to the usual ones.
    connect(cmbVerschluesselung, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (spnPort->value() == 25 || spnPort->value() == 587 || spnPort->value() == 465)
            spnPort->setValue(i == 2 ? 465 : i == 1 ? 587 : 25);
    });

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Mail-&Server"), edtServer);
    form->addRow(QStringLiteral("&Port"), spnPort);
    form->addRow(QStringLiteral("&Verschlüsselung"), cmbVerschluesselung);
    form->addRow(QStringLiteral("&Benutzer"), edtBenutzer);
    form->addRow(QStringLiteral("&Absenderadresse"), edtAbsender);
    form->addRow(QStringLiteral("Absender&name"), edtAbsenderName);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Speichern"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    form->addRow(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TDocSmtpDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &TDocSmtpDialog::reject);
}

void TDocSmtpDialog::accept() {
    TSmtpEinstellungen e = TSmtpEinstellungen::Laden();
    e.Server = edtServer->text().trimmed();
    e.Port = spnPort->value();
    e.Verschluesselung = TSmtpVerschluesselung(cmbVerschluesselung->currentIndex());
    e.Benutzer = edtBenutzer->text().trimmed();
    e.Absender = edtAbsender->text().trimmed();
    e.AbsenderName = edtAbsenderName->text().trimmed();
    if (!e.Absender.isEmpty() && !kis::mail::GueltigeAdresse(e.Absender)) {
        ORVInfo().HinweisBox("Die Absenderadresse ist ungültig (Beispiel: info@beispiel.de).");
        edtAbsender->setFocus();
        return;
    }
    if (!e.Server.isEmpty() && e.Server.contains(QRegularExpression(QStringLiteral("[\\s/:]")))) {
        ORVInfo().HinweisBox("Der Mail-Server ist ein Rechnername oder eine IP-Adresse, ohne Leerzeichen, \"/\" und \":\".");
        edtServer->setFocus();
        return;
    }
    if (!e.Speichern()) {
        ORVInfo().FehlerBox("Die E-Mail-Einstellungen wurden nicht gespeichert.");
        return;
    }
    QDialog::accept();
}
