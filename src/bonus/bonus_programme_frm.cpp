#include "bonus/bonus_programme_frm.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dm.h"
#include "bonus/beta_seite.h"
#include "bonus/pass_seite.h"
#include "bonus/umsa_seite.h"
#include "bonus/umzr_seite.h"
#include "platform/services/orv_info.h"

TBonusProgrammeFrm::TBonusProgrammeFrm(TBonusRechner& rechner, TDM* dm, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BonusProgrammeFrm"));
    setWindowTitle(QStringLiteral("Einstellungen zu den Bonusprogrammen"));
    setMinimumSize(740, 480);
    resize(900, 640);

    auto* menu = new QMenuBar(this);
    auto* funktionen = menu->addMenu(QStringLiteral("&Funktionen"));
    auto* zurueck = funktionen->addAction(QStringLiteral("zurück"));
    zurueck->setObjectName(QStringLiteral("zurck1"));
    zurueck->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(zurueck, &QAction::triggered, this, [this] { zurck1Click(); });
    auto* hilfe = menu->addMenu(QStringLiteral("&?"));
    auto* aHilfe = hilfe->addAction(QStringLiteral("Hilfe"));
    aHilfe->setShortcut(QKeySequence(Qt::Key_F1));
    auto* version = hilfe->addAction(QStringLiteral("Versionsanzeige"));
    connect(version, &QAction::triggered, this, [this, dm] {
        if (dm) dm->Versionsanzeige(this);
    });

    pgcAlles = new QTabWidget(this);
    pgcAlles->setObjectName(QStringLiteral("pgcAlles"));
    pgcGrundlagen = new QTabWidget(pgcAlles);
    pgcGrundlagen->setObjectName(QStringLiteral("pgcGrundlagen"));
    BETA = new TBetaSeite(rechner, dm, pgcGrundlagen);
    pgcGrundlagen->addTab(BETA, QStringLiteral("Berechnungsvorschriften "));
    PASS = new TPassSeite(rechner, dm, pgcAlles);
    UMSA = new TUmsaSeite(false, rechner, dm, pgcAlles);
    RABS = new TUmsaSeite(true, rechner, dm, pgcAlles);
    UMZR = new TUmzrSeite(rechner, dm, pgcAlles);
    pgcAlles->addTab(pgcGrundlagen, QStringLiteral("Grundlagen"));
    pgcAlles->addTab(PASS, QStringLiteral("Bonusprogramm - Prämienpass"));
    pgcAlles->addTab(UMSA, QStringLiteral("Bonusprogramm - Umsatzprämie"));
    pgcAlles->addTab(RABS, QStringLiteral("Bonusprogramm - Rabattschein"));
    pgcAlles->addTab(UMZR, QStringLiteral("Bonusprogramm - Umsatzzeitraumprämie"));
    // F4 moves the focus to the outer tabs.
    auto* f4 = new QShortcut(QKeySequence(Qt::Key_F4), this);
    connect(f4, &QShortcut::activated, this, [this] { pgcAlles->tabBar()->setFocus(); });

    connect(pgcAlles, &QTabWidget::currentChanged, this, [this] {
        if (AktiveSeite() == PASS) PASS->pgcPRPass->setCurrentIndex(0);
        if (AktiveSeite() == UMSA) UMSA->pgcInnen->setCurrentIndex(0);
        if (AktiveSeite() == RABS) RABS->pgcInnen->setCurrentIndex(0);
    });

    auto* l = new QVBoxLayout(this);
    l->setMenuBar(menu);
    l->addWidget(pgcAlles);
}

TProgrammSeite* TBonusProgrammeFrm::AktiveSeite() const {
    QWidget* w = pgcAlles->currentWidget();
    if (w == pgcGrundlagen) return BETA;
    return qobject_cast<TProgrammSeite*>(w);
}

void TBonusProgrammeFrm::zurck1Click() {
    try {
        TProgrammSeite* seite = AktiveSeite();
        if (seite && seite->Bearbeitet()) {
            seite->Abbrechen();
            return;
        }
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TBonusProgrammeFrm.zurck1Click", e, 1);
        return;
    }
    QDialog::reject();
}

void TBonusProgrammeFrm::reject() { zurck1Click(); }

void TBonusProgrammeFrm::FormShow() {
    for (TProgrammSeite* s : std::initializer_list<TProgrammSeite*>{BETA, PASS, UMSA, RABS, UMZR}) s->FormShow();
    pgcAlles->setCurrentWidget(PASS);
    PASS->pgcPRPass->setCurrentIndex(0);
    UMSA->pgcInnen->setCurrentIndex(0);
    RABS->pgcInnen->setCurrentIndex(0);
    UMZR->pgcUMZR->setCurrentIndex(0);
}

void TBonusProgrammeFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}
