#include "overview/set_merkmal.h"

#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "app/dm.h"
#include "platform/partners/gp_merkmal_buchmani.h"
#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/customer/kund_eing_dialog.h"
#include "platform/ui/form_store_binding.h"
#include "platform/ui/std_button.h"

namespace {

Tfrmsetmerkmal* gInstanz = nullptr;

const char* const kMaske = "SETMERKM";

kis::services::FormStore Store() { return kis::services::FormStore({"MEROVA", "DEU", kMaske, "0"}); }

const QStringList kGespeichert = {QStringLiteral("lblItemIndex.Caption"), QStringLiteral("edtWert.Text")};

QLabel* Beschriftung(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setBuddy(buddy);
    return l;
}

// The customer entry dialog's search page, as the data module holds it.
std::optional<TIntPair> KundeImSuchdialog() {
    TDM* dm = DM();
    if (!dm || !dm->dlgKundEing) return std::nullopt;
    dm->dlgKundEing->SetModus(TKundEingDialog::kModusSuchen);
    if (!dm->dlgKundEing->Execute()) return std::nullopt;
    return dm->dlgKundEing->GepNr();
}

}  // namespace

Tfrmsetmerkmal* Tfrmsetmerkmal::Instanz() { return gInstanz; }

Tfrmsetmerkmal::Tfrmsetmerkmal(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmsetmerkmal"));
    setWindowTitle(QStringLiteral("Merkmal setzen"));
    // Created without a parent at program start: closing it must not end the program while
    // the main window is hidden behind the overview.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* haupt = new QVBoxLayout(this);
    auto* kopf = new QLabel(QStringLiteral("Merkmal setzen"), this);
    kopf->setObjectName(QStringLiteral("lblKopf"));
    QFont f = kopf->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    kopf->setFont(f);
    haupt->addWidget(kopf);

    edtKunde = new QLineEdit(this);
    edtKunde->setObjectName(QStringLiteral("edtKunde"));
    edtKunde->setEnabled(false);
    btnGepSel = new QPushButton(QStringLiteral("..."), this);
    btnGepSel->setObjectName(QStringLiteral("btnGepSel"));
    btnGepSel->setToolTip(QStringLiteral("Suche nach Geschäftspartner"));
    btnGepSel->setAutoDefault(false);
    cmbMerkmale = new QComboBox(this);
    cmbMerkmale->setObjectName(QStringLiteral("cmbMerkmale"));
    cmbMerkmale->setMinimumWidth(260);
    cmbMerkmale->installEventFilter(this);
    edtWert = new QLineEdit(this);
    edtWert->setObjectName(QStringLiteral("edtWert"));
    edtWert->setMaxLength(255);
    lblItemIndex = new QLabel(QStringLiteral("Idx"), this);
    lblItemIndex->setObjectName(QStringLiteral("lblItemIndex"));
    lblItemIndex->setVisible(false);
    lblKunde = Beschriftung(this, "lblKunde", "Kunde", edtKunde);
    lblMerkmal = Beschriftung(this, "lblMerkmal", "&Merkmal", cmbMerkmale);
    lblWert = Beschriftung(this, "lblWert", "&Wert", edtWert);

    auto* raster = new QGridLayout;
    raster->addWidget(lblKunde, 0, 0);
    raster->addWidget(edtKunde, 0, 1);
    raster->addWidget(btnGepSel, 0, 2);
    raster->addWidget(lblMerkmal, 1, 0);
    raster->addWidget(cmbMerkmale, 1, 1, 1, 2);
    raster->addWidget(lblWert, 2, 0);
    raster->addWidget(edtWert, 2, 1, 1, 2);
    raster->addWidget(lblItemIndex, 3, 0);
    haupt->addLayout(raster);

    auto* knoepfe = new QHBoxLayout;
    btnBuchen = new TORVStdButton(TORVStdButton::Kind::Buchen, this);
    btnBuchen->setObjectName(QStringLiteral("btnBuchen"));
    btnAbbrechen = new TORVStdButton(TORVStdButton::Kind::Abbrechen, this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnBuchen);
    knoepfe->addWidget(btnAbbrechen);
    haupt->addLayout(knoepfe);

    connect(btnGepSel, &QPushButton::clicked, this, &Tfrmsetmerkmal::btnGepSelClick);
    // F2 searches also while the customer line is hidden.
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &Tfrmsetmerkmal::btnGepSelClick);
    connect(btnBuchen, &QPushButton::clicked, this, &Tfrmsetmerkmal::btnBuchenClick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmbMerkmale, &QComboBox::activated, this, &Tfrmsetmerkmal::cmbMerkmaleExit);

    KundeSuchen = KundeImSuchdialog;
    setFixedSize(sizeHint());
    if (!gInstanz) gInstanz = this;
}

Tfrmsetmerkmal::~Tfrmsetmerkmal() {
    if (gInstanz == this) gInstanz = nullptr;
}

QString Tfrmsetmerkmal::KundenName(const TIntPair& kunde) const {
    if (TDM* dm = DM()) return dm->GetKundeName(kunde);
    return QString::fromStdString(kunde.ToString());
}

bool Tfrmsetmerkmal::MerkmaleFuellen() {
    cmbMerkmale->clear();
    std::unique_ptr<TQEL_GP_GBMERkmal_Buchmani> eigenes;
    TQEL_GP_GBMERkmal_Buchmani* mani = DM() ? DM()->GetGBMerkmalMani() : nullptr;
    if (!mani) {
        eigenes = std::make_unique<TQEL_GP_GBMERkmal_Buchmani>();
        mani = eigenes.get();
    }
    std::vector<TGBMerkmal> merkmale = mani->Merkmale();
    QCollator deutsch{QLocale(QLocale::German, QLocale::Germany)};
    std::stable_sort(merkmale.begin(), merkmale.end(), [&deutsch](const TGBMerkmal& a, const TGBMerkmal& b) {
        return deutsch.compare(QString::fromStdString(a.Name), QString::fromStdString(b.Name)) < 0;
    });
    for (const auto& m : merkmale) cmbMerkmale->addItem(QString::fromStdString(m.Name), m.Nr);
    return !merkmale.empty();
}

void Tfrmsetmerkmal::showEvent(QShowEvent* event) {
    try {
        TORVFormStoreBinding(this, kGespeichert).Restore(Store(), kMaske);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tfrmsetmerkmal.FormShow", e, 1);
    }
    FormShow();
    QDialog::showEvent(event);
}

void Tfrmsetmerkmal::FormShow() {
    try {
        const std::string mandant = ORVProgramm().GetTextMandant();
        setWindowTitle(mandant.empty() ? QStringLiteral("Merkmal setzen")
                                       : QStringLiteral("Merkmal setzen - ") + QString::fromStdString(mandant));
        edtKunde->setText(FKundenAuswahl ? KundenName(FKunde) : QString());
        for (QWidget* w : {static_cast<QWidget*>(edtKunde), static_cast<QWidget*>(btnGepSel),
                           static_cast<QWidget*>(lblKunde)})
            w->setVisible(FKundenAuswahl);
        if (!MerkmaleFuellen()) {
            // Nothing to offer: the dialog closes as cancelled once it is up.
            if (btnAbbrechen->isEnabled()) QTimer::singleShot(0, this, &QDialog::reject);
            return;
        }
        cmbMerkmale->setCurrentIndex(0);
        bool ok = false;
        const int gemerkt = lblItemIndex->text().trimmed().toInt(&ok);
        const int index = cmbMerkmale->findData(ok ? gemerkt : 0);
        if (index >= 0) cmbMerkmale->setCurrentIndex(index);
        edtWert->setFocus();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tfrmsetmerkmal.FormShow", e, 1);
    }
}

void Tfrmsetmerkmal::btnGepSelClick() {
    try {
        if (!KundeSuchen) return;
        const std::optional<TIntPair> kunde = KundeSuchen();
        if (!kunde || kunde->IsNull()) return;
        FKunde = *kunde;
        edtKunde->setText(KundenName(FKunde));
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tfrmsetmerkmal.btnGepSelClick", e, 1);
    }
}

void Tfrmsetmerkmal::cmbMerkmaleExit() {
    try {
        if (cmbMerkmale->currentIndex() >= 0) lblItemIndex->setText(QString::number(cmbMerkmale->currentData().toInt()));
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tfrmsetmerkmal.cmbMerkmaleExit", e, 1);
    }
}

void Tfrmsetmerkmal::btnBuchenClick() {
    try {
        if (!btnBuchen->isEnabled()) return;
        if (cmbMerkmale->currentIndex() >= 0) {
            FGBNr = cmbMerkmale->currentData().toInt();
            cmbMerkmaleExit();
        }
        FWert = edtWert->text().trimmed();
        accept();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tfrmsetmerkmal.btnBuchenClick", e, 1);
    }
}

bool Tfrmsetmerkmal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmbMerkmale && event->type() == QEvent::FocusOut) cmbMerkmaleExit();
    return QDialog::eventFilter(watched, event);
}

void Tfrmsetmerkmal::done(int result) {
    try {
        auto store = Store();
        TORVFormStoreBinding(this, kGespeichert).Store(store, kMaske);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tfrmsetmerkmal.FormClose", e, 1);
    }
    QDialog::done(result);
}
