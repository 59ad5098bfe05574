#include "bonus/bonus_programm_sel_frm.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/tables/bonus_typen.h"

namespace {

constexpr const char* kMaske = "BONUSSEL";
constexpr const char* kTyp = "cmbBonusTyp.Text";
constexpr const char* kName = "cmbBonusName.Text";

kis::services::FormStore Store() { return kis::services::FormStore({"MEROVA", "DEU", kMaske, "0"}); }

}  // namespace

TBonusProgrammSelFrm::TBonusProgrammSelFrm(TBonusRechner& rechner, QWidget* parent)
    : QDialog(parent), rechner_(rechner) {
    setObjectName(QStringLiteral("BonusProgrammSelFrm"));
    setWindowTitle(QStringLiteral("Auswahl des Bonusprogrammes"));
    auto* menu = new QMenuBar(this);
    auto* einst = menu->addMenu(QStringLiteral("Einstellungen"));
    auto* actMskSave = einst->addAction(QStringLiteral("Maske speichern"));
    actMskSave->setObjectName(QStringLiteral("actMskSave"));
    actMskSave->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9));
    auto* actMskLoad = einst->addAction(QStringLiteral("Maske laden"));
    actMskLoad->setObjectName(QStringLiteral("actMskLoad"));
    actMskLoad->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F9));
    auto* actMskDelete = einst->addAction(QStringLiteral("Maske löschen"));
    actMskDelete->setObjectName(QStringLiteral("actMskDelete"));
    actMskDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    connect(actMskSave, &QAction::triggered, this, [this] { MaskeSpeichern(); });
    connect(actMskLoad, &QAction::triggered, this, [this] { MaskeLaden(); });
    connect(actMskDelete, &QAction::triggered, this, [this] { MaskeLoeschen(); });

    lblTxtUeb = new QLabel(QStringLiteral("Bitte wählen Sie das Bonusprogramm,\r\nnach dem die Berechnung durchgeführt \r\nwerden soll:"), this);
    lblTxtUeb->setObjectName(QStringLiteral("lblTxtUeb"));
    cmbBonusTyp = new QComboBox(this);
    cmbBonusTyp->setObjectName(QStringLiteral("cmbBonusTyp"));
    cmbBonusName = new QComboBox(this);
    cmbBonusName->setObjectName(QStringLiteral("cmbBonusName"));
    btnZurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    btnZurueck->setObjectName(QStringLiteral("btnZurueck"));
    btnZurueck->setAutoDefault(false);
    btnWeiter = new QPushButton(QStringLiteral("&Weiter"), this);
    btnWeiter->setObjectName(QStringLiteral("btnWeiter"));
    btnWeiter->setDefault(true);
    auto* lblTyp = new QLabel(QStringLiteral("&Typ"), this);
    lblTyp->setBuddy(cmbBonusTyp);
    auto* lblName = new QLabel(QStringLiteral("&Name"), this);
    lblName->setBuddy(cmbBonusName);

    auto* g = new QGridLayout(this);
    g->setMenuBar(menu);
    g->addWidget(lblTxtUeb, 0, 0, 1, 2);
    g->addWidget(lblTyp, 1, 0);
    g->addWidget(cmbBonusTyp, 1, 1);
    g->addWidget(lblName, 2, 0);
    g->addWidget(cmbBonusName, 2, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnZurueck);
    knoepfe->addWidget(btnWeiter);
    g->addLayout(knoepfe, 3, 0, 1, 2);
    g->setColumnStretch(1, 1);

    connect(cmbBonusTyp, &QComboBox::currentIndexChanged, this, [this] { cmbBonusTypChange(); });
    connect(btnWeiter, &QPushButton::clicked, this, [this] { btnWeiterClick(); });
    connect(btnZurueck, &QPushButton::clicked, this, &QDialog::reject);

    try {
        for (const auto& [name, kind] : TBonusRechner::Fuelle_Typen())
            cmbBonusTyp->addItem(QString::fromStdString(name), kind);
        cmbBonusTyp->setCurrentIndex(-1);
        if (MaskeLaden()) {
            FAltTyp = cmbBonusTyp->currentText();
            FAltName = cmbBonusName->currentText();
        }
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TBonusProgrammSelFrm.FormCreate", e, 1);
    }
}

QString TBonusProgrammSelFrm::BonusTyp() const { return cmbBonusTyp->currentText(); }
QString TBonusProgrammSelFrm::BonusName() const { return cmbBonusName->currentText(); }

void TBonusProgrammSelFrm::cmbBonusTypChange() {
    try {
        cmbBonusName->clear();
        if (cmbBonusTyp->currentIndex() < 0) return;
        const int kind = cmbBonusTyp->currentData().toInt();
        rechner_.BETAList_Fuellen(kind);
        std::vector<std::string> namen;
        rechner_.Fuelle_Typ(namen, kind);
        for (const auto& n : namen) cmbBonusName->addItem(QString::fromStdString(n));
        cmbBonusName->setCurrentIndex(-1);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TBonusProgrammSelFrm.cmbBonusTypChange", e, 1);
    }
}

void TBonusProgrammSelFrm::btnWeiterClick() {
    try {
        const QString typ = cmbBonusTyp->currentText();
        const QString name = cmbBonusName->currentText();
        if (typ.isEmpty() || name.isEmpty()) return;
        const std::string kennung = CBonuTypen2Kuerzel(BonuTypen4Name(typ.toStdString()));
        const std::string fehler = TBetaStore::ProgrammPruefen(kennung, name.toStdString());
        if (!fehler.empty()) {
            ORVInfo().WarnungBox(fehler + " Bitte wählen Sie ein anderes.");
            return;
        }
        const bool gewechselt = (!FAltTyp.isEmpty() || !FAltName.isEmpty()) && (typ != FAltTyp || name != FAltName);
        if (gewechselt && ORVInfo().ShowMeldung(kis::services::kMeldungJaNein, 1000, "MEROVA") != kis::services::kAntwortJa)
            return;
        MaskeSpeichern();
        FAltTyp = typ;
        FAltName = name;
        accept();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TBonusProgrammSelFrm.btnWeiterClick", e, 1);
    }
}

bool TBonusProgrammSelFrm::MaskeSpeichern() {
    return Store().Store(kMaske, {{kTyp, cmbBonusTyp->currentText().toStdString()},
                                  {kName, cmbBonusName->currentText().toStdString()}});
}

bool TBonusProgrammSelFrm::MaskeLaden() {
    const auto werte = Store().Restore(kMaske);
    if (werte.empty()) return false;
    auto wert = [&](const char* key) {
        const auto it = werte.find(key);
        return it == werte.end() ? QString() : QString::fromStdString(it->second);
    };
    cmbBonusTyp->setCurrentIndex(cmbBonusTyp->findText(wert(kTyp)));
    cmbBonusName->setCurrentIndex(cmbBonusName->findText(wert(kName)));
    return true;
}

bool TBonusProgrammSelFrm::MaskeLoeschen() { return Store().Delete(kMaske); }
