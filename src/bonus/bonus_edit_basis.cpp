#include "bonus/bonus_edit_basis.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dm.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/match/text_match.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/tables/bonus_typen.h"
#include "platform/ui/customer/kund_eing_dialog.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/form_store_binding.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/std_button.h"

namespace {

constexpr const char* kMarkSpalte = "MARK";
constexpr const char* kSchluesselSpalte = "SCHLUESSEL";
constexpr int kRabattscheinTyp = 4;
constexpr int kMeldungenMax = 25;

// Disables the window and shows the hourglass until it goes out of scope, also on failure.
class TSperre {
public:
    explicit TSperre(QWidget* w) : w_(w) {
        w_->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TSperre() {
        QApplication::restoreOverrideCursor();
        w_->setEnabled(true);
    }
    TSperre(const TSperre&) = delete;
    TSperre& operator=(const TSperre&) = delete;

private:
    QWidget* w_;
};

TDateTime DatumOderNull(const TORVDateEdit* edit) { return edit->GetAsDate().value_or(0); }

}  // namespace

TBonusEditBasis::TBonusEditBasis(const QString& formName, const QString& caption,
                                 const std::string& maske, const QStringList& properties,
                                 QWidget* parent)
    : QDialog(parent), formName_(formName), maske_(maske) {
    setObjectName(formName);
    setWindowTitle(caption);

    KopfBauen();
    GridUndKnoepfeBauen();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnlKopf);
    layout->addWidget(grdBoni, 1);
    layout->addLayout(knoepfe_);
    resize(680, 560);

    Verbinden();
    binding_ = std::make_unique<TORVFormStoreBinding>(this, properties);

    KundeWaehlen = &TBonusEditBasis::KundeAusDialog;
}

void TBonusEditBasis::KopfBauen() {
    pnlKopf = new QWidget(this);
    pnlKopf->setObjectName(QStringLiteral("pnlKopf"));
    kopf_ = new QGridLayout(pnlKopf);
    kopf_->setContentsMargins(0, 0, 0, 0);

    lblBonusprogramm = new QLabel(QStringLiteral("Bonusprogramm"), pnlKopf);
    cmbBonusTyp = new QComboBox(pnlKopf);
    cmbBonusTyp->setObjectName(QStringLiteral("cmbBonusTyp"));
    cmbBonusName = new QComboBox(pnlKopf);
    cmbBonusName->setObjectName(QStringLiteral("cmbBonusName"));
    lblBonusprogramm->setBuddy(cmbBonusTyp);
    kopf_->addWidget(lblBonusprogramm, 0, 0);
    kopf_->addWidget(cmbBonusTyp, 0, 1, 1, 2);
    kopf_->addWidget(cmbBonusName, 0, 3, 1, 2);

    lblDatum = new QLabel(QStringLiteral("Datum von / bis"), pnlKopf);
    edtDatumVon = new TORVDateEdit(pnlKopf);
    edtDatumVon->setObjectName(QStringLiteral("edtDatumVon"));
    edtDatumBis = new TORVDateEdit(pnlKopf);
    edtDatumBis->setObjectName(QStringLiteral("edtDatumBis"));
    spbDatumVon = Knopf(QStringLiteral("spbDatumVon"), QStringLiteral("..."), pnlKopf);
    spbDatumBis = Knopf(QStringLiteral("spbDatumBis"), QStringLiteral("..."), pnlKopf);
    lblDatum->setBuddy(edtDatumVon);
    kopf_->addWidget(lblDatum, 1, 0);
    kopf_->addWidget(edtDatumVon, 1, 1);
    kopf_->addWidget(spbDatumVon, 1, 2);
    kopf_->addWidget(edtDatumBis, 1, 3);
    kopf_->addWidget(spbDatumBis, 1, 4);

    auto* lblKundeTitel = new QLabel(QStringLiteral("Kunde"), pnlKopf);
    spbKunde = Knopf(QStringLiteral("spbKunde"), QStringLiteral("..."), pnlKopf);
    spbKunde->setToolTip(QStringLiteral("Kunde wählen oder Auswahl aufheben"));
    lblKunde = new QLabel(pnlKopf);
    lblKunde->setObjectName(QStringLiteral("lblKunde"));
    lblKunde->setFrameShape(QFrame::StyledPanel);
    kopf_->addWidget(lblKundeTitel, 2, 0);
    kopf_->addWidget(lblKunde, 2, 1, 1, 3);
    kopf_->addWidget(spbKunde, 2, 4);

    auto* lblWert = new QLabel(QStringLiteral("Bonuswert min / max"), pnlKopf);
    edtBonusWertMin = new TORVFloatEdit(11, 2, 99999999.99, pnlKopf);
    edtBonusWertMin->setObjectName(QStringLiteral("edtBonusWertMin"));
    edtBonusWertMax = new TORVFloatEdit(11, 2, 99999999.99, pnlKopf);
    edtBonusWertMax->setObjectName(QStringLiteral("edtBonusWertMax"));
    lblWert->setBuddy(edtBonusWertMin);
    kopf_->addWidget(lblWert, 3, 0);
    kopf_->addWidget(edtBonusWertMin, 3, 1);
    kopf_->addWidget(edtBonusWertMax, 3, 3);

    auto* lblLen = new QLabel(QStringLiteral("Bonuslänge min / max"), pnlKopf);
    edtBonusLenMin = new TORVIntegerEdit(5, 99999, 0, pnlKopf);
    edtBonusLenMin->setObjectName(QStringLiteral("edtBonusLenMin"));
    edtBonusLenMax = new TORVIntegerEdit(5, 99999, 0, pnlKopf);
    edtBonusLenMax->setObjectName(QStringLiteral("edtBonusLenMax"));
    lblLen->setBuddy(edtBonusLenMin);
    kopf_->addWidget(lblLen, 4, 0);
    kopf_->addWidget(edtBonusLenMin, 4, 1);
    kopf_->addWidget(edtBonusLenMax, 4, 3);
    kopf_->setColumnStretch(1, 1);
    kopf_->setColumnStretch(3, 1);
}

void TBonusEditBasis::GridUndKnoepfeBauen() {
    mdlBoni = new TORVDataModel(this);
    mdlBoni->SetMarkable(true);
    grdBoni = new TORVDataGrid(this);
    grdBoni->setObjectName(QStringLiteral("grdBoni"));
    grdBoni->SetDataModel(mdlBoni);

    btnSuchen = new TORVStdButton(QStringLiteral("Suchen - Enter"), this);
    btnSuchen->setObjectName(QStringLiteral("btnSuchen"));
    btnSuchen->setDefault(true);
    btnBuchen = new TORVStdButton(QStringLiteral("Buchen - F5"), this);
    btnBuchen->setObjectName(QStringLiteral("btnBuchen"));
    btnMarkieren = new TORVStdButton(QStringLiteral("Markieren - Einfg"), this);
    btnMarkieren->setObjectName(QStringLiteral("btnMarkieren"));
    btnMarkierenAlle = new TORVStdButton(QStringLiteral("Alle - F7"), this);
    btnMarkierenAlle->setObjectName(QStringLiteral("btnMarkierenAlle"));
    btnMarkierenUm = new TORVStdButton(QStringLiteral("Umkehren - F8"), this);
    btnMarkierenUm->setObjectName(QStringLiteral("btnMarkierenUm"));
    btnAbbrechen = new TORVStdButton(TORVStdButton::Kind::Abbrechen, this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    for (auto* b : {btnBuchen, btnMarkieren, btnMarkierenAlle, btnMarkierenUm, btnAbbrechen})
        b->setAutoDefault(false);
    // The keys act at once (a button's own shortcut clicks it only after its animation).
    const std::pair<TORVStdButton*, QKeySequence> tasten[] = {{btnBuchen, QKeySequence(Qt::Key_F5)},
                                                              {btnMarkieren, QKeySequence(Qt::Key_Insert)},
                                                              {btnMarkierenAlle, QKeySequence(Qt::Key_F7)},
                                                              {btnMarkierenUm, QKeySequence(Qt::Key_F8)}};
    for (const auto& [knopf, taste] : tasten) {
        knopf->setShortcut(QKeySequence());
        auto* sc = new QShortcut(taste, this);
        sc->setObjectName(knopf->objectName() + QStringLiteral("Taste"));
        connect(sc, &QShortcut::activated, knopf, [knopf] {
            if (knopf->isEnabled() && knopf->isVisible()) knopf->click();
        });
    }

    knoepfe_ = new QHBoxLayout;
    for (auto* b : {btnSuchen, btnBuchen, btnMarkieren, btnMarkierenAlle, btnMarkierenUm})
        knoepfe_->addWidget(b);
    knoepfe_->addStretch(1);
    knoepfe_->addWidget(btnAbbrechen);
}

void TBonusEditBasis::Verbinden() {
    connect(cmbBonusTyp, &QComboBox::currentIndexChanged, this, [this] { cmbBonusTypChange(); });
    connect(spbDatumVon, &QToolButton::clicked, this, [this] { edtDatumVon->RunCalendar(); });
    connect(spbDatumBis, &QToolButton::clicked, this, [this] { edtDatumBis->RunCalendar(); });
    connect(spbKunde, &QToolButton::clicked, this, [this] { spbKundeClick(); });
    connect(btnSuchen, &QPushButton::clicked, this, [this] { btnSuchenClick(); });
    connect(btnBuchen, &QPushButton::clicked, this, [this] { btnBuchenClick(); });
    connect(btnMarkieren, &QPushButton::clicked, this, [this] { btnMarkierenClick(); });
    connect(btnMarkierenAlle, &QPushButton::clicked, this, [this] { btnMarkierenAlleClick(); });
    connect(btnMarkierenUm, &QPushButton::clicked, this, [this] { btnMarkierenUmClick(); });
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the grid searches, as everywhere else in the window.
    connect(grdBoni, &TORVDataGrid::RowActivated, this, [this] { btnSuchenClick(); });
}

bool TBonusEditBasis::KundeAusDialog(TIntPair& kunde, QString& name) {
    TDM* dm = DM();
    if (!dm || !dm->dlgKundEing) return false;
    TKundEingDialog& dlg = *dm->dlgKundEing;
    dlg.Init();
    dlg.Clear();
    dlg.SetModus(TKundEingDialog::kModusSuchen);
    if (!dlg.Execute()) return false;
    kunde = dlg.GepNr();
    name = QString::fromStdString(
        kis::match::Trim(dlg.Stamm().Name + " " + dlg.Stamm().Name2));
    return true;
}

TBonusEditBasis::~TBonusEditBasis() = default;

QToolButton* TBonusEditBasis::Knopf(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

void TBonusEditBasis::SpaltenSetzen(const std::vector<TBonusSpalte>& spalten) {
    mdlBoni->AddColumn({QString::fromLatin1(kMarkSpalte), QString(), Qt::AlignCenter, true, 25, {}});
    for (const auto& s : spalten) mdlBoni->AddColumn({s.name, s.caption, {}, true, s.width, {}});
    const int key = mdlBoni->AddColumn({QString::fromLatin1(kSchluesselSpalte), QString(), {}, false, 0, {}});
    mdlBoni->SetColumnVisible(key, false);
    grdBoni->ApplyColumnLayout();
}

void TBonusEditBasis::TypListeFuellen(bool mitRabattschein, bool leererEintrag) {
    try {
        cmbBonusTyp->clear();
        if (leererEintrag) cmbBonusTyp->addItem(QString(), 0);
        for (const auto& [name, kind] : TBonusRechner::Fuelle_Typen())
            if (mitRabattschein || kind != kRabattscheinTyp)
                cmbBonusTyp->addItem(QString::fromStdString(name), kind);
        cmbBonusTyp->setCurrentIndex(-1);
    } catch (const std::exception& e) {
        Register("FormCreate", e);
    }
}

void TBonusEditBasis::MaskeLaden() {
    try {
        binding_->Restore(kis::services::FormStore({"MEROVA", "DEU", maske_, "0"}), maske_);
    } catch (const std::exception& e) {
        Register("FormCreate", e);
    }
}

void TBonusEditBasis::KopfZeile(const QString& caption, QWidget* inhalt) {
    const int row = kopf_->rowCount();
    if (!caption.isEmpty()) kopf_->addWidget(new QLabel(caption, pnlKopf), row, 0);
    kopf_->addWidget(inhalt, row, 1, 1, 4);
}

TBonusRechner& TBonusEditBasis::Rechner() {
    if (TDM* dm = DM()) return dm->BonusRechner();
    if (!eigenerRechner_) eigenerRechner_ = std::make_unique<TBonusRechner>();
    return *eigenerRechner_;
}

void TBonusEditBasis::cmbBonusTypChange() {
    try {
        cmbBonusName->clear();
        const int kind = cmbBonusTyp->currentIndex() < 0 ? 0 : cmbBonusTyp->currentData().toInt();
        if (kind < 1) return;
        TBonusRechner& r = Rechner();
        r.BETAList_Fuellen(kind);
        std::vector<std::string> namen;
        r.Fuelle_Typ(namen, kind);
        for (const auto& n : namen) cmbBonusName->addItem(QString::fromStdString(n));
        cmbBonusName->setCurrentIndex(-1);
    } catch (const std::exception& e) {
        Register("cmbBonusTypChange", e);
    }
}

std::optional<std::string> TBonusEditBasis::GewaehlteProgrammId() const {
    const int kind = cmbBonusTyp->currentIndex() < 0 ? 0 : cmbBonusTyp->currentData().toInt();
    const std::string id = CBonuTypen2Kuerzel(kind);
    if (kind < 2 || id.empty()) return std::nullopt;
    return id;
}

TBonusSuchFilter TBonusEditBasis::FilterLesen() const {
    TBonusSuchFilter f;
    f.Mandant = ORVProgramm().GetAktMandant();
    f.Kunde = FKunde;
    f.DatumVon = DatumOderNull(edtDatumVon);
    f.DatumBis = DatumOderNull(edtDatumBis);
    f.WertMin = edtBonusWertMin->GetAsFloat(0);
    f.WertMax = edtBonusWertMax->GetAsFloat(0);
    f.LaengeMin = int32_t(edtBonusLenMin->GetAsInteger(0));
    f.LaengeMax = int32_t(edtBonusLenMax->GetAsInteger(0));
    f.ProgrammId = GewaehlteProgrammId();
    const QString name = cmbBonusName->currentText();
    if (!name.isEmpty()) f.ProgrammName = name.toStdString();
    return f;
}

void TBonusEditBasis::FilterLeeren() {
    const std::initializer_list<TCustomORVMaskEdit*> felder = {edtDatumVon,     edtDatumBis,    edtBonusWertMin,
                                                               edtBonusWertMax, edtBonusLenMin, edtBonusLenMax};
    for (TCustomORVMaskEdit* e : felder) e->Clear();
    SetKunde({}, QString());
    grdBoni_Leeren();
}

void TBonusEditBasis::SetKunde(const TIntPair& kunde, const QString& name) {
    FKunde = kunde;
    lblKunde->setText(kunde.IsDefined() ? name : QString());
}

void TBonusEditBasis::spbKundeClick() {
    try {
        if (FKunde.IsDefined()) {
            SetKunde({}, QString());
            return;
        }
        TIntPair kunde;
        QString name;
        if (KundeWaehlen && KundeWaehlen(kunde, name)) SetKunde(kunde, name);
    } catch (const std::exception& e) {
        Register("spbKundeClick", e);
    }
}

void TBonusEditBasis::grdBoni_Leeren() {
    try {
        mdlBoni->Clear();
    } catch (const std::exception& e) {
        Register("grdBoni_Leeren", e);
    }
}

int TBonusEditBasis::ZeileAnhaengen(const QVariantList& werte, const QString& schluessel) {
    QVariantList row;
    row.reserve(werte.size() + 2);
    row << QVariant() << werte << schluessel;
    mdlBoni->AppendRow(row);
    return mdlBoni->RowCount() - 1;
}

QString TBonusEditBasis::ZeilenSchluessel(int row) const {
    if (row < 0 || row >= mdlBoni->RowCount()) return {};
    return mdlBoni->Value(row, QString::fromLatin1(kSchluesselSpalte)).toString();
}

QString TBonusEditBasis::KundenName(const TIntPair& kunde) const {
    TDM* dm = DM();
    const QString name = dm ? dm->GetKundeName(kunde) : QString();
    return name.isEmpty() ? QString::fromStdString(kunde.ToString()) : name;
}

void TBonusEditBasis::Register(const char* method, const std::exception& e) const {
    ORVInfo().RegisterException(formName_.toStdString() + "." + method, e, 1);
}

void TBonusEditBasis::Nachrichten() { ORVInfoProcessMessages(333); }

void TBonusEditBasis::Suche(std::vector<std::string>& meldungen) {
    if (sucheLaeuft_) return;
    sucheLaeuft_ = true;
    grdBoni_Leeren();
    {
        TSperre sperre(this);
        try {
            Suchen(meldungen);
        } catch (const std::exception& e) {
            Register("btnSuchenClick", e);
            meldungen.push_back(std::string("Die Suche ist fehlgeschlagen: ") + e.what());
        }
    }
    sucheLaeuft_ = false;
    try {
        NachSuche();
    } catch (const std::exception& e) {
        Register("btnSuchenClick", e);
    }
}

void TBonusEditBasis::btnSuchenClick() {
    meldungen_.clear();
    Suche(meldungen_);
    MeldungenZeigen(QStringLiteral("Bei der Suche wurden Boni ausgelassen:"));
}

void TBonusEditBasis::btnBuchenClick() {
    if (!btnBuchen->isEnabled() || sucheLaeuft_) return;
    btnBuchen->setEnabled(false);
    meldungen_.clear();
    try {
        const std::vector<int> zeilen = mdlBoni->MarkedRows();
        if (!zeilen.empty() && BuchenBestaetigt()) Buchen(zeilen, meldungen_);
    } catch (const std::exception& e) {
        Register("btnBuchenClick", e);
        meldungen_.push_back(std::string("Die Buchung wurde abgebrochen: ") + e.what());
    }
    // The same filter again, so that booked bonuses leave the list or show their new state.
    Suche(meldungen_);
    btnBuchen->setEnabled(true);
    MeldungenZeigen(QStringLiteral("Nicht alle markierten Boni konnten gebucht werden:"));
}

void TBonusEditBasis::MeldungenZeigen(const QString& kopf) {
    if (meldungen_.empty()) return;
    std::string text = kopf.toStdString();
    const int n = int(meldungen_.size());
    for (int i = 0; i < n && i < kMeldungenMax; ++i) text += "\n" + meldungen_[size_t(i)];
    if (n > kMeldungenMax) text += "\n... und " + std::to_string(n - kMeldungenMax) + " weitere.";
    ORVWarnungBox(text);
}

void TBonusEditBasis::btnMarkierenClick() {
    const int row = grdBoni->CurrentRow();
    if (row < 0) return;
    mdlBoni->SetMarked(row, !mdlBoni->IsMarked(row));
    const int viewRow = grdBoni->currentIndex().row();
    if (viewRow + 1 < grdBoni->VisibleRowCount()) grdBoni->SelectRow(grdBoni->SourceRowAt(viewRow + 1));
}

void TBonusEditBasis::btnMarkierenAlleClick() { mdlBoni->MarkAll(true); }

void TBonusEditBasis::btnMarkierenUmClick() { mdlBoni->InvertMarks(); }

void TBonusEditBasis::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FilterLeeren();
}

void TBonusEditBasis::done(int result) {
    try {
        kis::services::FormStore store({"MEROVA", "DEU", maske_, "0"});
        binding_->Store(store, maske_);
    } catch (const std::exception& e) {
        Register("FormClose", e);
    }
    QDialog::done(result);
}
