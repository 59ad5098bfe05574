#include "platform/ui/layouts/layout_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/services/orv_info.h"
#include "platform/ui/layouts/layout_editor.h"
#include "platform/ui/layouts/layout_vorschau.h"

using namespace kis::layouts;

namespace {

QPushButton* Knopf(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TLayoutform::TLayoutform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Layoutform"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1180, 660);

    grpLayouts = new QGroupBox(this);
    grpLayouts->setObjectName(QStringLiteral("grpLayouts"));
    lstLayouts = new QListWidget(grpLayouts);
    lstLayouts->setObjectName(QStringLiteral("lstLayouts"));
    btnNeu = Knopf(grpLayouts, "btnNeu", QStringLiteral("&Neu ..."));
    btnLoeschen = Knopf(grpLayouts, "btnLoeschen", QStringLiteral("&Löschen"));
    auto* links = new QVBoxLayout(grpLayouts);
    links->addWidget(lstLayouts, 1);
    auto* listKnoepfe = new QHBoxLayout;
    listKnoepfe->addWidget(btnNeu);
    listKnoepfe->addWidget(btnLoeschen);
    links->addLayout(listKnoepfe);
    grpLayouts->setMinimumWidth(230);

    grpEinstellungen = new QGroupBox(this);
    grpEinstellungen->setObjectName(QStringLiteral("grpEinstellungen"));
    Editor = new TLayoutEditor(grpEinstellungen);
    lblFehler = new QLabel(grpEinstellungen);
    lblFehler->setObjectName(QStringLiteral("lblFehler"));
    lblFehler->setWordWrap(true);
    lblFehler->setStyleSheet(QStringLiteral("color: #b00000;"));
    auto* mitte = new QVBoxLayout(grpEinstellungen);
    mitte->addWidget(Editor, 1);
    mitte->addWidget(lblFehler);

    auto* grpVorschau = new QGroupBox(QStringLiteral("Vorschau"), this);
    Vorschau = new TLayoutVorschau(grpVorschau);
    chbEinEtikett = new QCheckBox(QStringLiteral("Ein &Etikett vergrößert"), grpVorschau);
    chbEinEtikett->setObjectName(QStringLiteral("chbEinEtikett"));
    auto* rechts = new QVBoxLayout(grpVorschau);
    rechts->addWidget(Vorschau, 1);
    rechts->addWidget(chbEinEtikett);

    auto* oben = new QHBoxLayout;
    oben->addWidget(grpLayouts, 0);
    oben->addWidget(grpEinstellungen, 3);
    oben->addWidget(grpVorschau, 2);

    btnSpeichern = Knopf(this, "btnSpeichern", QStringLiteral("Speichern - F2"));
    btnSpeichern->setShortcut(Qt::Key_F2);
    btnDrucken = Knopf(this, "btnDrucken", QStringLiteral("Drucken - F5"));
    btnDrucken->setShortcut(Qt::Key_F5);
    btnSchliessen = Knopf(this, "btnSchliessen", QStringLiteral("Abbrechen"));
    auto* unten = new QHBoxLayout;
    unten->addWidget(btnSpeichern);
    unten->addStretch(1);
    unten->addWidget(btnDrucken);
    unten->addWidget(btnSchliessen);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben, 1);
    haupt->addLayout(unten);

    Frage = [this](const QString& text) {
        return int(QMessageBox::question(this, windowTitle(), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes));
    };
    NameFragen = [this](const QString& vorschlag) {
        bool ok = false;
        const QString name = QInputDialog::getText(this, QStringLiteral("Neues Layout"),
                                                   QStringLiteral("Name des neuen Layouts:"), QLineEdit::Normal,
                                                   vorschlag, &ok);
        return ok ? name : QString();
    };

    connect(lstLayouts, &QListWidget::currentRowChanged, this, &TLayoutform::EintragGewechselt);
    connect(Editor, &TLayoutEditor::Geaendert, this, &TLayoutform::EditorGeaendert);
    connect(chbEinEtikett, &QCheckBox::toggled, Vorschau, &TLayoutVorschau::SetNurEinEtikett);
    connect(btnNeu, &QPushButton::clicked, this, &TLayoutform::Neu);
    connect(btnLoeschen, &QPushButton::clicked, this, &TLayoutform::Loeschen);
    connect(btnSpeichern, &QPushButton::clicked, this, [this] { Speichern(); });
    connect(btnDrucken, &QPushButton::clicked, this, &TLayoutform::Drucken);
    connect(btnSchliessen, &QPushButton::clicked, this, &TLayoutform::reject);
}

void TLayoutform::SetVorschauKunde(const TKundenDaten& kunde) { Vorschau->SetKunde(kunde); }

bool TLayoutform::Ausfuehren(const TLayoutformEingaben& eingaben, bool nurBearbeiten) {
    Vorbereiten(eingaben, nurBearbeiten);
    const int ergebnis = exec();
    return nurBearbeiten || ergebnis == QDialog::Accepted;
}

void TLayoutform::Vorbereiten(const TLayoutformEingaben& eingaben, bool nurBearbeiten) {
    FEingaben = eingaben;
    FNurBearbeiten = nurBearbeiten;
    setWindowTitle(eingaben.Titel);
    grpLayouts->setTitle(eingaben.Gruppe);
    grpEinstellungen->setTitle(eingaben.Einstellungen);
    btnDrucken->setVisible(!nurBearbeiten);
    btnSchliessen->setText(nurBearbeiten ? QStringLiteral("Schließen") : QStringLiteral("Abbrechen"));
    const bool aendern = eingaben.Flag == 1;
    btnNeu->setVisible(aendern);
    btnLoeschen->setVisible(aendern);
    btnSpeichern->setVisible(aendern);
    Editor->SetNurLesen(!aendern);
    if (eingaben.Praefix.toStdString() == kPraefixKunde && eingaben.Art == kArtKundendaten) {
        try {
            TLayoutAblage(eingaben.Ordner.toStdString()).StandardAnlegen();
        } catch (const std::exception& e) {
            ORVInfo().RegisterException("TLayoutform.Vorbereiten", e);
            ORVInfo().FehlerBox(e.what());
        }
    }
    ListeLaden(FLetzterName);
}

void TLayoutform::ListeLaden(const QString& waehlen) {
    FWechsel = true;
    FEintraege = TLayoutAblage(FEingaben.Ordner.toStdString()).Liste(FEingaben.Praefix.toStdString(), FEingaben.Art);
    lstLayouts->clear();
    int zeile = 0;
    for (size_t i = 0; i < FEintraege.size(); ++i) {
        const TLayoutEintrag& e = FEintraege[i];
        auto* item = new QListWidgetItem(Q(e.Name), lstLayouts);
        item->setData(Qt::UserRole, Q(e.Name));
        if (e.Ok()) {
            item->setToolTip(Q(e.Layout->Bezeichnung));
        } else {
            item->setText(Q(e.Name) + QStringLiteral(" (fehlerhaft)"));
            item->setForeground(QColor(176, 0, 0));
            item->setToolTip(Q(e.Fehler));
        }
        if (Q(e.Name) == waehlen) zeile = int(i);
    }
    FGeaendert = false;
    lstLayouts->setCurrentRow(FEintraege.empty() ? -1 : zeile);
    FWechsel = false;
    FAktuell = lstLayouts->currentRow();
    Anzeigen();
}

const TLayoutEintrag* TLayoutform::AktuellerEintrag() const {
    return FAktuell >= 0 && FAktuell < int(FEintraege.size()) ? &FEintraege[size_t(FAktuell)] : nullptr;
}

QString TLayoutform::AktuellerName() const {
    const TLayoutEintrag* e = AktuellerEintrag();
    return e ? Q(e->Name) : QString();
}

bool TLayoutform::LayoutWaehlen(const QString& name) {
    for (int i = 0; i < int(FEintraege.size()); ++i)
        if (Q(FEintraege[size_t(i)].Name) == name) {
            lstLayouts->setCurrentRow(i);
            return FAktuell == i;
        }
    return false;
}

void TLayoutform::EintragGewechselt(int row) {
    if (FWechsel || row == FAktuell) return;
    if (!AenderungenKlaeren()) {
        // Stay on the changed layout.
        FWechsel = true;
        lstLayouts->setCurrentRow(FAktuell);
        FWechsel = false;
        return;
    }
    FAktuell = row;
    FGeaendert = false;
    Anzeigen();
}

void TLayoutform::Anzeigen() {
    const TLayoutEintrag* e = AktuellerEintrag();
    const bool ok = e && e->Ok();
    if (ok) Editor->SetLayout(*e->Layout);
    else Editor->SetLayout(TKundLayout{});
    Editor->setEnabled(ok);
    Vorschau->SetLayout(ok ? e->Layout : std::nullopt);
    btnLoeschen->setEnabled(e != nullptr);
    btnSpeichern->setEnabled(ok);
    btnDrucken->setEnabled(ok);
    lblFehler->setText(e && !ok ? QStringLiteral("Diese Layoutdatei kann nicht verwendet werden: ") + Q(e->Fehler)
                                : QString());
}

void TLayoutform::EditorGeaendert() {
    if (!AktuellerEintrag()) return;
    FGeaendert = true;
    if (QListWidgetItem* item = lstLayouts->item(FAktuell)) item->setText(AktuellerName() + QStringLiteral(" *"));
    Vorschau->SetLayout(Editor->Layout());
    FehlerZeigen();
}

void TLayoutform::FehlerZeigen() {
    const std::vector<std::string> fehler = LayoutPruefen(Editor->Layout());
    QStringList zeilen;
    for (size_t i = 0; i < fehler.size() && i < 4; ++i) zeilen << Q(fehler[i]);
    lblFehler->setText(zeilen.join(QLatin1Char('\n')));
}

bool TLayoutform::AenderungenKlaeren() {
    if (!FGeaendert || !AktuellerEintrag()) return true;
    const int antwort = Frage(QStringLiteral("Die Änderungen am Layout \"%1\" speichern?").arg(AktuellerName()));
    if (antwort == QMessageBox::Cancel) return false;
    if (antwort == QMessageBox::Yes) return Speichern();
    FGeaendert = false;
    if (QListWidgetItem* item = lstLayouts->item(FAktuell)) item->setText(AktuellerName());
    return true;
}

bool TLayoutform::Speichern() {
    const TLayoutEintrag* e = AktuellerEintrag();
    if (!e || !e->Ok() || FEingaben.Flag != 1) return false;
    const TKundLayout layout = Editor->Layout();
    try {
        TLayoutAblage(FEingaben.Ordner.toStdString()).Speichern(layout, FEingaben.Praefix.toStdString());
    } catch (const std::exception& ex) {
        ORVInfo().RegisterException("TLayoutform.Speichern", ex);
        ORVInfo().FehlerBox(std::string("Das Layout wurde nicht gespeichert. ") + ex.what());
        return false;
    }
    FEintraege[size_t(FAktuell)].Layout = layout;
    FGeaendert = false;
    if (QListWidgetItem* item = lstLayouts->item(FAktuell)) {
        item->setText(AktuellerName());
        item->setToolTip(Q(layout.Bezeichnung));
    }
    return true;
}

void TLayoutform::Neu() {
    if (FEingaben.Flag != 1 || !AenderungenKlaeren()) return;
    const QString praefix = FEingaben.Praefix;
    QString name = NameFragen(praefix + QStringLiteral("Neu")).trimmed();
    if (name.isEmpty()) return;
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    if (!name.startsWith(praefix, Qt::CaseInsensitive)) name.prepend(praefix);
    else name = praefix + name.mid(praefix.size());
    TLayoutAblage ablage(FEingaben.Ordner.toStdString());
    if (!LayoutNameGueltig(name.toStdString(), praefix.toStdString())) {
        ORVInfo().FehlerBox("\"" + name.toStdString() + "\" ist kein gültiger Layoutname: Er besteht aus \"" +
                            praefix.toStdString() + "\" und Buchstaben, Ziffern, \"_\" oder \"-\".");
        return;
    }
    if (ablage.Existiert(name.toStdString())) {
        ORVInfo().FehlerBox("Das Layout \"" + name.toStdString() + "\" gibt es schon.");
        return;
    }
    // The new layout starts as a copy of the one shown.
    const TLayoutEintrag* e = AktuellerEintrag();
    TKundLayout neu = e && e->Ok() ? *e->Layout : StandardEtikettenA4();
    neu.Name = name.toStdString();
    neu.Art = FEingaben.Art;
    neu.Bezeichnung = name.mid(praefix.size()).replace(QLatin1Char('_'), QLatin1Char(' ')).toStdString();
    try {
        ablage.Speichern(neu, praefix.toStdString());
    } catch (const std::exception& ex) {
        ORVInfo().RegisterException("TLayoutform.Neu", ex);
        ORVInfo().FehlerBox(std::string("Das Layout wurde nicht angelegt. ") + ex.what());
        return;
    }
    ListeLaden(name);
}

void TLayoutform::Loeschen() {
    const TLayoutEintrag* e = AktuellerEintrag();
    if (!e || FEingaben.Flag != 1) return;
    const QString name = Q(e->Name);
    if (Frage(QStringLiteral("Das Layout \"%1\" löschen?").arg(name)) != QMessageBox::Yes) return;
    try {
        TLayoutAblage(FEingaben.Ordner.toStdString()).Loeschen(name.toStdString(), FEingaben.Praefix.toStdString());
    } catch (const std::exception& ex) {
        ORVInfo().RegisterException("TLayoutform.Loeschen", ex);
        ORVInfo().FehlerBox(ex.what());
        return;
    }
    // The neighbour below takes the deleted one's place.
    const int row = FAktuell;
    FGeaendert = false;
    const QString naechster =
        row + 1 < int(FEintraege.size()) ? Q(FEintraege[size_t(row + 1)].Name)
                                         : (row > 0 ? Q(FEintraege[size_t(row - 1)].Name) : QString());
    ListeLaden(naechster);
}

void TLayoutform::Drucken() {
    if (FNurBearbeiten) return;
    const TLayoutEintrag* e = AktuellerEintrag();
    if (!e) return;
    if (!e->Ok()) {
        ORVInfo().FehlerBox("Diese Layoutdatei kann nicht verwendet werden: " + e->Fehler);
        return;
    }
    const TKundLayout layout = FGeaendert ? Editor->Layout() : *e->Layout;
    const std::vector<std::string> fehler = LayoutPruefen(layout);
    if (!fehler.empty()) {
        ORVInfo().FehlerBox("Mit diesem Layout kann nicht gedruckt werden: " + fehler.front());
        return;
    }
    if (FGeaendert) {
        // Yes saves first; No prints the changed layout without saving it.
        const int antwort = Frage(QStringLiteral("Die Änderungen am Layout \"%1\" speichern?").arg(AktuellerName()));
        if (antwort == QMessageBox::Cancel) return;
        if (antwort == QMessageBox::Yes && !Speichern()) return;
        FGeaendert = false;
    }
    FGewaehlt = layout;
    FLetzterName = Q(layout.Name);
    accept();
}

void TLayoutform::reject() {
    if (!AenderungenKlaeren()) return;
    if (const TLayoutEintrag* e = AktuellerEintrag()) FLetzterName = Q(e->Name);
    QDialog::reject();
}
