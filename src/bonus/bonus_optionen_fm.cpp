#include "bonus/bonus_optionen_fm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/services/orv_info.h"
#include "platform/services/orv_parameter.h"
#include "platform/services/settings.h"

namespace {
const TSimpleMask kMaske("BONUSCFG");
}

TBonusOptionenFm::TBonusOptionenFm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("bonusoptionenFm"));
    setWindowTitle(QStringLiteral("Einstellungen zur Verwendung von Bonus"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* l = new QVBoxLayout(this);
    auto schalter = [&](const char* lblName, const QString& erklaerung, const char* chbName, const QString& text) {
        auto* lbl = new QLabel(erklaerung, this);
        lbl->setObjectName(QString::fromLatin1(lblName));
        auto* chb = new QCheckBox(text, this);
        chb->setObjectName(QString::fromLatin1(chbName));
        l->addWidget(lbl);
        l->addWidget(chb);
        l->addSpacing(8);
        return chb;
    };
    chbParamBonusDirekt = schalter(
        "lblParamBonusDirekt",
        QStringLiteral("Wie darf der Bonus gehandhabt werden? Soll man zunächst die Boni\r\nsammeln und dann als Gutscheine "
                       "wandeln, oder soll man einen\r\ngenerierten Bonus direkt beim Verkaufsvorgang verwenden dürfen?"),
        "chbParamBonusDirekt", QStringLiteral("Bonus darf an der Kasse direkt beim Verkauf verrechnet werden."));
    chbParamBonusAbgeschl = schalter(
        "lblParamBonusAbgeschl",
        QStringLiteral("Bei einem Prämienpass ist der Bonus automatisch abgeschlossen, wenn \r\ndie maximale Anzahl an "
                       "Einträgen erreicht ist. Sonst ist ein Bonus\r\n(Prämienpass mit weniger Einträgen oder Umsatzprämie) "
                       "zunächst nicht\r\nabgeschlossen.\r\nDürfen nicht abgeschlossene Boni verwendet werden, um sie z.B. "
                       "an der \r\nKasse direkt zu verwenden, oder sie in Gutscheine zu wandeln? Oder \r\nmüssen sie zunächst "
                       "abgeschlossen werden?"),
        "chbParamBonusAbgeschl", QStringLiteral("Bonus muss abgeschlossen sein, um ihn verwenden zu können."));
    chbParamBonusAutoAb = schalter(
        "lblParamBonusAutoAb",
        QStringLiteral("Soll beim Berechnen und Generieren von Umsatzprämien der Bonus \r\nautomatisch abgeschlossen werden?"),
        "chbParamBonusAutoAb", QStringLiteral("Umsatzprämien werden beim Generieren automatisch abgeschlossen."));
    chbParamBonusAlsSet = schalter(
        "lblParamBonusAlsSet",
        QStringLiteral("Soll das Einlösen eines Bonus eine Verminderung des Ist-Verkaufpreises bewirken?"),
        "chbParamBonusAlsSet", QStringLiteral("Einlösen eines Bonus bewirkt Verminderung des Ist-Verkaufpreises."));
    chbParamBonusSelektiv = schalter(
        "lblTxtParamBonusSelektiv",
        QStringLiteral("Existieren mehrere Boni, kann ein Dialog erscheinen, in dem man sich die zu verwendenen Boni "
                       "auswählt.\r\nBei gesetztem Haken erscheint an der Kasse ein solcher Dialog."),
        "chbParamBonusSelektiv", QStringLiteral("Einzelne Boni an der Kasse auswählen"));
    chbParamBonusTeilausgleich = schalter(
        "lblTxtParamBonusTeilausgleich",
        QStringLiteral("Überschreitet der Wert des Bonus den Zahlungsbetrag, kann der Bonus nur zum Teil verwendet werden. "
                       "\r\nAndernfalls wird der Restbetrag als Rückgeld ausbezahlt.\r\nBei gesetztem Haken wird nur ein Teil "
                       "des Bonus verwendet und der Rest verbleibt als offener Posten."),
        "chbParamBonusTeilausgleich", QStringLiteral("Teilausgleich, wenn Bonus größer als Zahlungsbetrag"));

    btnBuchen = new QPushButton(QStringLiteral("Buchen - F5"), this);
    btnBuchen->setObjectName(QStringLiteral("btnBuchen"));
    btnBuchen->setAutoDefault(false);
    btnZurueck = new QPushButton(QStringLiteral("Zurück - Esc"), this);
    btnZurueck->setObjectName(QStringLiteral("btnZurueck"));
    btnZurueck->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnBuchen);
    knoepfe->addWidget(btnZurueck);
    l->addLayout(knoepfe);
    connect(btnBuchen, &QPushButton::clicked, this, [this] { btnBuchenClick(); });
    connect(btnZurueck, &QPushButton::clicked, this, &QDialog::reject);
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, [this] { btnBuchenClick(); });
}

void TBonusOptionenFm::FormShow() {
    try {
        chbParamBonusDirekt->setChecked(ORVParameter().GetCharValueByName("BONUDIRE", 'N') == 'J');
        chbParamBonusAbgeschl->setChecked(ORVParameter().GetCharValueByName("BONUNUAB", 'N') == 'J');
        chbParamBonusAutoAb->setChecked(ORVParameter().GetCharValueByName("BONUAUAB", 'N') == 'J');
        chbParamBonusAlsSet->setChecked(kMaske.ReadDef("BONUSALSSET", 0) != 0);
        chbParamBonusSelektiv->setChecked(kMaske.ReadDef("BONUSSELECT", 0) != 0);
        chbParamBonusTeilausgleich->setChecked(kMaske.ReadDef("BONUSTEILAUS", 0) != 0);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TBonusOptionenFm.FormShow", e, 1);
    }
}

void TBonusOptionenFm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

bool TBonusOptionenFm::btnBuchenClick() {
    bool ok = true;
    try {
        auto jn = [](QCheckBox* c) { return c->isChecked() ? 'J' : 'N'; };
        ok &= ORVParameter().SetCharValueByName("BONUDIRE", jn(chbParamBonusDirekt));
        ok &= ORVParameter().SetCharValueByName("BONUNUAB", jn(chbParamBonusAbgeschl));
        ok &= ORVParameter().SetCharValueByName("BONUAUAB", jn(chbParamBonusAutoAb));
        ok &= kMaske.WriteGlobal("BONUSALSSET", chbParamBonusAlsSet->isChecked() ? 1 : 0);
        ok &= kMaske.WriteGlobal("BONUSSELECT", chbParamBonusSelektiv->isChecked() ? 1 : 0);
        ok &= kMaske.WriteGlobal("BONUSTEILAUS", chbParamBonusTeilausgleich->isChecked() ? 1 : 0);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TBonusOptionenFm.btnBuchenClick", e, 1);
        ok = false;
    }
    if (!ok) {
        ORVInfo().WarnungBox("Die Einstellungen konnten nicht vollständig gespeichert werden.");
        return false;
    }
    accept();
    return true;
}
