#include "selection/selektion_frm.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dm.h"
#include "app/version_dialog.h"
#include "engine/merova_filter.h"
#include "overview/uebersicht_frm.h"
#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/button_menu.h"
#include "platform/ui/gpsel/gp_sel_adr_box.h"
#include "platform/ui/gpsel/gp_sel_erw_box.h"
#include "platform/ui/gpsel/gp_sel_grid_box.h"
#include "platform/ui/std_button.h"
#include "selection/box_filter.h"
#include "selection/sum_sel_op_box.h"
#include "selection/sum_sel_vk_box.h"
#include "selection/vk_sel_bon_box.h"
#include "selection/vk_sel_pos_box.h"

namespace {

const char* kSlotKunde = "SELKNDUM";
const char* kSlotBonus = "SELBONUS";

// Guards one step: an exception is registered under the method's name and the window goes on.
template <class F>
void Schritt(const char* name, F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(std::string("TSelektionFrm.") + name, e, 1);
    }
}

}  // namespace

TSelektionFrm::TSelektionFrm(TDM* dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    FormCreate();
}

TSelektionFrm::~TSelektionFrm() {
    for (TSelBox* box : Boxen()) Schritt("FormDestroy", [box] { box->Done(); });
}

QString TSelektionFrm::AutoMaske() {
    return QStringLiteral("(zuletzt)");
}

kis::services::FormStore& TSelektionFrm::FormStore() const {
    return *store_;
}

void TSelektionFrm::FormCreate() {
    setObjectName(QStringLiteral("SelektionFrm"));
    setMinimumSize(750, 500);
    resize(980, 700);
    store_ = std::make_unique<kis::services::FormStore>(
        kis::services::FormStoreSlot{"MEROVA", "DEU", kSlotKunde, "0"});

    auto* haupt = new QVBoxLayout(this);
    BuildMenu();
    haupt->setMenuBar(menu_);
    haupt->addWidget(BuildPages(), 1);

    auto* unten = new QHBoxLayout;
    btnZurueck = new TORVStdButton(TORVStdButton::Kind::Zurueck, this);
    btnZurueck->setObjectName(QStringLiteral("btnZurueck"));
    btnClear = new TORVStdButton(TORVStdButton::Kind::MaskeLeeren, this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnSelektion = new TORVStdButton(QStringLiteral("Selektion - F5"), this);
    btnSelektion->setObjectName(QStringLiteral("btnSelektion"));
    // F5 belongs to the menu entry; a second shortcut on the button would make it ambiguous.
    btnSelektion->setShortcut(QKeySequence());
    unten->addWidget(btnZurueck);
    unten->addStretch(1);
    unten->addWidget(btnClear);
    unten->addWidget(btnSelektion);
    haupt->addLayout(unten);
    connect(btnZurueck, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnClear, &QPushButton::clicked, this, &TSelektionFrm::btnClearClick);
    connect(btnSelektion, &QPushButton::clicked, this, &TSelektionFrm::btnSelektionClick);

    // The attribute grid's value column is white, whatever the style.
    GPSelMerkmBox->Grid()->setStyleSheet(QStringLiteral("QTableWidget { background: #FFFFFF; }"));
    for (TSelBox* box : Boxen()) {
        Schritt("FormCreate", [box] { box->Init(); });
        box->FMaskeOwner = QString::fromStdString(store_->Slot().slot);
    }
    SumSelEVBox->hide();
    setTabOrder(btnClear, btnSelektion);
}

QWidget* TSelektionFrm::BuildPages() {
    auto* splitter = new QSplitter(this);
    pgcSelektionsdaten = new QTabWidget(splitter);
    pgcSelektionsdaten->setObjectName(QStringLiteral("pgcSelektionsdaten"));
    auto seite = [&](const char* name, const QString& caption) {
        auto* scroll = new QScrollArea(pgcSelektionsdaten);
        scroll->setObjectName(QLatin1String(name));
        scroll->setWidgetResizable(false);
        // A steady viewport width: the boxes take it, so no horizontal bar comes and goes.
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        auto* inhalt = new QWidget(scroll);
        scroll->setWidget(inhalt);
        pgcSelektionsdaten->addTab(scroll, caption);
        seiten_.push_back(scroll);
        return inhalt;
    };
    QWidget* kunde = seite("tshKunde", QStringLiteral("Kunde"));
    QWidget* verkauf = seite("tshVerkauf", QStringLiteral("Verkauf"));
    QWidget* gesamt = seite("tshGesamtdaten", QStringLiteral("Gesamtdaten"));
    GPSelAdrBox = new TGPSelAdrBox(kunde);
    GPSelErwBox = new TGPSelErwBox(kunde);
    GPSelMerkmBox = new TGPSelMerkmBox(kunde);
    GPSelNrBox = new TGPSelNrBox(kunde);
    VkSelBonBox = new TVkSelBonBox(verkauf);
    VkSelPosBox = new TVkSelPosBox(verkauf);
    SumSelVkBox = new TSumSelVkBox(gesamt);
    SumSelOPBox = new TSumSelOPBox(gesamt);
    SumSelEVBox = new TSumSelEVBox(gesamt);

    bmnSelektionModi = new TORVStdButtonMenu(splitter);
    bmnSelektionModi->setObjectName(QStringLiteral("bmnSelektionModi"));
    bmnSelektionModi->AddHeadline(QStringLiteral("Headline 0"), QStringLiteral("Selektion Kunde"));
    bmnSelektionModi->AddButton(QStringLiteral("btnGPSelAdrBox"), QStringLiteral("Adresse"));
    bmnSelektionModi->AddButton(QStringLiteral("btnGPSelErwBox"), QStringLiteral("Erweitert"));
    bmnSelektionModi->AddButton(QStringLiteral("btnGPSelMerkmBox"), QStringLiteral("Merkmale"));
    bmnSelektionModi->AddButton(QStringLiteral("btnGPSelNrBox"), QStringLiteral("Nummern"));
    bmnSelektionModi->AddHeadline(QStringLiteral("Button 3"), QStringLiteral("Selektion Verkauf"));
    bmnSelektionModi->AddButton(QStringLiteral("btnVkSelBonBox"), QStringLiteral("Bon"));
    bmnSelektionModi->AddButton(QStringLiteral("btnVkSelPosBox"), QStringLiteral("Artikel"));
    bmnSelektionModi->AddHeadline(QStringLiteral("Button 9"),
                                  QStringLiteral("Selektion Gesamtdaten"));
    bmnSelektionModi->AddButton(QStringLiteral("btnSumSelVkBox"), QStringLiteral("Summe Verkäufe"));
    bmnSelektionModi->AddButton(QStringLiteral("btnSumSelOPBox"), QStringLiteral("Offene Posten"));
    bmnSelektionModi->AddButton(QStringLiteral("btnSumSelEVBox"),
                                QStringLiteral("Erledigte Vorgänge"), false);
    bmnSelektionModi->OnClick = [this](int index, const QString& name) {
        bmnSelektionModiClick(index, name);
    };
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({760, 200});
    return splitter;
}

void TSelektionFrm::BuildMenu() {
    menu_ = new QMenuBar(this);
    auto add = [this](QMenu* m, const char* name, const QString& text, const QKeySequence& key,
                      auto slot) {
        QAction* a = m->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);  // keys work while the menu bar is closed
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* f = menu_->addMenu(QStringLiteral("&Funktionen"));
    add(f, "actSelektion", QStringLiteral("Selektion starten"), QKeySequence(Qt::Key_F5),
        [this] { btnSelektionClick(); });
    add(f, "actClear", QStringLiteral("Maske leeren"), QKeySequence(Qt::Key_F9),
        [this] { btnClearClick(); });
    add(f, "actMaskeLaden", QStringLiteral("Maske laden"), QKeySequence(Qt::ALT | Qt::Key_F9),
        [this] { MaskeLaden(); });
    add(f, "actMaskeLoeschen", QStringLiteral("Maske löschen"), QKeySequence(Qt::CTRL | Qt::Key_F9),
        [this] { MaskeLoeschen(); });
    add(f, "actMaskeSpeichern", QStringLiteral("Maske speichern"),
        QKeySequence(Qt::SHIFT | Qt::Key_F9), [this] { MaskeSpeichern(); });
    f->addSeparator();
    add(f, "actESC", QStringLiteral("zurück"), QKeySequence(Qt::Key_Escape), [this] { reject(); });
    QMenu* b = menu_->addMenu(QStringLiteral("&Bearbeiten"));
    add(b, "actWertGefuellt", QStringLiteral("Wert gefüllt"), QKeySequence(Qt::Key_F6),
        [this] { GridAktion(0); });
    add(b, "actWertLeer", QStringLiteral("Wert leer"), QKeySequence(Qt::Key_F7),
        [this] { GridAktion(1); });
    add(b, "actWertVergleichen", QStringLiteral("Wert vergleichen"), QKeySequence(Qt::Key_F8),
        [this] { GridAktion(2); });
    QMenu* h = menu_->addMenu(QStringLiteral("&?"));
    add(h, "actHilfe", QStringLiteral("Hilfe"), QKeySequence(Qt::Key_F1), [] {});
    add(h, "actVersion", QStringLiteral("Versionsanzeige"), QKeySequence(), [this] {
        TVersionsanzeige dlg(QStringLiteral("Kundeninformation"), this);
        dlg.exec();
    });
    // F4 switches pages.
    auto* seite = new QAction(this);
    seite->setObjectName(QStringLiteral("actSeite"));
    seite->setShortcut(QKeySequence(Qt::Key_F4));
    addAction(seite);
    connect(seite, &QAction::triggered, this, [this] {
        pgcSelektionsdaten->setCurrentIndex((pgcSelektionsdaten->currentIndex() + 1) %
                                            pgcSelektionsdaten->count());
    });
}

std::vector<TSelBox*> TSelektionFrm::Boxen() const {
    return {GPSelAdrBox, GPSelErwBox, GPSelMerkmBox, GPSelNrBox, VkSelBonBox,
            VkSelPosBox, SumSelVkBox, SumSelOPBox,   SumSelEVBox};
}

TSelBox* TSelektionFrm::Box(const QString& name) const {
    for (TSelBox* box : Boxen())
        if (box->objectName().compare(name, Qt::CaseInsensitive) == 0) return box;
    return nullptr;
}

int TSelektionFrm::AusfuehrenKundeninfo() {
    FModus = TSelektionFrmModus::smKundeninfoSelektion;
    if (dm_) dm_->KIModus = FModus;
    FModusListe.clear();
    return exec();
}

int TSelektionFrm::AusfuehrenBonus(const QStringList& modusListe) {
    FModus = TSelektionFrmModus::smBonusSelektion;
    if (dm_) dm_->KIModus = FModus;
    FModusListe = modusListe;
    return exec();
}

void TSelektionFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TSelektionFrm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ElementePositionieren();
}

void TSelektionFrm::done(int result) {
    // The window keeps the last box visibility of its mode.
    Schritt("FormClose", [this] { SichtbarkeitSpeichern(AutoMaske()); });
    QDialog::done(result);
}

void TSelektionFrm::FormShow() {
    Schritt("FormShow", [this] {
        auto* knoepfe = bmnSelektionModi->Buttons();
        for (int i = 0; i < knoepfe->Count(); ++i)
            if (knoepfe->At(i).kind == TBtnCollection::Kind::Button)
                knoepfe->SetEnabled(i, knoepfe->At(i).name != QLatin1String("btnSumSelEVBox"));
        for (TSelBox* box : Boxen()) box->EnabledSetzen(true);
        btnClearClick();
        const bool bonus = FModus == TSelektionFrmModus::smBonusSelektion;
        const QString mandant = QString::fromStdString(ORVProgramm().GetTextMandant());
        setWindowTitle((bonus ? QStringLiteral("Selektion für Bonusberechnung - ")
                              : QStringLiteral("Selektion für Kundeninformation - ")) +
                       mandant);
        store_->SetSlot(bonus ? kSlotBonus : kSlotKunde);
        SichtbarkeitLaden(AutoMaske());
    });
    Schritt("FormShow_ModusListe", [this] { FormShow_ModusListe(); });
    Schritt("FormShow", [this] {
        for (TSelBox* box : Boxen()) box->FMaskeOwner = QString::fromStdString(store_->Slot().slot);
        pgcSelektionsdaten->setCurrentIndex(1);
        pgcSelektionsdaten->setCurrentIndex(0);
        ElementePositionieren();
        ParseBoxes();
        for (TSelBox* box : Boxen())
            if (box != SumSelEVBox && !box->isHidden()) {
                SeiteFuer(box);
                break;
            }
        btnSelektion->setFocus();
    });
    Schritt("FormShow_AutoBGModus", [this] { FormShow_AutoBGModus(); });
}

void TSelektionFrm::FormShow_AutoBGModus() {
    if (dm_ && dm_->AutoBGModus)
        QMetaObject::invokeMethod(btnSelektion, "click", Qt::QueuedConnection);
}

void TSelektionFrm::SeiteFuer(TSelBox* box) {
    for (size_t i = 0; i < seiten_.size(); ++i)
        if (seiten_[i]->widget()->isAncestorOf(box)) pgcSelektionsdaten->setCurrentIndex(int(i));
}

void TSelektionFrm::ElementePositionieren() {
    Schritt("ElementePositionieren", [this] {
        if (seiten_.empty()) return;
        // Pages not shown yet have no size of their own; all pages share the current one's.
        auto* aktuell = qobject_cast<QScrollArea*>(pgcSelektionsdaten->currentWidget());
        const int viewport = (aktuell ? aktuell : seiten_.front())->viewport()->width();
        for (size_t i = 0; i < seiten_.size(); ++i) {
            QScrollArea* scroll = seiten_[i];
            scroll->horizontalScrollBar()->setValue(0);
            scroll->verticalScrollBar()->setValue(0);
            QWidget* inhalt = scroll->widget();
            const int rand = i == 0 ? 4 : 2;
            int top = 4, rechts = viewport;
            for (TSelBox* box : Boxen()) {
                if (box->parentWidget() != inhalt || box->isHidden()) continue;
                // A box never gets narrower than it can show; the page scrolls instead.
                const int breite =
                    std::max(viewport - (i == 0 ? 8 : 4), box->minimumSizeHint().width());
                const int hoehe = box->hasHeightForWidth() ? box->heightForWidth(breite)
                                                           : box->sizeHint().height();
                box->setGeometry(rand, top, breite, hoehe);
                top += hoehe + 4;
                rechts = std::max(rechts, rand + breite + rand);
            }
            inhalt->resize(rechts, top);
        }
    });
}

bool TSelektionFrm::Haekchen(const QString& buttonName) const {
    const QWidget* w = bmnSelektionModi->EntryWidget(bmnSelektionModi->IndexOf(buttonName));
    return w && w->property("haekchen").toBool();
}

void TSelektionFrm::ParseBoxes() {
    Schritt("ParseBoxes", [this] {
        for (int i = 0; i < bmnSelektionModi->Buttons()->Count(); ++i) {
            const QString name = bmnSelektionModi->Buttons()->At(i).name;
            TSelBox* box = Box(name.mid(3));
            auto* knopf = qobject_cast<QPushButton*>(bmnSelektionModi->EntryWidget(i));
            if (!box || !knopf || !name.startsWith(QLatin1String("btn"))) continue;
            const bool an = !box->isHidden();
            knopf->setIcon(an ? TORVStdButtonMenu::CheckMarkIcon() : QIcon());
            knopf->setProperty("haekchen", an);
        }
    });
}

void TSelektionFrm::bmnSelektionModiClick(int index, const QString& name) {
    Schritt("bmnSelektionModiClick", [&] {
        bmnSelektionModi->setFocus();
        TSelBox* box = Box(name.mid(3));
        if (!box) return;
        box->setVisible(box->isHidden());
        if (auto* knopf = qobject_cast<QPushButton*>(bmnSelektionModi->EntryWidget(index))) {
            const bool an = !box->isHidden();
            knopf->setIcon(an ? TORVStdButtonMenu::CheckMarkIcon() : QIcon());
            knopf->setProperty("haekchen", an);
        }
        ElementePositionieren();
    });
}

void TSelektionFrm::btnClearClick() {
    for (TSelBox* box : Boxen()) Schritt("btnClearClick", [box] { box->Clear(); });
}

void TSelektionFrm::GridAktion(int aktion) {
    Schritt("GridAktion", [&] {
        QWidget* fokus = QApplication::focusWidget();
        for (TGPSelGridBox* box : {static_cast<TGPSelGridBox*>(GPSelMerkmBox),
                                   static_cast<TGPSelGridBox*>(GPSelNrBox)}) {
            if (fokus && (fokus == box->Grid() || box->Grid()->isAncestorOf(fokus))) box->WertAktion(aktion);
        }
    });
}

void TSelektionFrm::FilterSetzen(TMerovaFilter& filter) const {
    // Customer, sales and total-data boxes in this order; a hidden box gives nothing.
    for (TSelBox* box : Boxen())
        if (!box->isHidden()) kis::selection::BoxInFilter(*box, filter);
}

void TSelektionFrm::btnSelektionClick() {
    try {
        btnSelektion->setFocus();
        if (!dm_ || !dm_->KIFilter) return;
        dm_->KIFilter->Clear();
        FilterSetzen(*dm_->KIFilter);
        if (dm_->AutoBGModus) hide();
        setEnabled(false);
        bool ok = false;
        try {
            ok = dm_->ExecuteKIQuery();
        } catch (...) {
            setEnabled(true);
            throw;
        }
        setEnabled(true);
        if (ok) UebersichtOeffnen();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TSelektionFrm.btnSelektionClick", e, 1);
    }
}

void TSelektionFrm::UebersichtOeffnen() {
    if (!uebersicht_) uebersicht_ = new TUebersichtFrm(this);
    uebersicht_->Ausfuehren(FModus);
}
