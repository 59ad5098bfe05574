#include "bonus/programm_seite.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bonus/programm_selektion.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/services/orv_info.h"
#include "platform/tables/bonus_typen.h"

namespace {

constexpr int kNameLaenge = 20;

// Component names of the update button differ per page.
QString UpdateName(const QString& prefix) {
    if (prefix == QLatin1String("PASS")) return QStringLiteral("PASSbtnEdit");
    if (prefix == QLatin1String("UMZR")) return QStringLiteral("UMZRbntUpdate");
    return prefix + QStringLiteral("btnUpdate");
}

// Restores the event flag whatever way a handler is left.
class EventSperre {
public:
    explicit EventSperre(bool& flag) : flag_(flag) { flag_ = false; }
    ~EventSperre() { flag_ = true; }

private:
    bool& flag_;
};

}  // namespace

TProgrammSeite::TProgrammSeite(const QString& prefix, int kind, TBonusRechner& rechner, TDM* dm,
                               QWidget* parent)
    : QWidget(parent), rechner_(rechner), dm_(dm), prefix_(prefix), kind_(kind) {
    auto* haupt = new QHBoxLayout(this);
    auto* links = new QVBoxLayout;
    auto* kopf = new QHBoxLayout;
    auto* lblName = new QLabel(kind == 1 ? QStringLiteral("Berechnungsvorschrift") : QStringLiteral("Bezeichnung"), this);
    cmbName = new QComboBox(this);
    cmbName->setObjectName(prefix + QStringLiteral("cmbName"));
    cmbName->setMinimumWidth(220);
    lblName->setBuddy(cmbName);
    kopf->addWidget(lblName);
    kopf->addWidget(cmbName, 1);
    links->addLayout(kopf);
    inhalt_ = new QVBoxLayout;
    links->addLayout(inhalt_, 1);
    haupt->addLayout(links, 1);

    knoepfe_ = new QVBoxLayout;
    haupt->addLayout(knoepfe_);

    connect(cmbName, &QComboBox::currentIndexChanged, this, [this] {
        if (FEventVerarbeiten && zustand_ == zsBlaettern) NameGewaehlt();
    });
    if (kind_ >= 2) Selektion = new TProgrammSelektion(prefix, dm, this);
}

// Built after the page's content, so that Tab walks name, content, then the buttons.
void TProgrammSeite::KnoepfeBauen() {
    auto knopf = [&](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        knoepfe_->addWidget(b);
        return b;
    };
    btnInsert = knopf(prefix_ + QStringLiteral("btnInsert"), QStringLiteral("&Einfügen"));
    btnUpdate = knopf(UpdateName(prefix_), QStringLiteral("&Ändern"));
    btnDelete = knopf(prefix_ + QStringLiteral("btnDelete"), QStringLiteral("&Löschen"));
    btnBuchen = knopf(prefix_ + QStringLiteral("btnBuchen"), QStringLiteral("&Ok"));
    btnCancel = knopf(prefix_ + QStringLiteral("btnCancel"), QStringLiteral("&Abbruch"));
    knoepfe_->addStretch(1);

    connect(btnInsert, &QPushButton::clicked, this, [this] { Einfuegen(); });
    connect(btnUpdate, &QPushButton::clicked, this, [this] { Aendern(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { Loeschen(); });
    connect(btnBuchen, &QPushButton::clicked, this, [this] { Buchen(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { Abbrechen(); });
}

std::string TProgrammSeite::TypKey() const { return CBonuTypen2Kuerzel(kind_); }

void TProgrammSeite::Registrieren(const char* methode, const std::exception& e) const {
    ORVInfo().RegisterException(std::string("TBonusProgrammeFrm.") + prefix_.toStdString() + methode, e, 1);
}

void TProgrammSeite::TextWaehlen(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text, Qt::MatchExactly));
}

void TProgrammSeite::RegelnFuellen(QComboBox* combo) {
    const QString vorher = combo->currentText();
    combo->clear();
    rechner_.BETAList_Fuellen(1);
    std::vector<std::string> namen;
    rechner_.Fuelle_Typ(namen, 1);
    for (const auto& n : namen) combo->addItem(QString::fromStdString(n));
    TextWaehlen(combo, vorher);
}

void TProgrammSeite::cmbFuellen() {
    EventSperre sperre(FEventVerarbeiten);
    try {
        rechner_.BETAList_Fuellen(kind_);
        std::vector<std::string> namen;
        rechner_.Fuelle_Typ(namen, kind_);
        cmbName->clear();
        for (const auto& n : namen) cmbName->addItem(QString::fromStdString(n));
    } catch (const std::exception& e) {
        Registrieren("_cmbFuellen", e);
    }
}

void TProgrammSeite::NameGewaehlt() {
    EventSperre sperre(FEventVerarbeiten);
    try {
        aktuell_.reset();
        FelderLeer();
        if (Selektion) Selektion->Clear();
        const QString name = cmbName->currentText();
        if (!name.isEmpty()) aktuell_ = TBetaStore::Lesen(TypKey(), name.toStdString());
        if (aktuell_) {
            DatenGet(*aktuell_);
            // The selection is restored whatever the content looked like, so a damaged
            // content never lets the next save overwrite the stored criteria.
            if (Selektion) Selektion->BoxesGet(TBonusRechner::Fuelle_Selektion(TypKey(), aktuell_->Name));
        }
        ZustandsWechsel();
    } catch (const std::exception& e) {
        Registrieren("dtaBereichMyDatenGet", e);
    }
}

void TProgrammSeite::NameModus() {
    const bool einfuegen = zustand_ == zsEinfuegen;
    cmbName->setEditable(einfuegen);
    if (einfuegen) {
        cmbName->lineEdit()->setMaxLength(kNameLaenge);
        cmbName->setInsertPolicy(QComboBox::NoInsert);
    }
    cmbName->setEnabled(zustand_ != zsAendern);
}

void TProgrammSeite::SetZustand(Zustand z) {
    zustand_ = z;
    NameModus();
    btnInsert->setEnabled(z == zsBlaettern);
    btnUpdate->setEnabled(z == zsBlaettern);
    btnDelete->setEnabled(z == zsBlaettern);
    btnBuchen->setEnabled(z != zsBlaettern);
    btnCancel->setEnabled(z != zsBlaettern);
    if (Selektion) {
        Selektion->EnabledSetzen(z != zsBlaettern);
        if (z == zsEinfuegen) Selektion->Clear();
    }
    ZustandsWechsel();
}

void TProgrammSeite::FormShow() {
    try {
        SetZustand(zsBlaettern);
        ListenFuellen();
        cmbFuellen();
        {
            EventSperre sperre(FEventVerarbeiten);
            cmbName->setCurrentIndex(cmbName->count() > 0 ? 0 : -1);
        }
        NameGewaehlt();
    } catch (const std::exception& e) {
        Registrieren("FormShow", e);
    }
}

bool TProgrammSeite::Einfuegen() {
    if (zustand_ != zsBlaettern) return false;
    {
        EventSperre sperre(FEventVerarbeiten);
        SetZustand(zsEinfuegen);
        aktuell_.reset();
        FelderLeer();
        cmbName->setEditText(QString());
        ZustandsWechsel();
    }
    cmbName->setFocus();
    return true;
}

bool TProgrammSeite::Aendern() {
    // Only records created by this program may be changed.
    if (zustand_ != zsBlaettern || !aktuell_ || aktuell_->Eigen != "J") return false;
    SetZustand(zsAendern);
    return true;
}

bool TProgrammSeite::Loeschen() {
    if (zustand_ != zsBlaettern || !aktuell_ || aktuell_->Eigen != "J") return false;
    try {
        const QString name = QString::fromStdString(aktuell_->Name);
        const QString grund = LoeschenVerweigert(name);
        if (!grund.isEmpty()) {
            ORVInfo().WarnungBox(grund.toStdString());
            return false;
        }
        if (!ORVInfo().JaNeinBox(("\"" + name + "\" löschen?").toStdString(), false)) return false;
        TBetaStore::Loeschen(TypKey(), aktuell_->Name);
    } catch (const std::exception& e) {
        Registrieren("btnDeleteMyAfterExecute", e);
        ORVInfo().WarnungBox(std::string("Das Löschen ist fehlgeschlagen: ") + e.what());
        return false;
    }
    cmbFuellen();
    {
        EventSperre sperre(FEventVerarbeiten);
        cmbName->setCurrentIndex(cmbName->count() > 0 ? 0 : -1);
    }
    NameGewaehlt();
    return true;
}

bool TProgrammSeite::Buchen() {
    if (zustand_ == zsBlaettern) return false;
    const QString name = cmbName->currentText().trimmed();
    QString fehler;
    if (name.isEmpty()) fehler = QStringLiteral("Bitte geben Sie einen Namen ein.");
    else if (name.size() > kNameLaenge) fehler = QStringLiteral("Der Name darf höchstens 20 Zeichen lang sein.");
    else if (zustand_ == zsEinfuegen && TBetaStore::Lesen(TypKey(), name.toStdString()))
        fehler = QStringLiteral("Unter diesem Namen ist bereits ein Eintrag gespeichert.");
    else fehler = Pruefen();
    if (!fehler.isEmpty()) {
        ORVInfo().WarnungBox(fehler.toStdString());
        return false;
    }
    try {
        EventSperre sperre(FEventVerarbeiten);
        TBetaSatz satz = zustand_ == zsAendern && aktuell_ ? *aktuell_ : TBetaSatz();
        satz.Typ = TypKey();
        satz.Name = name.toStdString();
        satz.Nr = kBetaHauptsatz;
        satz.Inhalt.clear();
        DatenPut(satz);
        if (Selektion) {
            const std::vector<std::string> kriterien = Selektion->BoxesPut();
            TBetaStore::Speichern(satz, &kriterien);
        } else {
            TBetaStore::Speichern(satz, nullptr);
        }
    } catch (const std::exception& e) {
        Registrieren("btnBuchenMyAfterExecute", e);
        ORVInfo().WarnungBox(std::string("Das Speichern ist fehlgeschlagen; gespeichert bleibt der vorige Stand.\n") + e.what());
        return false;
    }
    SetZustand(zsBlaettern);
    cmbFuellen();
    {
        EventSperre sperre(FEventVerarbeiten);
        cmbName->setCurrentIndex(cmbName->findText(name, Qt::MatchExactly));
    }
    NameGewaehlt();
    return true;
}

void TProgrammSeite::Abbrechen() {
    if (zustand_ == zsBlaettern) return;
    const QString name = aktuell_ ? QString::fromStdString(aktuell_->Name) : QString();
    SetZustand(zsBlaettern);
    {
        EventSperre sperre(FEventVerarbeiten);
        int i = cmbName->findText(name, Qt::MatchExactly);
        if (i < 0 && cmbName->count() > 0) i = 0;
        cmbName->setCurrentIndex(i);
    }
    NameGewaehlt();
}
