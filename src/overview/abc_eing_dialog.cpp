#include "overview/abc_eing_dialog.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/ui/form_store_binding.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/std_button.h"

namespace {

TfrmABCEing* gInstanz = nullptr;

const char* const kMaske = "ABCEING";

kis::services::FormStore Store() { return kis::services::FormStore({"MEROVA", "DEU", kMaske, "0"}); }

const QStringList& GespeicherteEigenschaften() {
    static const QStringList props = {
        "edtAAnteil.Text",  "edtBAnteil.Text",    "edtCAnteil.Text",    "spbUmsatz.Up",   "spbUmsatz.Enabled",
        "spbAnzahl.Up",     "spbAnzahl.Enabled",  "spbAktuell.Up",      "spbAktuell.Enabled",
        "spbVergleich.Up",  "spbVergleich.Enabled", "spbOhne.Up",       "spbOhne.Enabled"};
    return props;
}

QPushButton* Schalter(QWidget* parent, const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setCheckable(true);
    b->setAutoDefault(false);
    return b;
}

TORVIntegerEdit* Anteil(QWidget* parent, const char* name) {
    auto* e = new TORVIntegerEdit(3, 100, 0, parent);
    e->setObjectName(QString::fromUtf8(name));
    e->setMaximumWidth(60);
    e->setAlignment(Qt::AlignRight);
    return e;
}

}  // namespace

TfrmABCEing* TfrmABCEing::Instanz() { return gInstanz; }

TfrmABCEing::TfrmABCEing(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmABCEing"));
    setWindowTitle(QStringLiteral("ABC-Kennzeichen setzen"));
    // Created without a parent at program start: closing it must not end the program while
    // the main window is hidden behind the overview.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* haupt = new QVBoxLayout(this);

    auto* menue = new QMenuBar(this);
    QMenu* funktionen = menue->addMenu(QStringLiteral("Funktionen"));
    QAction* buchen = funktionen->addAction(QStringLiteral("Buchen"));
    buchen->setObjectName(QStringLiteral("actBuchen"));
    buchen->setShortcut(QKeySequence(Qt::Key_F5));
    buchen->setShortcutContext(Qt::WindowShortcut);
    addAction(buchen);
    QAction* zurueck = funktionen->addAction(QStringLiteral("Zurück"));
    zurueck->setObjectName(QStringLiteral("actZurueck"));
    zurueck->setShortcut(QKeySequence(Qt::Key_Escape));
    zurueck->setShortcutContext(Qt::WindowShortcut);
    addAction(zurueck);
    haupt->setMenuBar(menue);

    auto* kopf = new QLabel(QStringLiteral("ABC-Kennzeichen"), this);
    kopf->setObjectName(QStringLiteral("lblKopf"));
    QFont f = kopf->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    kopf->setFont(f);
    haupt->addWidget(kopf);

    auto* anteile = new QGridLayout;
    edtAAnteil = Anteil(this, "edtAAnteil");
    edtBAnteil = Anteil(this, "edtBAnteil");
    edtCAnteil = Anteil(this, "edtCAnteil");
    edtCAnteil->setEnabled(false);
    const std::pair<const char*, TORVIntegerEdit*> zeilen[] = {
        {"Anteil der Gruppe A", edtAAnteil}, {"Anteil der Gruppe B", edtBAnteil}, {"Anteil der Gruppe C", edtCAnteil}};
    int zeile = 0;
    for (const auto& [text, edit] : zeilen) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setBuddy(edit);
        anteile->addWidget(l, zeile, 0);
        anteile->addWidget(edit, zeile, 1);
        anteile->addWidget(new QLabel(QStringLiteral("%"), this), zeile, 2);
        ++zeile;
    }
    anteile->setColumnStretch(3, 1);
    haupt->addLayout(anteile);
    edtAAnteil->installEventFilter(this);
    edtBAnteil->installEventFilter(this);

    auto gruppe = [this, haupt](const char* titel, std::initializer_list<QPushButton*> knoepfe) {
        auto* box = new QGroupBox(QString::fromUtf8(titel), this);
        auto* l = new QHBoxLayout(box);
        for (QPushButton* b : knoepfe) {
            l->addWidget(b);
            connect(b, &QPushButton::clicked, this, [this, b] { Umschalten(b); });
        }
        haupt->addWidget(box);
    };
    spbUmsatz = Schalter(this, "spbUmsatz", "Umsatz");
    spbAnzahl = Schalter(this, "spbAnzahl", "Anzahl");
    spbAktuell = Schalter(this, "spbAktuell", "Aktuell");
    spbVergleich = Schalter(this, "spbVergleich", "Vergleich");
    spbOhne = Schalter(this, "spbOhne", "Ohne");
    gruppe("Bezugsgröße", {spbUmsatz, spbAnzahl});
    gruppe("Kennzeichen", {spbAktuell, spbVergleich, spbOhne});

    auto* knoepfe = new QHBoxLayout;
    btnBuchen = new TORVStdButton(TORVStdButton::Kind::Buchen, this);
    btnBuchen->setObjectName(QStringLiteral("btnBuchen"));
    btnBuchen->setShortcut({});  // F5 belongs to the menu entry
    btnZurueck = new TORVStdButton(TORVStdButton::Kind::Zurueck, this);
    btnZurueck->setObjectName(QStringLiteral("btnZurueck"));
    knoepfe->addWidget(btnBuchen);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnZurueck);
    haupt->addLayout(knoepfe);
    connect(btnBuchen, &QPushButton::clicked, this, &TfrmABCEing::btnBuchenClick);
    connect(buchen, &QAction::triggered, this, &TfrmABCEing::btnBuchenClick);
    connect(btnZurueck, &QPushButton::clicked, this, &QDialog::reject);
    connect(zurueck, &QAction::triggered, this, &QDialog::reject);

    // First opening without a stored choice: turnover, current indicator, 20 / 30 / 50.
    edtAAnteil->SetText(QStringLiteral("20"));
    edtBAnteil->SetText(QStringLiteral("30"));
    edtCAnteil->SetText(QStringLiteral("50"));
    Umschalten(spbUmsatz);
    Umschalten(spbAktuell);

    setFixedSize(sizeHint());
    if (!gInstanz) gInstanz = this;
}

TfrmABCEing::~TfrmABCEing() {
    if (gInstanz == this) gInstanz = nullptr;
}

void TfrmABCEing::Umschalten(QAbstractButton* gedrueckt) {
    const QList<QPushButton*> bezug = {spbUmsatz, spbAnzahl};
    const QList<QPushButton*> kennzeichen = {spbAktuell, spbVergleich, spbOhne};
    const QList<QPushButton*>& gruppe = bezug.contains(gedrueckt) ? bezug : kennzeichen;
    for (QPushButton* b : gruppe) {
        const bool unten = b == gedrueckt;
        b->setChecked(unten);
        b->setEnabled(!unten);
    }
}

void TfrmABCEing::edtAAnteilExit() {
    try {
        const qint64 a = edtAAnteil->GetAsInteger(0);
        qint64 b = edtBAnteil->GetAsInteger(0);
        if (a + b > 100) {
            b = 100 - a;
            edtBAnteil->SetText(QString::number(b));
        }
        edtCAnteil->SetText(QString::number(100 - a - b));
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TfrmABCEing.edtAAnteilExit", e, 1);
    }
}

void TfrmABCEing::btnBuchenClick() {
    try {
        if (spbUmsatz->isChecked())
            FABCBezug = TABCBezug::bezUmsatz;
        else if (spbAnzahl->isChecked())
            FABCBezug = TABCBezug::bezAnzahl;
        else {
            ORVInfo().WarnungBox("Bitte wählen Sie eine Bezugsgröße.");
            return;
        }
        if (spbAktuell->isChecked())
            FABCTyp = TABCTyp::abcAktuell;
        else if (spbVergleich->isChecked())
            FABCTyp = TABCTyp::abcVergleich;
        else if (spbOhne->isChecked())
            FABCTyp = TABCTyp::abcOhne;
        else {
            ORVInfo().WarnungBox("Bitte wählen Sie ein Kennzeichen.");
            return;
        }
        FAAnteil = int32_t(edtAAnteil->GetAsInteger(0));
        FBAnteil = int32_t(edtBAnteil->GetAsInteger(0));
        if (FAAnteil + FBAnteil > 100) {
            ORVInfo().HinweisBox("Bitte wählen Sie korrekte Anteilswerte!");
            return;
        }
        accept();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TfrmABCEing.btnBuchenClick", e, 1);
    }
}

bool TfrmABCEing::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == edtAAnteil || watched == edtBAnteil)) edtAAnteilExit();
    return QDialog::eventFilter(watched, event);
}

void TfrmABCEing::showEvent(QShowEvent* event) {
    FormStoreLaden();
    QDialog::showEvent(event);
    edtAAnteil->setFocus();
    edtAAnteil->selectAll();
}

void TfrmABCEing::done(int result) {
    edtAAnteilExit();
    FormStoreSpeichern();
    QDialog::done(result);
}

void TfrmABCEing::FormStoreLaden() {
    try {
        TORVFormStoreBinding binding(this, GespeicherteEigenschaften());
        binding.Restore(Store(), kMaske);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TfrmABCEing.FormShow", e, 1);
    }
}

void TfrmABCEing::FormStoreSpeichern() {
    try {
        TORVFormStoreBinding binding(this, GespeicherteEigenschaften());
        auto store = Store();
        binding.Store(store, kMaske);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TfrmABCEing.FormClose", e, 1);
    }
}
