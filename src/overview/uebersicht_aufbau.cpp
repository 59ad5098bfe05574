// Building the overview window: pages, grids, trees, buttons and menus.
#include <QActionGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dm.h"
#include "overview/kisu_zeilen.h"
#include "overview/kunden_kopf.h"
#include "overview/uebersicht_frm.h"
#include "overview/uebersicht_spalten.h"
#include "overview/uebersicht_texte.h"
#include "platform/base/kunde_text.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/german_format.h"
#include "platform/ui/tree_view.h"

using namespace kis::overview;

namespace {

// Amount cells hold a number or nothing; the number is written "%9.2n".
QString BetragFormat(const QVariant& v) {
    if (!v.isValid() || v.isNull()) return {};
    return QString::fromStdString(kis::services::FormatNumber("%9.2n", v.toDouble()));
}

QString GanzzahlFormat(const QVariant& v) {
    if (!v.isValid() || v.isNull()) return {};
    return QString::number(v.toLongLong());
}

TORVColumn Spalte(const char* name, const char* caption, bool betrag = false, bool zahl = false) {
    TORVColumn c;
    c.name = QString::fromUtf8(name);
    c.caption = QString::fromUtf8(caption);
    if (betrag) {
        c.format = BetragFormat;
        c.alignment = Qt::AlignRight;
    } else if (zahl) {
        c.format = GanzzahlFormat;
        c.alignment = Qt::AlignRight;
    }
    return c;
}

QPushButton* Knopf(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

QWidget* Seite(const char* name) {
    auto* w = new QWidget;
    w->setObjectName(QString::fromUtf8(name));
    return w;
}

}  // namespace

const char* const TUebersichtFrm::kOptionaleSpalten[8] = {"LIEFERANT", "LIEFARTNR", "MERKMAL1", "MERKMAL2",
                                                          "MERKMAL3",  "MERKMAL4",  "MERKMAL5", "MERKMAL6"};

QList<QIcon> TUebersichtFrm::BonusBilder() {
    // One coloured mark per state, drawn here so the window needs no picture files.
    static const QColor kFarben[kBonusBildAnzahl] = {QColor(0, 160, 0),   QColor(120, 120, 120),
                                                     QColor(0, 110, 220), QColor(230, 160, 0),
                                                     QColor(40, 140, 40), QColor(150, 60, 60),
                                                     QColor(200, 0, 160), QColor(220, 0, 0)};
    QList<QIcon> bilder;
    for (int i = 0; i < kBonusBildAnzahl; ++i) {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(kFarben[i]);
        p.setPen(Qt::black);
        if (i <= bbEintragAlt) p.drawRect(3, 3, 10, 10);
        else p.drawEllipse(2, 2, 12, 12);
        bilder.append(QIcon(pm));
    }
    return bilder;
}

void TUebersichtFrm::Aufbauen() {
    setObjectName(QStringLiteral("UebersichtFrm"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1100, 720);
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(4, 4, 4, 4);

    mnuHaupt = new QMenuBar(this);
    mnuHaupt->setObjectName(QStringLiteral("mnuHaupt"));
    haupt->setMenuBar(mnuHaupt);

    pgcKunde = new QTabWidget(this);
    pgcKunde->setObjectName(QStringLiteral("pgcKunde"));
    tshUebersicht = UebersichtSeite();
    tshKundeUmsatz = UmsatzSeite();
    tshKundeOP = OPSeite();
    tshKundeBonus = BonusSeite();
    tshKundeErledigt = ErledigtSeite();
    tshLegende = LegendeSeite();
    pgcKunde->addTab(tshUebersicht, QStringLiteral("Übersicht"));
    pgcKunde->addTab(tshKundeUmsatz, QStringLiteral("Kunde - Umsatz"));
    pgcKunde->addTab(tshKundeOP, QStringLiteral("Kunde - offene Posten"));
    pgcKunde->addTab(tshKundeBonus, QStringLiteral("Kunde - Bonus"));
    pgcKunde->addTab(tshKundeErledigt, QStringLiteral("Kunde - erledigte Vorgänge"));
    pgcKunde->addTab(tshLegende, QStringLiteral("Legende"));
    haupt->addWidget(pgcKunde, 1);

    auto* knoepfe = new QHBoxLayout;
    btnExpand = Knopf(this, "btnExpand", "Details aus - F6");
    btnKundeBearbeiten = Knopf(this, "btnKundeBearbeiten", "Kunde bearbeiten");
    btnDrucken = Knopf(this, "btnDrucken", "Übersicht - F10");
    btnSerBrief = Knopf(this, "btnSerBrief", "Serienbrief ... - F19");
    btnSerBrief->setToolTip(QStringLiteral("Serienbrieffunktion starten ..."));
    btnKarteDrucken = Knopf(this, "btnKarteDrucken", "Karte/Etikett - F18");
    btnABC = Knopf(this, "btnABC", "ABC-Kennzeichen");
    btnMessageCenter = Knopf(this, "btnMessageCenter", "Message Center - F20");
    btnZurueck = Knopf(this, "btnZurueck", "zurück");
    for (QPushButton* b : {btnExpand, btnKundeBearbeiten, btnDrucken, btnSerBrief, btnKarteDrucken, btnABC,
                           btnMessageCenter})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnZurueck);
    haupt->addLayout(knoepfe);
    // Functions of the later overview parts: present, not yet offered.
    for (QPushButton* b : {btnSerBrief, btnKarteDrucken}) b->setEnabled(false);
    btnSerBrief->setEnabled(true);
    connect(btnSerBrief, &QPushButton::clicked, this, [this] { btnSerBriefClick(); });
    connect(btnMessageCenter, &QPushButton::clicked, this, &TUebersichtFrm::btnMessageCenterClick);

    connect(btnExpand, &QPushButton::clicked, this, &TUebersichtFrm::btnExpandClick);
    connect(btnKundeBearbeiten, &QPushButton::clicked, this, &TUebersichtFrm::btnKundeBearbeitenClick);
    connect(btnDrucken, &QPushButton::clicked, this, &TUebersichtFrm::btnDruckenClick);
    connect(btnABC, &QPushButton::clicked, this, [this] { btnABCClick(); });
    connect(btnZurueck, &QPushButton::clicked, this, &TUebersichtFrm::btnZurueckClick);
    btnKarteDrucken->setEnabled(true);
    connect(btnKarteDrucken, &QPushButton::clicked, this, [this] { btnKarteDruckenClick(); });
    connect(pgcKunde, &QTabWidget::currentChanged, this, &TUebersichtFrm::SeiteGewechselt);

    MenueAufbauen();
    SpaltenAnlegen();
}

QWidget* TUebersichtFrm::UebersichtSeite() {
    QWidget* w = Seite("tshUebersicht");
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    mdlKISU = new TORVDataModel(this);
    grdKISU = new TORVDataGrid(w);
    grdKISU->setObjectName(QStringLiteral("grdKISU"));
    grdKISU->SetDataModel(mdlKISU);
    l->addWidget(grdKISU);
    // The totals row stays on top however the grid is sorted.
    grdKISU->Proxy()->IsPinned = [this](int row) {
        return kis::keys::KundeAusText(mdlKISU->Value(row, ksKUNDE).toString().toStdString()).IsNull();
    };
    connect(grdKISU, &TORVDataGrid::CurrentRowChanged, this, &TUebersichtFrm::grdKISUSelect);
    // A click on one of the five indexed columns sorts through the file's index; any other
    // column is sorted in the grid.
    QObject::disconnect(grdKISU->horizontalHeader(), &QHeaderView::sortIndicatorChanged, grdKISU, nullptr);
    connect(grdKISU->horizontalHeader(), &QHeaderView::sectionClicked, this, &TUebersichtFrm::KopfIndexWechsel);
    return w;
}

QWidget* TUebersichtFrm::UmsatzSeite() {
    QWidget* w = Seite("tshKundeUmsatz");
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    gvUmsatz = new TGepView(w);
    gvUmsatz->setObjectName(QStringLiteral("gvUmsatz"));
    l->addWidget(gvUmsatz);
    auto* split = new QSplitter(Qt::Vertical, w);

    auto* oben = new QWidget(split);
    auto* lo = new QVBoxLayout(oben);
    lo->setContentsMargins(0, 0, 0, 0);
    mdlKIVKBons = new TORVDataModel(this);
    grdKIVKBons = new TORVDataGrid(oben);
    grdKIVKBons->setObjectName(QStringLiteral("grdKIVKBons"));
    btnExcelExportGridOben = Knopf(oben, "btnExcelExportGridOben", "Export");
    auto* zo = new QHBoxLayout;
    zo->addWidget(grdKIVKBons, 1);
    zo->addWidget(btnExcelExportGridOben, 0, Qt::AlignTop);
    lo->addLayout(zo);

    auto* unten = new QWidget(split);
    auto* lu = new QHBoxLayout(unten);
    lu->setContentsMargins(0, 0, 0, 0);
    mdlKIVKUmsatzArtikel = new TORVDataModel(this);
    grdKIVKUmsatzArtikel = new TORVDataGrid(unten);
    grdKIVKUmsatzArtikel->setObjectName(QStringLiteral("grdKIVKUmsatzArtikel"));
    imgArtikel = new QLabel(unten);
    imgArtikel->setObjectName(QStringLiteral("imgArtikel"));
    imgArtikel->setFixedWidth(160);
    imgArtikel->setAlignment(Qt::AlignCenter);
    imgArtikel->setWordWrap(true);
    imgArtikel->setFrameShape(QFrame::StyledPanel);
    btnExcelExportGridUnten = Knopf(unten, "btnExcelExportGridUnten", "Export");
    lu->addWidget(grdKIVKUmsatzArtikel, 1);
    lu->addWidget(imgArtikel);
    lu->addWidget(btnExcelExportGridUnten, 0, Qt::AlignTop);
    l->addWidget(split, 1);

    connect(grdKIVKBons, &TORVDataGrid::CurrentRowChanged, this, &TUebersichtFrm::grdKIVKBonsSelect);
    connect(grdKIVKUmsatzArtikel, &TORVDataGrid::CurrentRowChanged, this,
            &TUebersichtFrm::grdKIVKUmsatzArtikelSelect);
    connect(grdKIVKBons, &TORVDataGrid::RowActivated, this, [this](int row) {
        if (row < 0) return;
        const QString art = mdlKIVKBons->Value(row, bsBELEGART).toString().trimmed();
        if (!art.isEmpty())
            BelegAnzeigen(art, mdlKIVKBons->Value(row, bsBELEGLNR).toInt(), mdlKIVKBons->Value(row, bsBELEGRNR).toInt());
    });
    connect(btnExcelExportGridOben, &QPushButton::clicked, this, &TUebersichtFrm::btnExcelExportGridObenClick);
    connect(btnExcelExportGridUnten, &QPushButton::clicked, this, &TUebersichtFrm::btnExcelExportGridUntenClick);
    connect(gvUmsatz, &TGepView::SelektPrev, this, &TUebersichtFrm::SelektPrev);
    connect(gvUmsatz, &TGepView::SelektNext, this, &TUebersichtFrm::SelektNext);
    return w;
}

QWidget* TUebersichtFrm::OPSeite() {
    QWidget* w = Seite("tshKundeOP");
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    gvOP = new TGepView(w);
    gvOP->setObjectName(QStringLiteral("gvOP"));
    tvOP = new TORVTreeView(w);
    tvOP->setObjectName(QStringLiteral("tvOP"));
    tvOP->SetImages(BonusBilder());
    btnBelegDetail = Knopf(w, "btnBelegDetail", "Detailanzeige zum Beleg");
    l->addWidget(gvOP);
    l->addWidget(tvOP, 1);
    auto* z = new QHBoxLayout;
    z->addWidget(btnBelegDetail);
    z->addStretch(1);
    l->addLayout(z);
    connect(btnBelegDetail, &QPushButton::clicked, this, [this] { tvOPDetail(tvOP->currentItem(), false); });
    connect(tvOP, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { tvOPDetail(item, true); });
    connect(gvOP, &TGepView::SelektPrev, this, &TUebersichtFrm::SelektPrev);
    connect(gvOP, &TGepView::SelektNext, this, &TUebersichtFrm::SelektNext);
    return w;
}

QWidget* TUebersichtFrm::BonusSeite() {
    QWidget* w = Seite("tshKundeBonus");
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    gvBonus = new TGepView(w);
    gvBonus->setObjectName(QStringLiteral("gvBonus"));
    l->addWidget(gvBonus);

    auto* werte = new QGridLayout;
    auto label = [w](const char* name, const char* text) {
        auto* lbl = new QLabel(QString::fromUtf8(text), w);
        lbl->setObjectName(QString::fromUtf8(name));
        return lbl;
    };
    auto wert = [w](const char* name) {
        auto* lbl = new QLabel(w);
        lbl->setObjectName(QString::fromUtf8(name));
        lbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lbl->setMinimumWidth(90);
        return lbl;
    };
    lblWert = wert("lblWert");
    lblBonus = wert("lblBonus");
    lblWertNeu = wert("lblWertNeu");
    lblBonusNeu = wert("lblBonusNeu");
    lblWertNeuCaption = label("lblWertNeuCaption", "Wert (neu)");
    lblBonusNeuCaption = label("lblBonusNeuCaption", "Bonus (neu)");
    werte->addWidget(label("lblWertCaption", "Wert"), 0, 0);
    werte->addWidget(lblWert, 0, 1);
    werte->addWidget(label("lblBonusCaption", "Bonus"), 0, 2);
    werte->addWidget(lblBonus, 0, 3);
    werte->addWidget(lblWertNeuCaption, 1, 0);
    werte->addWidget(lblWertNeu, 1, 1);
    werte->addWidget(lblBonusNeuCaption, 1, 2);
    werte->addWidget(lblBonusNeu, 1, 3);
    werte->setColumnStretch(4, 1);
    l->addLayout(werte);

    auto* mitte = new QHBoxLayout;
    tvBonus = new TORVTreeView(w);
    tvBonus->setObjectName(QStringLiteral("tvBonus"));
    tvBonus->SetImages(BonusBilder());
    mitte->addWidget(tvBonus, 1);
    auto* pgcBearbeiten = new QTabWidget(w);
    pgcBearbeiten->setObjectName(QStringLiteral("pgcBonusBearbeiten"));
    auto* tshBearbeiten = Seite("tshBearbeiten");
    auto* lb = new QVBoxLayout(tshBearbeiten);
    btnBONUBuchen = Knopf(tshBearbeiten, "btnBONUBuchen", "Berechneten Bonus verbuchen");
    btnBONUManuell = Knopf(tshBearbeiten, "btnBONUManuell", "Bonus manuell vergeben");
    btnBONUVerwendet = Knopf(tshBearbeiten, "btnBONUVerwendet", "Bonus als verwendet kennzeichnen");
    btnBONUStorno = Knopf(tshBearbeiten, "btnBONUStorno", "Bonus stornieren");
    for (QPushButton* b : {btnBONUBuchen, btnBONUManuell, btnBONUVerwendet, btnBONUStorno}) {
        lb->addWidget(b);
        b->setEnabled(false);  // the bonus functions come with their windows
    }
    connect(btnBONUBuchen, &QPushButton::clicked, this, [this] { BuchungfrdenselektiertenKunden1Click(); });
    btnBONUManuell->setEnabled(true);
    connect(btnBONUManuell, &QPushButton::clicked, this, [this] { BONUBucheManuellClick(true); });

    btnBONUVerwendet->setEnabled(true);
    btnBONUStorno->setEnabled(true);
    connect(btnBONUVerwendet, &QPushButton::clicked, this, [this] { btnBONUVerwendetClick(); });
    connect(btnBONUStorno, &QPushButton::clicked, this, [this] { btnBONUStornoClick(); });
    lb->addStretch(1);
    pgcBearbeiten->addTab(tshBearbeiten, QStringLiteral("Bearbeiten"));
    pgcBearbeiten->setMaximumWidth(260);
    mitte->addWidget(pgcBearbeiten);
    l->addLayout(mitte, 1);

    // A double-click opens the document; Enter does the same through the window (keyPressEvent).
    connect(tvBonus, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { tvBonusDetail(item); });
    connect(gvBonus, &TGepView::SelektPrev, this, &TUebersichtFrm::SelektPrev);
    connect(gvBonus, &TGepView::SelektNext, this, &TUebersichtFrm::SelektNext);
    return w;
}

QWidget* TUebersichtFrm::ErledigtSeite() {
    QWidget* w = Seite("tshKundeErledigt");
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    gvErledigt = new TGepView(w);
    gvErledigt->setObjectName(QStringLiteral("gvErledigt"));
    l->addWidget(gvErledigt);
    l->addStretch(1);
    connect(gvErledigt, &TGepView::SelektPrev, this, &TUebersichtFrm::SelektPrev);
    connect(gvErledigt, &TGepView::SelektNext, this, &TUebersichtFrm::SelektNext);
    return w;
}

QWidget* TUebersichtFrm::LegendeSeite() {
    QWidget* w = Seite("tshLegende");
    auto* l = new QGridLayout(w);
    const QList<QIcon> bilder = BonusBilder();
    for (int i = 0; i < kBonusBildAnzahl; ++i) {
        auto* bild = new QLabel(w);
        bild->setPixmap(bilder[i].pixmap(16, 16));
        auto* text = new QLabel(QString::fromUtf8(BonusBildLegende(i)), w);
        text->setObjectName(QStringLiteral("lblLegende%1").arg(i));
        l->addWidget(bild, i, 0);
        l->addWidget(text, i, 1);
    }
    l->setColumnStretch(1, 1);
    l->setRowStretch(kBonusBildAnzahl, 1);
    return w;
}

void TUebersichtFrm::MenueAufbauen() {
    auto aktion = [this](QMenu* menu, const char* name, const char* text, const QKeySequence& key = {},
                         bool aktiv = false) {
        QAction* a = menu->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::fromUtf8(name));
        if (!key.isEmpty()) a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(aktiv);
        addAction(a);
        return a;
    };
    QMenu* funktionen = mnuHaupt->addMenu(QStringLiteral("&Funktionen"));
    QMenu* uebersicht = funktionen->addMenu(QStringLiteral("Übersicht"));
    actSumBONUNeu = aktion(uebersicht, "SumBONUNeu", "Summe Bonus aller Kunden neu berechnen", QKeySequence(Qt::Key_F8));
    QAction* sumOP = aktion(uebersicht, "SumOPTab", "Summe offener Posten aller Kunden berechnen",
                            QKeySequence(Qt::SHIFT | Qt::Key_F8), true);
    connect(actSumBONUNeu, &QAction::triggered, this, [this] { SumBONUNeuClick(); });
    connect(sumOP, &QAction::triggered, this, [this] { SumOPTabClick(); });
    mnuBONUBuchen = funktionen->addMenu(QStringLiteral("Berechneten Bonus verbuchen"));
    actBONUBuchen = mnuBONUBuchen->menuAction();
    QAction* buchenEiner = aktion(mnuBONUBuchen, "BuchungfrdenselektiertenKunden1",
                                  "Buchung für den selektierten Kunden", QKeySequence(Qt::Key_F5), true);
    QAction* buchenAlle = aktion(mnuBONUBuchen, "BONUBuchenAlle", "Buchung für alle Kunden",
                                 QKeySequence(Qt::CTRL | Qt::Key_F5), true);
    connect(buchenEiner, &QAction::triggered, this, [this] { BuchungfrdenselektiertenKunden1Click(); });
    connect(buchenAlle, &QAction::triggered, this, [this] { BONUBuchenAlleClick(); });
    QMenu* manuell = funktionen->addMenu(QStringLiteral("Bonus manuell vergeben"));
    connect(aktion(manuell, "BONUBucheManuell", "Buchung für den selektierten Kunden", QKeySequence(Qt::Key_F2), true),
            &QAction::triggered, this, [this] { BONUBucheManuellClick(); });
    connect(aktion(manuell, "BONUBucheManuellAlle", "Buchung für alle Kunden", QKeySequence(Qt::CTRL | Qt::Key_F2), true),
            &QAction::triggered, this, [this] { BONUBucheManuellAlleClick(); });
    mnuBONULoeschen = funktionen->addMenu(QStringLiteral("Bonus löschen"));
    actBONULoeschen = mnuBONULoeschen->menuAction();
    QAction* loeschen = aktion(mnuBONULoeschen, "BONUDelete", "Buchung für den selektierten Kunden", {}, true);
    connect(loeschen, &QAction::triggered, this, [this] { BONUDeleteClick(); });
    aktion(mnuBONULoeschen, "BONUDeleteAlle", "Buchung für alle Kunden");
    QMenu* merkmal = funktionen->addMenu(QStringLiteral("Merkmal setzen"));
    QAction* merkmalEiner = aktion(merkmal, "BuchungfrdenselektiertenKunden3", "Buchung für den selektierten Kunden",
                                   QKeySequence(Qt::Key_F3), true);
    QAction* merkmalAlle = aktion(merkmal, "BuchungfralleKunden3", "Buchung für alle Kunden",
                                  QKeySequence(Qt::CTRL | Qt::Key_F3), true);
    connect(merkmalEiner, &QAction::triggered, this, [this] { BuchungfrdenselektiertenKunden3Click(); });
    connect(merkmalAlle, &QAction::triggered, this, [this] { BuchungfralleKunden3Click(); });
    actDrucken = aktion(funktionen, "mnuDrucken", "Übersicht drucken", QKeySequence(Qt::Key_F10), true);
    connect(actDrucken, &QAction::triggered, this, &TUebersichtFrm::btnDruckenClick);
    // Shift+F8 belongs to the open-item sum above.
    QAction* karteDrucken = aktion(funktionen, "mnuKarteDrucken", "Kundenkarten / Kundenetiketten drucken", {}, true);
    QAction* layoutKarte =
        aktion(funktionen, "mnuLayoutKarte", "Layout Kundenkarte / Kundenetikett bearbeiten", {}, true);
    connect(karteDrucken, &QAction::triggered, this, [this] { btnKarteDruckenClick(); });
    connect(layoutKarte, &QAction::triggered, this, &TUebersichtFrm::LayoutKarteClick);
    QAction* serBrief = aktion(funktionen, "mnuSerBrief", "Serienbrief ...", QKeySequence(Qt::SHIFT | Qt::Key_F9), true);
    connect(serBrief, &QAction::triggered, this, [this] { btnSerBriefClick(); });
    QAction* messageCenter =
        aktion(funktionen, "mnuMessageCenter", "Message Center", QKeySequence(Qt::SHIFT | Qt::Key_F10), true);
    connect(messageCenter, &QAction::triggered, this, &TUebersichtFrm::mnuMessageCenterClick);
    QAction* abc = aktion(funktionen, "mnuABC", "ABC-Kennzeichen", QKeySequence(Qt::SHIFT | Qt::Key_F1), true);
    connect(abc, &QAction::triggered, this, [this] { btnABCClick(); });
    funktionen->addSeparator();
    QAction* zurueck = funktionen->addAction(QStringLiteral("zurück"));
    zurueck->setObjectName(QStringLiteral("mnuZurueck"));
    connect(zurueck, &QAction::triggered, this, &TUebersichtFrm::btnZurueckClick);

    QMenu* ansicht = mnuHaupt->addMenu(QStringLiteral("Ansicht"));
    mnuSortierung = ansicht->addMenu(QStringLiteral("Sortierung"));
    auto* gruppe = new QActionGroup(this);
    static const char* const kSortTexte[5] = {"Kundenname", "Umsatz", "Menge", "Gesamtumsatz", "Gesamtmenge"};
    for (int i = 0; i < 5; ++i) {
        actSortierung[i] = mnuSortierung->addAction(QString::fromUtf8(kSortTexte[i]));
        actSortierung[i]->setObjectName(QStringLiteral("actSortierung%1").arg(i));
        actSortierung[i]->setCheckable(true);
        gruppe->addAction(actSortierung[i]);
        connect(actSortierung[i], &QAction::triggered, this, [this, i] { Sortierung(i); });
    }
    ansicht->addSeparator();
    static const char* const kSpaltenTexte[8] = {"Lieferant anzeigen", "Lief-Artikelnummer anzeigen",
                                                 "Merkmal 1 anzeigen", "Merkmal 2 anzeigen",
                                                 "Merkmal 3 anzeigen", "Merkmal 4 anzeigen",
                                                 "Merkmal 5 anzeigen", "Merkmal 6 anzeigen"};
    for (int i = 0; i < 8; ++i) {
        actSpalte[i] = ansicht->addAction(QString::fromUtf8(kSpaltenTexte[i]));
        actSpalte[i]->setObjectName(QStringLiteral("actSpalte%1").arg(kOptionaleSpalten[i]));
        actSpalte[i]->setCheckable(true);
        connect(actSpalte[i], &QAction::triggered, this, [this, i](bool on) { OptionaleSpalteClick(i, on); });
    }
    ansicht->addSeparator();
    actDetails = aktion(ansicht, "actDetails", "Details aus", QKeySequence(Qt::Key_F6), true);
    connect(actDetails, &QAction::triggered, this, &TUebersichtFrm::btnExpandClick);
    actVorheriger = aktion(ansicht, "actVorheriger", "vorheriger Kunde", QKeySequence(Qt::Key_PageUp), true);
    actNaechster = aktion(ansicht, "actNaechster", "nächster Kunde", QKeySequence(Qt::Key_PageDown), true);
    connect(actVorheriger, &QAction::triggered, this, &TUebersichtFrm::SelektPrev);
    connect(actNaechster, &QAction::triggered, this, &TUebersichtFrm::SelektNext);
    QAction* seiten = aktion(ansicht, "actSeiten", "Seite wählen", QKeySequence(Qt::Key_F4), true);
    connect(seiten, &QAction::triggered, this, [this] { pgcKunde->tabBar()->setFocus(); });

    QMenu* hilfe = mnuHaupt->addMenu(QStringLiteral("&?"));
    QAction* h = aktion(hilfe, "mnuHilfe", "Hilfe", QKeySequence(Qt::Key_F1), true);
    connect(h, &QAction::triggered, this, [this] {
        ORVInfo().HinweisBox(
            "Übersichtsliste: Bild auf / Bild ab wechseln den Kunden, F4 wählt die Seite, "
            "F6 blendet die Bonusdetails ein und aus, F10 druckt die Übersicht, Esc geht zurück.");
    });
    QAction* version = aktion(hilfe, "mnuVersionsanzeige", "Versionsanzeige", {}, true);
    connect(version, &QAction::triggered, this, [this] {
        if (DM()) DM()->Versionsanzeige(this);
    });
}

void TUebersichtFrm::SpaltenAnlegen() {
    mdlKISU->AddColumn(Spalte("NAME", "Kundenname"));
    mdlKISU->AddColumn(Spalte("VORNAME", "Kundenvorname"));
    mdlKISU->AddColumn(Spalte("SELUMSATZ", "Umsatz", true));
    mdlKISU->AddColumn(Spalte("SELMENGE", "Menge", false, true));
    mdlKISU->AddColumn(Spalte("GESUMSATZ", "Gesamtumsatz", true));
    mdlKISU->AddColumn(Spalte("GESMENGE", "Gesamtmenge", false, true));
    mdlKISU->AddColumn(Spalte("BONUSNEU", "Bonus/Rabattschein (neu)", true));
    mdlKISU->AddColumn(Spalte("BONUSABG", "Bonus (abg.)", true));
    mdlKISU->AddColumn(Spalte("BONUS", "Bonus", true));
    mdlKISU->AddColumn(Spalte("BONUSKASSE", "Bonus (Kasse)", true));
    mdlKISU->AddColumn(Spalte("A-GUTSCHEI", "Gutscheine", true));
    mdlKISU->AddColumn(Spalte("A-RECHNUNG", "Rechnung", true));
    mdlKISU->AddColumn(Spalte("KREDIT", "Kredit", true));
    mdlKISU->AddColumn(Spalte("AUSWAHL", "Auswahl", true));
    mdlKISU->AddColumn(Spalte("RESERV", "Reservierung", true));
    TORVColumn kunde = Spalte("KUNDE", "Kunde");
    kunde.width = -1;
    mdlKISU->AddColumn(kunde);
    mdlKISU->AddColumn(Spalte("RSCHEIN", "Rabattschein", true));
    TORVColumn gutschri = Spalte("A-GUTSCHRI", "Gutschriften", true);
    gutschri.visible = false;
    mdlKISU->AddColumn(gutschri);

    mdlKIVKBons->AddColumn(Spalte("BELEG", "Belegnummer"));
    mdlKIVKBons->AddColumn(Spalte("DATUM", "Datum"));
    mdlKIVKBons->AddColumn(Spalte("ISTVK", "Betrag", true));
    mdlKIVKBons->AddColumn(Spalte("MENGE", "Menge", false, true));
    for (const char* n : {"RNR", "LNR"}) {
        TORVColumn c = Spalte(n, n[0] == 'R' ? "RNr" : "LNr", false, true);
        c.visible = false;
        mdlKIVKBons->AddColumn(c);
    }
    mdlKIVKBons->AddColumn(Spalte("KUNDE", "Kunde"));
    mdlKIVKBons->AddColumn(Spalte("BELEGART", "Kurzbezeichnung der Belegart"));
    mdlKIVKBons->AddColumn(Spalte("BELEGLNR", "Belegnummer LNr", false, true));
    mdlKIVKBons->AddColumn(Spalte("BELEGRNR", "Belegnummer RNr1", false, true));

    mdlKIVKUmsatzArtikel->AddColumn(Spalte("ARTIKELNR", "Artikelnummer"));
    TORVColumn lief = Spalte("LIEFERANT", "Lieferant");
    lief.visible = false;
    mdlKIVKUmsatzArtikel->AddColumn(lief);
    TORVColumn liefArt = Spalte("LIEFARTNR", "Lief-Artikelnummer");
    liefArt.visible = false;
    mdlKIVKUmsatzArtikel->AddColumn(liefArt);
    for (int m = 1; m <= 6; ++m) {
        const QByteArray name = "MERKMAL" + QByteArray::number(m);
        const QByteArray caption = "Merkmal " + QByteArray::number(m);
        TORVColumn c = Spalte(name.constData(), caption.constData());
        c.visible = false;
        mdlKIVKUmsatzArtikel->AddColumn(c);
    }
    mdlKIVKUmsatzArtikel->AddColumn(Spalte("GROESSE", "Größe"));
    mdlKIVKUmsatzArtikel->AddColumn(Spalte("ISTVK", "IstVk", true));
    mdlKIVKUmsatzArtikel->AddColumn(Spalte("SOLLVK", "SollVk", true));
    mdlKIVKUmsatzArtikel->AddColumn(Spalte("MENGE", "Menge", false, true));
    mdlKIVKUmsatzArtikel->AddColumn(Spalte("VKKZ", "VkKz"));
    mdlKIVKUmsatzArtikel->AddColumn(Spalte("DATUM", "Datum"));
    mdlKIVKUmsatzArtikel->AddColumn(Spalte("FILIALE", "Filiale", false, true));
    TORVColumn produkt = Spalte("PRODUKTID", "ProduktId");
    produkt.visible = false;
    mdlKIVKUmsatzArtikel->AddColumn(produkt);
    grdKIVKBons->SetDataModel(mdlKIVKBons);
    grdKIVKUmsatzArtikel->SetDataModel(mdlKIVKUmsatzArtikel);
}
