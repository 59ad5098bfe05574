#include "platform/ui/customer/kund_eing_dialog.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/customer/kunden_formular.h"
#include "platform/ui/customer/kunden_suche.h"
#include "platform/ui/std_button.h"

TKundEingDialog::TKundEingDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgKundEing"));
    setWindowTitle(QStringLiteral("Kundendaten"));
    lblTitel_ = new QLabel(this);
    lblTitel_->setObjectName(QStringLiteral("lblTitel"));
    QFont f = lblTitel_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    lblTitel_->setFont(f);
    stack_ = new QStackedWidget(this);
    suche_ = new TKundenSuche(stack_);
    formular_ = new TKundenFormular(stack_);
    stack_->addWidget(suche_);
    stack_->addWidget(formular_);

    btnSpeichern_ = new TORVStdButton(QStringLiteral("Speichern - F5"), this);
    btnSpeichern_->setObjectName(QStringLiteral("btnSpeichern"));
    btnSpeichern_->setAutoDefault(false);
    btnUebernehmen_ = new QPushButton(QStringLiteral("Ü&bernehmen"), this);
    btnUebernehmen_->setObjectName(QStringLiteral("btnUebernehmen"));
    btnUebernehmen_->setAutoDefault(false);
    btnAbbrechen_ = new TORVStdButton(TORVStdButton::Kind::Abbrechen, this);
    btnAbbrechen_->setObjectName(QStringLiteral("btnAbbrechen"));
    btnAbbrechen_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnUebernehmen_);
    buttons->addWidget(btnSpeichern_);
    buttons->addWidget(btnAbbrechen_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitel_);
    layout->addWidget(stack_, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(btnSpeichern_, &QPushButton::clicked, this, [this] { Speichern(); });
    connect(btnUebernehmen_, &QPushButton::clicked, this, [this] {
        const TIntPair k = suche_->Gewaehlt();
        if (k.IsDefined()) Uebernehmen(k);
        else Meldung(QStringLiteral("Bitte wählen Sie zuerst einen Kunden aus der Liste."));
    });
    connect(btnAbbrechen_, &QPushButton::clicked, this, &QDialog::reject);
    connect(suche_, &TKundenSuche::KundeGewaehlt, this, [this](TIntPair k) { Uebernehmen(k); });
}

void TKundEingDialog::Init() { stamm_ = TKundenStamm(); }

void TKundEingDialog::Clear() {
    gepNr_ = {};
    stamm_ = TKundenStamm();
    formular_->Leeren();
    suche_->Leeren();
}

void TKundEingDialog::Done() { hide(); }

void TKundEingDialog::SetGepNumBezeichnung(const QString& bezeichnung) {
    formular_->SetNummernArtVorgabe(bezeichnung);
}

void TKundEingDialog::Meldung(const QString& text) { ORVWarnungBox(text.toStdString()); }

void TKundEingDialog::ZeigeSuche() {
    lblTitel_->setText(modus_ == kModusWeiterSuchen ? QStringLiteral("Nächsten Kunden suchen")
                                                    : QStringLiteral("Kunden suchen"));
    stack_->setCurrentWidget(suche_);
    btnSpeichern_->hide();
    btnUebernehmen_->show();
    if (modus_ == kModusWeiterSuchen && suche_->AnzahlTreffer() > 0) {
        suche_->WaehleNach(gepNr_);
    } else {
        suche_->FokusSuche();
    }
}

bool TKundEingDialog::ZeigeFormular() {
    btnUebernehmen_->hide();
    btnSpeichern_->show();
    stack_->setCurrentWidget(formular_);
    if (modus_ == kModusNeu) {
        lblTitel_->setText(QStringLiteral("Neuen Kunden anlegen"));
        stamm_ = TKundenStamm();
        stamm_.Mandant = ORVProgramm().GetAktMandant();
        formular_->Leeren();
    } else {
        lblTitel_->setText(QStringLiteral("Kundendaten ändern"));
        kis::partners::TCustomerMaster master;
        auto k = master.Lesen(gepNr_);
        if (!k) {
            Meldung(QStringLiteral("Der Kunde %1 ist nicht vorhanden.").arg(QString::fromStdString(gepNr_.ToString())));
            return false;
        }
        stamm_ = *k;
        formular_->Setzen(stamm_);
    }
    formular_->FokusAuf("Name");
    return true;
}

bool TKundEingDialog::Execute() {
    try {
        if (modus_ == kModusNeu || modus_ == kModusAendern) {
            if (!ZeigeFormular()) return false;
        } else if (modus_ == kModusSuchen || modus_ == kModusWeiterSuchen) {
            ZeigeSuche();
        } else {
            return false;
        }
        return exec() == QDialog::Accepted;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TKundEingDialog.Execute", e, 1);
        return false;
    }
}

void TKundEingDialog::keyPressEvent(QKeyEvent* event) {
    // F5 saves even when the key did not reach the button's shortcut (focus in a grid cell).
    if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier &&
        stack_->currentWidget() == formular_) {
        Speichern();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TKundEingDialog::Uebernehmen(const TIntPair& kunde) {
    if (stack_->currentWidget() != suche_ || kunde.IsNull()) return;
    gepNr_ = kunde;
    accept();
}

void TKundEingDialog::Speichern() {
    if (stack_->currentWidget() != formular_) return;
    TKundenStamm k = stamm_;
    const TKundenFehler eingabe = formular_->Lesen(k);
    if (!eingabe.Feld.empty()) {
        Meldung(QString::fromStdString(eingabe.Meldung));
        formular_->FokusAuf(eingabe.Feld);
        return;
    }
    const auto fehler = kis::partners::TCustomerMaster::Pruefen(k);
    if (!fehler.empty()) {
        Meldung(QString::fromStdString(fehler.front().Meldung));
        formular_->FokusAuf(fehler.front().Feld);
        return;
    }
    try {
        kis::partners::TCustomerMaster master;
        gepNr_ = master.Speichern(k);
        stamm_ = k;
        accept();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TKundEingDialog.Speichern", e, 1);
        Meldung(QStringLiteral("Die Kundendaten konnten nicht gespeichert werden:\n") + QString::fromUtf8(e.what()));
    }
}
