#include "platform/ui/dochost/doc_host_dialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/ui/dochost/doc_erzeugung.h"
#include "platform/ui/dochost/doc_smtp_dialog.h"
#include "platform/ui/dochost/gp_doc_host.h"

namespace {

constexpr const char* kMaskenName = "Message Center";

QPushButton* Knopf(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TDocHostDialog::TDocHostDialog(Tgpdochost& host, const QString& programm, const QString& maske, QWidget* parent)
    : QDialog(parent), FHost(host), FProgramm(programm.toStdString()), FMaske(maske.toStdString()) {
    setObjectName(QStringLiteral("DocHostFrm"));
    setWindowTitle(QStringLiteral("Message Center"));
    resize(900, 680);

    edtBetreff = new QLineEdit(this);
    edtBetreff->setObjectName(QStringLiteral("edtBetreff"));
    memText = new QPlainTextEdit(this);
    memText->setObjectName(QStringLiteral("memText"));
    lstPlatzhalter = new QListWidget(this);
    lstPlatzhalter->setObjectName(QStringLiteral("lstPlatzhalter"));
    btnEinfuegen = Knopf(this, "btnEinfuegen", QStringLiteral("Einfügen - Einfg"));
    btnEinfuegen->setToolTip(QStringLiteral("Platzhalter an der Schreibmarke einfügen"));
    for (const TDocPlatzhalter& p : FHost.Platzhalter()) {
        auto* item = new QListWidgetItem(QStringLiteral("%1  (%2)").arg(p.Caption, p.Key), lstPlatzhalter);
        item->setData(Qt::UserRole, p.Key);
    }
    if (lstPlatzhalter->count() > 0) lstPlatzhalter->setCurrentRow(0);

    auto* betreffLabel = new QLabel(QStringLiteral("&Betreff"), this);
    betreffLabel->setBuddy(edtBetreff);
    auto* textLabel = new QLabel(QStringLiteral("&Text"), this);
    textLabel->setBuddy(memText);
    auto* platzLabel = new QLabel(QStringLiteral("&Platzhalter"), this);
    platzLabel->setBuddy(lstPlatzhalter);

    auto* nachricht = new QGridLayout;
    nachricht->addWidget(betreffLabel, 0, 0);
    nachricht->addWidget(edtBetreff, 0, 1);
    nachricht->addWidget(platzLabel, 0, 2);
    nachricht->addWidget(textLabel, 1, 0, Qt::AlignTop);
    nachricht->addWidget(memText, 1, 1, 2, 1);
    nachricht->addWidget(lstPlatzhalter, 1, 2);
    nachricht->addWidget(btnEinfuegen, 2, 2);
    nachricht->setColumnStretch(1, 3);
    nachricht->setColumnStretch(2, 1);

    auto* vorschau = new QGroupBox(QStringLiteral("Vorschau"), this);
    btnVorheriger = Knopf(vorschau, "btnVorheriger", QStringLiteral("< vorheriger"));
    btnVorheriger->setToolTip(QStringLiteral("vorheriger Kunde (Strg+Bild auf)"));
    btnNaechster = Knopf(vorschau, "btnNaechster", QStringLiteral("nächster >"));
    btnNaechster->setToolTip(QStringLiteral("nächster Kunde (Strg+Bild ab)"));
    spnKunde = new QSpinBox(vorschau);
    spnKunde->setObjectName(QStringLiteral("spnKunde"));
    const int anzahl = int(FHost.Kunden().size());
    spnKunde->setRange(anzahl > 0 ? 1 : 0, anzahl);
    spnKunde->setSuffix(QStringLiteral(" von %1").arg(anzahl));
    spnKunde->setPrefix(QStringLiteral("Kunde "));
    lblEmpfaenger = new QLabel(vorschau);
    lblEmpfaenger->setObjectName(QStringLiteral("lblEmpfaenger"));
    lblEmpfaenger->setTextInteractionFlags(Qt::TextSelectableByMouse);
    memVorschau = new QPlainTextEdit(vorschau);
    memVorschau->setObjectName(QStringLiteral("memVorschau"));
    memVorschau->setReadOnly(true);
    auto* vl = new QVBoxLayout(vorschau);
    auto* nav = new QHBoxLayout;
    nav->addWidget(btnVorheriger);
    nav->addWidget(spnKunde);
    nav->addWidget(btnNaechster);
    nav->addWidget(lblEmpfaenger, 1);
    vl->addLayout(nav);
    vl->addWidget(memVorschau, 1);

    btnEinstellungen = Knopf(this, "btnEinstellungen", QStringLiteral("E-Mail-Einstellungen ..."));
    btnErstellen = Knopf(this, "btnErstellen", QStringLiteral("Erstellen - F5"));
    btnErstellen->setToolTip(QStringLiteral("Nachricht für alle Kunden der Liste erstellen"));
    btnZurueck = Knopf(this, "btnZurueck", QStringLiteral("zurück - Esc"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnEinstellungen);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnErstellen);
    knoepfe->addWidget(btnZurueck);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(nachricht, 3);
    haupt->addWidget(vorschau, 2);
    haupt->addLayout(knoepfe);

    FVorschauTimer = new QTimer(this);
    FVorschauTimer->setSingleShot(true);
    FVorschauTimer->setInterval(150);
    connect(FVorschauTimer, &QTimer::timeout, this, &TDocHostDialog::VorschauAktualisieren);
    connect(edtBetreff, &QLineEdit::textChanged, FVorschauTimer, qOverload<>(&QTimer::start));
    connect(memText, &QPlainTextEdit::textChanged, FVorschauTimer, qOverload<>(&QTimer::start));
    connect(spnKunde, &QSpinBox::valueChanged, this, &TDocHostDialog::VorschauAktualisieren);
    connect(btnVorheriger, &QPushButton::clicked, spnKunde, &QSpinBox::stepDown);
    connect(btnNaechster, &QPushButton::clicked, spnKunde, &QSpinBox::stepUp);
    connect(btnEinfuegen, &QPushButton::clicked, this, &TDocHostDialog::PlatzhalterEinfuegen);
    connect(lstPlatzhalter, &QListWidget::itemDoubleClicked, this, &TDocHostDialog::PlatzhalterEinfuegen);
    connect(btnEinstellungen, &QPushButton::clicked, this, &TDocHostDialog::btnEinstellungenClick);
    connect(btnErstellen, &QPushButton::clicked, this, &TDocHostDialog::btnErstellenClick);
    connect(btnZurueck, &QPushButton::clicked, this, &QDialog::reject);
    auto kurz = [this](const QKeySequence& key, auto slot) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, slot);
    };
    kurz(QKeySequence(Qt::Key_F5), &TDocHostDialog::btnErstellenClick);
    kurz(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { spnKunde->stepDown(); });
    kurz(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { spnKunde->stepUp(); });

    lstPlatzhalter->installEventFilter(this);  // Einfg on the list inserts
    edtBetreff->installEventFilter(this);
    memText->installEventFilter(this);
    FZiel = memText;
    MaskeLaden();
    VorschauAktualisieren();
    edtBetreff->setFocus();
}

bool TDocHostDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstPlatzhalter && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert) {
        PlatzhalterEinfuegen();
        return true;
    }
    if (event->type() == QEvent::FocusIn && (watched == edtBetreff || watched == memText))
        FZiel = static_cast<QWidget*>(watched);
    return QDialog::eventFilter(watched, event);
}

void TDocHostDialog::PlatzhalterEinfuegen() {
    const QListWidgetItem* item = lstPlatzhalter->currentItem();
    if (!item) return;
    const QString key = item->data(Qt::UserRole).toString();
    if (FZiel == edtBetreff) {
        edtBetreff->insert(key);
        edtBetreff->setFocus();
    } else {
        memText->insertPlainText(key);
        memText->setFocus();
    }
}

void TDocHostDialog::VorschauAktualisieren() {
    FVorschauTimer->stop();
    const int i = spnKunde->value() - 1;
    const auto& kunden = FHost.Kunden();
    if (i < 0 || i >= int(kunden.size())) {
        lblEmpfaenger->clear();
        memVorschau->clear();
        return;
    }
    try {
        const kis::dochost::TKundenNachricht k = FHost.Vorschau(kunden[size_t(i)], edtBetreff->text(), memText->toPlainText());
        if (!k.Gefunden)
            lblEmpfaenger->setText(QStringLiteral("Kunde %1 nicht gefunden").arg(QString::fromStdString(kunden[size_t(i)].ToString())));
        else if (k.EmailGueltig)
            lblEmpfaenger->setText(QStringLiteral("E-Mail an %1").arg(k.Email));
        else
            lblEmpfaenger->setText(QStringLiteral("Brief an %1").arg(kis::dochost::Anschrift(k.Satz).join(QStringLiteral(", "))));
        memVorschau->setPlainText(QStringLiteral("Betreff: %1\n\n%2").arg(k.Betreff, k.Text));
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tgpdochost.Vorschau", e, 1);
        lblEmpfaenger->setText(QStringLiteral("Vorschau nicht möglich: %1").arg(QString::fromUtf8(e.what())));
        memVorschau->clear();
    }
}

void TDocHostDialog::btnErstellenClick() {
    if (!btnErstellen->isEnabled()) return;
    if (edtBetreff->text().trimmed().isEmpty() && memText->toPlainText().trimmed().isEmpty()) {
        ORVInfo().HinweisBox("Bitte Betreff und Text der Nachricht eingeben.");
        edtBetreff->setFocus();
        return;
    }
    const std::string frage = QStringLiteral(
                                  "Die Nachricht wird für %1 Kunden erstellt: als E-Mail, wo eine E-Mail-Adresse "
                                  "vorhanden ist, sonst als Brief. Fortfahren?")
                                  .arg(FHost.Kunden().size())
                                  .toStdString();
    if (!ORVInfo().JaNeinBox(frage, true)) return;
    MaskeSpeichern();
    setEnabled(false);
    bool ok = false;
    try {
        ok = FHost.Erzeugen(edtBetreff->text(), memText->toPlainText());
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tgpdochost.Erzeugen", e, 1);
        ORVInfo().FehlerBox(std::string("Die Nachricht wurde nicht erstellt: ") + e.what());
    }
    setEnabled(true);
    const auto& e = FHost.Ergebnis();
    FErzeugt = FErzeugt || e.EMails > 0 || e.Briefe > 0;
    if (ok) {
        MaskeSpeichern();  // keeps the folder the user chose
        accept();
    }
}

void TDocHostDialog::btnEinstellungenClick() {
    TDocSmtpDialog dialog(this);
    dialog.exec();
}

void TDocHostDialog::MaskeLaden() {
    const kis::services::FormStore store({FProgramm, "DEU", FMaske, "0"});
    const kis::services::FormProperties p = store.Restore(kMaskenName);
    auto wert = [&](const char* name) {
        const auto it = p.find(name);
        return it == p.end() ? QString() : QString::fromStdString(it->second);
    };
    edtBetreff->setText(wert("edtBetreff.Text"));
    memText->setPlainText(wert("memText.Text"));
    if (FHost.OrdnerVorschlag().isEmpty()) FHost.SetOrdnerVorschlag(wert("edtOrdner.Text"));
}

void TDocHostDialog::MaskeSpeichern() {
    kis::services::FormStore store({FProgramm, "DEU", FMaske, "0"});
    // A message that cannot be kept does not stop its production; the store registers why.
    store.Store(kMaskenName, {{"edtBetreff.Text", edtBetreff->text().toStdString()},
                              {"memText.Text", memText->toPlainText().toStdString()},
                              {"edtOrdner.Text", FHost.OrdnerVorschlag().toStdString()}});
}
