// TKundEingSerbFrm: building, showing, the criteria and the selection runs.
#include "serienbrief/kund_eing_serb_frm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dm.h"
#include "bonus/radio_gruppe.h"
#include "engine/merova_filter.h"
#include "engine/merova_query.h"
#include "overview/datei_quelle.h"
#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/record_files.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/dochost/gp_doc_host.h"
#include "platform/ui/gpsel/gp_sel_adr_box.h"
#include "platform/ui/gpsel/gp_sel_erw_box.h"
#include "platform/ui/gpsel/gp_sel_grid_box.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/serbrief/gp_ser_brief.h"
#include "platform/ui/std_button.h"
#include "selection/box_bau.h"
#include "selection/box_filter.h"

namespace {

const char* kSlot = "KNDSBSEL";

}  // namespace

TKundEingSerbFrm::TKundEingSerbFrm(TDM* dm, QWidget* parent) : QDialog(parent), dm_(dm) {
    FormCreate();
}

TKundEingSerbFrm::~TKundEingSerbFrm() {
    bool ok = true;
    auto schritt = [&ok](auto&& f) {
        try {
            f();
        } catch (const std::exception& e) {
            ORVInfo().RegisterException("TKundEingSerbFrm.FormDestroy", e, 0);
            ok = false;
        }
    };
    schritt([this] { GPSerBrief.reset(); });
    schritt([this] { GPDocHost.reset(); });
    schritt([this] {
        if (kisufile_) kisufile_->Close();
    });
    for (TSelBox* box : Boxen()) schritt([box] { box->Done(); });
    if (!ok) ORVInfo().FehlerTerminate("TKundEingSerbFrm.FormDestroy");
}

void TKundEingSerbFrm::Registrieren(const char* methode, const std::exception& e) {
    ORVInfo().RegisterException(std::string("TKundEingSerbFrm.") + methode, e, 1);
}

std::vector<TSelBox*> TKundEingSerbFrm::Boxen() const {
    return {GPSelAdrBox, GPSelErwBox, GPSelMerkmBox, GPSelNrBox};
}

void TKundEingSerbFrm::FormCreate() {
    setObjectName(QStringLiteral("KundEingSerbFrm"));
    setWindowTitle(QStringLiteral("Selektion für Kundenserienbriefe - ") +
                   QString::fromStdString(ORVProgramm().GetTextMandant()));
    resize(820, 620);
    store_ = std::make_unique<kis::services::FormStore>(kis::services::FormStoreSlot{"MEROVA", "DEU", kSlot, "0"});
    // The sales page is kept under the same mask names, beside the main store's entries.
    vkStore_ = std::make_unique<kis::services::FormStore>(kis::services::FormStoreSlot{"MEROVA", "DEU", kSlot, "VK"});
    kisufile_ = std::make_unique<kis::store::Tkisufile>();
    kisufile_->SetFileNameRel(TMerovaQuery::KisuFileName());

    auto* haupt = new QVBoxLayout(this);
    pgcSelektion = new QTabWidget(this);
    pgcSelektion->setObjectName(QStringLiteral("pgcSelektion"));
    GPSelAdrBox = new TGPSelAdrBox;
    GPSelErwBox = new TGPSelErwBox;
    GPSelMerkmBox = new TGPSelMerkmBox;
    GPSelNrBox = new TGPSelNrBox;
    tshAdr = SeiteMitBox("tshAdr", GPSelAdrBox, spbClearAdr, "spbClearAdr");
    tshErw = SeiteMitBox("tshErw", GPSelErwBox, spbClearErw, "spbClearErw");
    tshMerkmale = SeiteMitBox("tshMerkmale", GPSelMerkmBox, spbClearMM, "spbClearMM");
    tshNr = SeiteMitBox("tshNr", GPSelNrBox, spbClearNr, "spbClearNr");
    tshVerkaeufe = VerkaeufeSeite();
    tshSelektion = SelektionSeite();
    pgcSelektion->addTab(tshAdr, QStringLiteral("Name und Adresse"));
    pgcSelektion->addTab(tshErw, QStringLiteral("Erweitert"));
    pgcSelektion->addTab(tshMerkmale, QStringLiteral("Merkmale"));
    pgcSelektion->addTab(tshNr, QStringLiteral("Nummern"));
    pgcSelektion->addTab(tshVerkaeufe, QStringLiteral("Verkäufe"));
    pgcSelektion->addTab(tshSelektion, QStringLiteral("Selektion"));
    haupt->addWidget(pgcSelektion, 1);
    lblSaetze = new QLabel(this);
    lblSaetze->setObjectName(QStringLiteral("lblSaetze"));
    haupt->addWidget(lblSaetze);

    auto knopf = [this](const char* name, const QString& caption, const QString& hint = {}) {
        auto* b = new TORVStdButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(hint);
        b->setShortcut(QKeySequence());  // the keys belong to the window's actions
        b->setAutoDefault(false);
        return b;
    };
    btnZurueck = new TORVStdButton(TORVStdButton::Kind::Zurueck, this);
    btnZurueck->setObjectName(QStringLiteral("btnZurueck"));
    btnZurueck->setShortcut(QKeySequence());
    btnZurueck->setAutoDefault(false);
    btnClear = new TORVStdButton(TORVStdButton::Kind::MaskeLeeren, this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnClear->setToolTip(QStringLiteral("Eingestellte Selektionskriterien werden gelöscht"));
    btnClear->setShortcut(QKeySequence());
    btnClear->setAutoDefault(false);
    btnSpeichern = knopf("btnSpeichern", QStringLiteral("Speichern ... - F19"));
    btnLaden = knopf("btnLaden", QStringLiteral("Laden ... - F29"));
    btnLoeschen = knopf("btnLoeschen", QStringLiteral("Löschen ... - F39"));
    btnMessageCenter = knopf("btnMessageCenter", QStringLiteral("Message Center - F20"));
    btnSerBrief = knopf("btnSerBrief", QStringLiteral("Serienbrief ... - F10"),
                        QStringLiteral("Serienbrieffunktion starten ..."));
    btnAnhaengen = knopf("btnAnhaengen", QStringLiteral("Anhängen - F25"),
                         QStringLiteral("Selektion durchführen und an ggf. vorhandene Datei anhängen"));
    btnSelektion = knopf("btnSelektion", QStringLiteral("Selektion - F5"), QStringLiteral("Selektion durchführen"));
    auto* masken = new QHBoxLayout;
    masken->addStretch(1);
    for (QPushButton* b : {static_cast<QPushButton*>(btnSpeichern), static_cast<QPushButton*>(btnLaden),
                           static_cast<QPushButton*>(btnLoeschen)})
        masken->addWidget(b);
    haupt->addLayout(masken);
    auto* unten = new QHBoxLayout;
    unten->addWidget(btnZurueck);
    unten->addStretch(1);
    for (QPushButton* b : {static_cast<QPushButton*>(btnClear), static_cast<QPushButton*>(btnMessageCenter),
                           static_cast<QPushButton*>(btnSerBrief), static_cast<QPushButton*>(btnAnhaengen),
                           static_cast<QPushButton*>(btnSelektion)})
        unten->addWidget(b);
    haupt->addLayout(unten);

    AktionenAufbauen();
    connect(btnZurueck, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnClear, &QPushButton::clicked, this, &TKundEingSerbFrm::btnClearClick);
    connect(btnSpeichern, &QPushButton::clicked, this, &TKundEingSerbFrm::MaskeSpeichern);
    connect(btnLaden, &QPushButton::clicked, this, &TKundEingSerbFrm::MaskeLaden);
    connect(btnLoeschen, &QPushButton::clicked, this, &TKundEingSerbFrm::MaskeLoeschen);
    connect(btnMessageCenter, &QPushButton::clicked, this, &TKundEingSerbFrm::btnMessageCenterClick);
    connect(btnSerBrief, &QPushButton::clicked, this, &TKundEingSerbFrm::btnSerBriefClick);
    connect(btnAnhaengen, &QPushButton::clicked, this, &TKundEingSerbFrm::btnAnhaengenClick);
    connect(btnSelektion, &QPushButton::clicked, this, &TKundEingSerbFrm::btnSelektionClick);

    for (TSelBox* box : Boxen()) {
        try {
            box->Init();
        } catch (const std::exception& e) {
            Registrieren("FormCreate", e);
        }
        box->FMaskeOwner = QString::fromLatin1(kSlot);
    }
    // The evaluation filter of this window does not take "never had a bonus" (the criterion
    // belongs to the evaluation), so the box does not offer it here.
    if (auto* nie = GPSelErwBox->findChild<QWidget*>(QStringLiteral("chbKundeBonusNie"))) nie->hide();
}

QWidget* TKundEingSerbFrm::SeiteMitBox(const char* name, TSelBox* box, QToolButton*& clear, const char* clearName) {
    auto* seite = new QWidget(this);
    seite->setObjectName(QLatin1String(name));
    auto* l = new QVBoxLayout(seite);
    auto* kopf = new QHBoxLayout;
    clear = new QToolButton(seite);
    clear->setObjectName(QLatin1String(clearName));
    clear->setText(QStringLiteral("Leeren"));
    clear->setToolTip(QStringLiteral("Eingestellte Selektionskriterien werden gelöscht"));
    clear->setFocusPolicy(Qt::NoFocus);
    connect(clear, &QToolButton::clicked, this, [this, box] {
        try {
            box->Clear();
        } catch (const std::exception& e) {
            Registrieren("btnClearClick", e);
        }
    });
    kopf->addStretch(1);
    kopf->addWidget(clear);
    l->addLayout(kopf);
    box->setParent(seite);
    // The grid boxes take the page; the others their natural height.
    const bool grid = qobject_cast<TGPSelGridBox*>(box) != nullptr;
    l->addWidget(box, grid ? 1 : 0);
    if (!grid) l->addStretch(1);
    return seite;
}

QWidget* TKundEingSerbFrm::VerkaeufeSeite() {
    auto* seite = new QWidget(this);
    seite->setObjectName(QStringLiteral("tshVerkaeufe"));
    auto* l = new QVBoxLayout(seite);
    rgrpVerkaeufeJaNein = new TRadioGruppe(
        QStringLiteral("rgrpVerkaeufeJaNein"), QStringLiteral("Verkäufe zum Kunden vorhanden"),
        {QStringLiteral("Egal"), QStringLiteral("Ja"), QStringLiteral("Nein")}, 3, seite);
    rgrpVerkaeufeJaNein->SetItemIndex(0);
    l->addWidget(rgrpVerkaeufeJaNein);
    grpbVonBis = new QGroupBox(QStringLiteral("Zeitraum"), seite);
    grpbVonBis->setObjectName(QStringLiteral("grpbVonBis"));
    auto* g = new QGridLayout(grpbVonBis);
    edtDatumVon = new TORVDateEdit(grpbVonBis);
    edtDatumVon->setObjectName(QStringLiteral("edtDatumVon"));
    edtDatumBis = new TORVDateEdit(grpbVonBis);
    edtDatumBis->setObjectName(QStringLiteral("edtDatumBis"));
    lblDatumVon = new QLabel(QStringLiteral("von"), grpbVonBis);
    lblDatumVon->setObjectName(QStringLiteral("lblDatumVon"));
    lblDatumVon->setBuddy(edtDatumVon);
    lblDatumBis = new QLabel(QStringLiteral("bis"), grpbVonBis);
    lblDatumBis->setObjectName(QStringLiteral("lblDatumBis"));
    lblDatumBis->setBuddy(edtDatumBis);
    g->addWidget(lblDatumVon, 0, 0);
    g->addWidget(kis::selection::MitKalender(grpbVonBis, edtDatumVon, "btnDatumVon"), 0, 1);
    g->addWidget(lblDatumBis, 0, 2);
    g->addWidget(kis::selection::MitKalender(grpbVonBis, edtDatumBis, "btnDatumBis"), 0, 3);
    g->setColumnStretch(4, 1);
    l->addWidget(grpbVonBis);
    chbKeineOP = new QCheckBox(QStringLiteral("keine offenen Posten"), seite);
    chbKeineOP->setObjectName(QStringLiteral("chbKeineOP"));
    l->addWidget(chbKeineOP);
    l->addStretch(1);
    connect(rgrpVerkaeufeJaNein, &TRadioGruppe::Clicked, this, [this] { rgrpVerkaeufeJaNeinClick(); });
    edtDatumVon->installEventFilter(this);
    edtDatumBis->installEventFilter(this);
    return seite;
}

QWidget* TKundEingSerbFrm::SelektionSeite() {
    auto* seite = new QWidget(this);
    seite->setObjectName(QStringLiteral("tshSelektion"));
    auto* l = new QVBoxLayout(seite);
    grdSelektion = new TORVDataGrid(seite);
    grdSelektion->setObjectName(QStringLiteral("grdSelektion"));
    mdlSelektion = new TORVDataModel(grdSelektion);
    for (const char* name : {"NAME", "VORNAME"}) {
        TORVColumn spalte;
        spalte.name = QLatin1String(name);
        spalte.caption = spalte.name == QLatin1String("NAME") ? QStringLiteral("Name") : QStringLiteral("Vorname");
        mdlSelektion->AddColumn(spalte);
    }
    grdSelektion->SetDataModel(mdlSelektion);
    grdSelektion->horizontalHeader()->setStretchLastSection(true);
    grdSelektion->setSelectionBehavior(QAbstractItemView::SelectRows);
    l->addWidget(grdSelektion);
    return seite;
}

void TKundEingSerbFrm::AktionenAufbauen() {
    auto* menu = new QMenuBar(this);
    layout()->setMenuBar(menu);
    QMenu* funktion = menu->addMenu(QStringLiteral("&Funktion"));
    auto aktion = [this](QMenu* m, const char* name, const QString& text, const QKeySequence& key, auto slot) {
        auto* a = m ? m->addAction(text) : new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    actSelektion = aktion(funktion, "actSelektion", QStringLiteral("Selektion"), QKeySequence(Qt::Key_F5),
                          [this] { btnSelektionClick(); });
    actAnhaengen = aktion(funktion, "actAnhaengen", QStringLiteral("Anhängen"), QKeySequence(Qt::CTRL | Qt::Key_F5),
                          [this] { btnAnhaengenClick(); });
    actClear = aktion(funktion, "actClear", QStringLiteral("Maske leeren"), QKeySequence(Qt::Key_F9),
                      [this] { btnClearClick(); });
    actSerBrief = aktion(funktion, "actSerBrief", QStringLiteral("Serienbrief ..."), QKeySequence(Qt::Key_F10),
                         [this] { btnSerBriefClick(); });
    funktion->addSeparator();
    actSpeichern = aktion(funktion, "actSpeichern", QStringLiteral("Speichern ..."),
                          QKeySequence(Qt::SHIFT | Qt::Key_F9), [this] { MaskeSpeichern(); });
    actLaden = aktion(funktion, "actLaden", QStringLiteral("Laden ..."), QKeySequence(Qt::CTRL | Qt::Key_F9),
                      [this] { MaskeLaden(); });
    actLoeschen = aktion(funktion, "actLoeschen", QStringLiteral("Löschen ..."), QKeySequence(Qt::ALT | Qt::Key_F9),
                         [this] { MaskeLoeschen(); });
    funktion->addSeparator();
    actPassivieren = aktion(funktion, "actF18", QStringLiteral("Selektion passivieren"),
                            QKeySequence(Qt::SHIFT | Qt::Key_F8), [this] { SelektionPassivieren(); });
    funktion->addSeparator();
    actZurueck = aktion(funktion, "actZurueck", QStringLiteral("Zurück"), QKeySequence(Qt::Key_Escape),
                        [this] { reject(); });
    aktion(nullptr, "actF4", QString(), QKeySequence(Qt::Key_F4), [this] {
        pgcSelektion->setCurrentIndex((pgcSelektion->currentIndex() + 1) % pgcSelektion->count());
    });
    aktion(nullptr, "actF6", QString(), QKeySequence(Qt::Key_F6), [this] { GridAktion(0); });
    aktion(nullptr, "actF7", QString(), QKeySequence(Qt::Key_F7), [this] { GridAktion(1); });
    aktion(nullptr, "actF8", QString(), QKeySequence(Qt::Key_F8), [this] { GridAktion(2); });
}

void TKundEingSerbFrm::GridAktion(int aktion) {
    try {
        TGPSelGridBox* box = pgcSelektion->currentWidget() == tshMerkmale ? static_cast<TGPSelGridBox*>(GPSelMerkmBox)
                             : pgcSelektion->currentWidget() == tshNr   ? static_cast<TGPSelGridBox*>(GPSelNrBox)
                                                                        : nullptr;
        if (box) box->WertAktion(aktion);
    } catch (const std::exception& e) {
        Registrieren("GridAktion", e);
    }
}

void TKundEingSerbFrm::setControlsForBonus() {
    FBonusVergabe = true;
    btnMessageCenter->setEnabled(false);
    btnSerBrief->SetCaption(QStringLiteral("Bonus vergeben ... - F10"));
    btnSerBrief->setShortcut(QKeySequence());
    btnSerBrief->setToolTip(QString());
    actSerBrief->setText(QStringLiteral("Bonus vergeben ..."));
    setWindowTitle(QStringLiteral("Selektion für manuelle Bonusvergabe - ") +
                   QString::fromStdString(ORVProgramm().GetTextMandant()));
}

void TKundEingSerbFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TKundEingSerbFrm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous()) return;
    try {
        kisufile_->Close();
    } catch (const std::exception& e) {
        Registrieren("FormHide", e);
    }
}

void TKundEingSerbFrm::FormShow() {
    try {
        // Each opening starts with an empty list.
        kisufile_->Close();
        kisufile_->OpenNew();
        btnClearClick();
        lblSaetze->clear();
        FolgeKnoepfe(false, false);
        mdlSelektion->Clear();
        pgcSelektion->setCurrentWidget(tshErw);
        pgcSelektion->setCurrentWidget(tshAdr);
        if (auto* erste = GPSelAdrBox->findChild<QWidget*>(QStringLiteral("edtName"))) erste->setFocus();
        rgrpVerkaeufeJaNeinClick();
    } catch (const std::exception& e) {
        Registrieren("FormShow", e);
    }
}

void TKundEingSerbFrm::FolgeKnoepfe(bool an, bool anhaengen) {
    btnSerBrief->setEnabled(an);
    actSerBrief->setEnabled(an);
    btnMessageCenter->setEnabled(an && !FBonusVergabe);
    btnAnhaengen->setEnabled(anhaengen);
    actAnhaengen->setEnabled(anhaengen);
}

void TKundEingSerbFrm::btnClearClick() {
    for (TSelBox* box : Boxen()) {
        try {
            box->Clear();
        } catch (const std::exception& e) {
            Registrieren("btnClearClick", e);
        }
    }
    rgrpVerkaeufeJaNein->SetItemIndex(0);
    edtDatumVon->Clear();
    edtDatumBis->Clear();
    chbKeineOP->setChecked(false);
    rgrpVerkaeufeJaNeinClick();
}

void TKundEingSerbFrm::rgrpVerkaeufeJaNeinClick() {
    const int i = rgrpVerkaeufeJaNein->ItemIndex();
    const bool zeitraum = i == 1 || i == 2;
    for (QWidget* w : std::initializer_list<QWidget*>{grpbVonBis, lblDatumVon, lblDatumBis, edtDatumVon, edtDatumBis})
        w->setEnabled(zeitraum);
}

bool TKundEingSerbFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == edtDatumVon || watched == edtDatumBis)) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Only a real leave of the field is checked, not a message box or menu taking focus.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            DatumVerlassen(static_cast<TORVDateEdit*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

bool TKundEingSerbFrm::DatumVerlassen(TORVDateEdit* feld) {
    if (FDatumPruefung || !feld) return true;
    FDatumPruefung = true;
    bool ok = true;
    try {
        if (!feld->IsEmpty() && !feld->GetAsDate()) {
            if (feld->focusPolicy() != Qt::NoFocus && feld->isEnabled()) feld->setFocus();
            ok = false;
        } else if (!edtDatumVon->IsEmpty() && !edtDatumBis->IsEmpty()) {
            const auto von = edtDatumVon->GetAsDate();
            const auto bis = edtDatumBis->GetAsDate();
            if (von && bis && *von > *bis) {
                ORVInfo().ShowMeldung(kis::services::kMeldungHinweis, 1009, "AUSBEA");
                edtDatumBis->setFocus();
                ok = false;
            }
        }
    } catch (const std::exception& e) {
        Registrieren(feld == edtDatumVon ? "edtDatumVonExit" : "edtDatumBisExit", e);
    }
    FDatumPruefung = false;
    return ok;
}

bool TKundEingSerbFrm::FilterSetzen(TMerovaFilter& filter) {
    try {
        // A period that cannot be read would select another period than the one shown.
        const int vk = rgrpVerkaeufeJaNein->ItemIndex();
        if (vk == 1 || vk == 2) {
            for (TORVDateEdit* e : {edtDatumVon, edtDatumBis}) {
                if (e->IsEmpty() || e->GetAsDate()) continue;
                ORVInfo().HinweisBox("Das Datum ist ungültig.");
                pgcSelektion->setCurrentWidget(tshVerkaeufe);
                e->setFocus();
                return false;
            }
        }
        // A postcode range without a country means the installation's country.
        const QString land = GPSelAdrBox->Wert(QStringLiteral("cmbLand")).trimmed();
        if (land.isEmpty() && (!GPSelAdrBox->Wert(QStringLiteral("edtPlzVon")).trimmed().isEmpty() ||
                               !GPSelAdrBox->Wert(QStringLiteral("edtPlzBis")).trimmed().isEmpty()))
            GPSelAdrBox->WertSetzen(QStringLiteral("cmbLand"), QString::fromStdString(ORVProgramm().GetLand()));
        for (TSelBox* box : Boxen()) kis::selection::BoxInFilter(*box, filter);
        filter.FKundeBonusNie = false;  // not a criterion of this window
        if (vk == 1 || vk == 2) {
            filter.FVkFilter = vk == 1 ? vkJa : vkNein;
            const auto von = edtDatumVon->GetAsDate();
            const auto bis = edtDatumBis->GetAsDate();
            filter.FVkVon = von ? *von : TMerovaFilter::DefaultVkVon();
            filter.FVkBis = bis ? *bis : TMerovaFilter::DefaultVkBis();
        } else {
            filter.FVkFilter = vkEgal;
        }
        filter.FKeineOP = chbKeineOP->isChecked();
        return true;
    } catch (const std::exception& e) {
        Registrieren("FilterSetzen", e);
        return false;
    }
}

int TKundEingSerbFrm::AnzahlKunden() const {
    try {
        kis::store::Tkisufile f;
        f.SetFileNameRel(TMerovaQuery::KisuFileName());
        f.OpenOut();
        const int64_t alle = f.GetCount();
        f.Feld("KUNDE").SetFilterMinMax(TIntPair(), TIntPair());
        const int64_t summen = f.GetCount();
        f.Close();
        return int(alle - summen);
    } catch (const std::exception&) {
        return 0;  // a list that cannot be counted counts as empty
    }
}

QString TKundEingSerbFrm::SaetzeText() const {
    const int n = AnzahlKunden();
    if (n <= 0) return {};
    return n == 1 ? QStringLiteral("1 Satz") : QStringLiteral("%1 Sätze").arg(n);
}

void TKundEingSerbFrm::GridLaden() {
    try {
        auto datei = std::make_unique<kis::store::Tkisufile>();
        datei->SetFileNameRel(TMerovaQuery::KisuFileName());
        datei->OpenOut();
        datei->ClearKeysAndFilters();
        datei->SelectIndex("NAME");
        datei->SetUsedField({"KUNDE", "NAME", "VORNAME"});
        mdlSelektion->SetSource(std::make_unique<TDateiQuelle>(
            std::move(datei), [](kis::store::TQEL_DBFile& f, QVariantList& row) {
                if (f.Feld("KUNDE").AsPair().IsNull()) return false;  // the totals record
                row << QString::fromStdString(f.Feld("NAME").AsString())
                    << QString::fromStdString(f.Feld("VORNAME").AsString());
                return true;
            }));
        if (mdlSelektion->canFetchMore({})) mdlSelektion->fetchMore({});
        grdSelektion->ApplyColumnLayout();
    } catch (const std::exception& e) {
        mdlSelektion->Clear();
        Registrieren("GridLaden", e);
    }
    lblSaetze->setText(SaetzeText());
}

void TKundEingSerbFrm::btnSelektionClick() {
    Ausfuehren(true);
}

void TKundEingSerbFrm::btnAnhaengenClick() {
    if (btnAnhaengen->isEnabled()) Ausfuehren(false);
}

void TKundEingSerbFrm::Ausfuehren(bool neu) {
    const char* name = neu ? "btnSelektionClick" : "btnAnhaengenClick";
    if (!dm_ || !dm_->KIFilter) return;
    try {
        TMerovaFilter pruefung;
        if (!FilterSetzen(pruefung)) return;
        if (neu) FolgeKnoepfe(false, false);
        mdlSelektion->Clear();
        dm_->KIFilter->Clear();
        FilterSetzen(*dm_->KIFilter);
        const int vorher = neu ? 0 : AnzahlKunden();
        setEnabled(false);
        kisufile_->Close();
        bool ok = false;
        try {
            ok = dm_->ExecuteSBQuery(neu);
        } catch (...) {
            kisufile_->OpenOut();
            setEnabled(true);
            throw;
        }
        // A selection that lists nobody, or an append that adds nobody, did not succeed.
        const int nachher = AnzahlKunden();
        ok = ok && nachher > vorher;
        if (neu && ok)
            FolgeKnoepfe(true, true);
        if (!ok) ORVInfo().ShowMeldung(kis::services::kMeldungHinweis, neu ? 1001 : 1002, "MEROVA");
        kisufile_->OpenOut();
        setEnabled(true);
        pgcSelektion->setCurrentWidget(tshSelektion);
        GridLaden();
        grdSelektion->setFocus();
    } catch (const std::exception& e) {
        setEnabled(true);
        Registrieren(name, e);
    }
}
