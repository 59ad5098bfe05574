#include "platform/ui/serbrief/gp_ser_brief.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProgressDialog>
#include <QUrl>
#include <memory>
#include <utility>

#include "platform/partners/gp_data.h"
#include "platform/services/orv_info.h"
#include "platform/ui/letters/brief_pdf.h"
#include "platform/ui/serbrief/gp_ser_brief_dialog.h"
#include "platform/ui/serbrief/serbrief_datei.h"
#include "platform/ui/serbrief/serbrief_vorgaben.h"

using kis::ui::BriefFelder;
using kis::ui::SerienbriefDatei;
using kis::ui::SerienbriefVorgaben;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s).trimmed(); }

// The address values of a customer in the order of AdressFelder(); empty when unknown.
QStringList Adresse(TGpData& daten, const TIntPair& kunde) {
    TGpSatz s;
    if (!daten.Get(kunde, s)) return QStringList(7, QString());
    return {Q(s.Anrede), Q(s.Name), Q(s.Vorname), Q(s.Strasse), Q(s.Plz), Q(s.Ort), Q(s.Land)};
}

bool NutztPlatzhalter(const QString& text, const QString& key) {
    return text.contains(QLatin1Char('#') + key + QLatin1Char('#')) ||
           text.contains(QLatin1Char('#') + SerienbriefDatei::FeldName(key) + QLatin1Char('#'));
}

}  // namespace

TGPSerBrief::TGPSerBrief(QWidget* parent, QString programm, QString maske, KundeCallback first,
                         KundeCallback next)
    : FParent(parent), FProgramm(std::move(programm)), FMaske(std::move(maske)),
      FFirst(std::move(first)), FNext(std::move(next)) {}

TGPSerBrief::~TGPSerBrief() = default;

const std::vector<std::pair<QString, QString>>& TGPSerBrief::AdressFelder() {
    static const std::vector<std::pair<QString, QString>> felder{
        {QStringLiteral("ANREDE"), QStringLiteral("Anrede")},
        {QStringLiteral("NAME"), QStringLiteral("Name")},
        {QStringLiteral("VORNAME"), QStringLiteral("Vorname")},
        {QStringLiteral("STRASSE"), QStringLiteral("Straße")},
        {QStringLiteral("PLZ"), QStringLiteral("PLZ")},
        {QStringLiteral("ORT"), QStringLiteral("Ort")},
        {QStringLiteral("LAND"), QStringLiteral("Land")}};
    return felder;
}

void TGPSerBrief::Clear() {
    FSpalten.clear();
    FGewaehlt.clear();
    FWerte.clear();
    FBereit = false;
}

void TGPSerBrief::AddSpalte(const QString& name, const QString& caption, int art,
                            int ausrichtung, int breite, int format) {
    FSpalten.push_back({name, caption, art, ausrichtung, breite, format});
}

void TGPSerBrief::SetWert(const QString& spalte, const QString& wert) {
    for (auto& [name, text] : FWerte)
        if (name == spalte) {
            text = wert;
            return;
        }
    FWerte.emplace_back(spalte, wert);
}

void TGPSerBrief::SetDateien(const QString& datenDatei, const QString& pdfDatei) {
    FUnbeaufsichtigt = true;
    FDatenDatei = datenDatei;
    FPdfDatei = pdfDatei;
}

std::vector<std::pair<QString, QString>> TGPSerBrief::AngeboteneFelder() const {
    std::vector<std::pair<QString, QString>> felder = AdressFelder();
    for (const TSerBriefSpalte& s : FSpalten)
        if (s.Name.compare(QStringLiteral("NAME"), Qt::CaseInsensitive) != 0 &&
            s.Name.compare(QStringLiteral("VORNAME"), Qt::CaseInsensitive) != 0)
            felder.emplace_back(s.Name, s.Caption);
    return felder;
}

bool TGPSerBrief::Init() {
    FBereit = false;
    FGewaehlt.clear();
    try {
        const auto felder = AngeboteneFelder();
        SerienbriefVorgaben v = SerienbriefVorgaben::Laden(FProgramm, FMaske);
        if (FUnbeaufsichtigt) {
            if (!v.Gespeichert)
                for (const auto& f : felder) v.Spalten << f.first;
            v.MitBriefen = !FPdfDatei.isEmpty();
            v.DatenDatei = FDatenDatei;
            v.PdfDatei = FPdfDatei;
            FBriefeOeffnen = false;
        } else {
            TGPSerBriefDialog dialog(FParent, felder, v);
            if (dialog.exec() != QDialog::Accepted) return false;
            v = dialog.Vorgaben();
            FBriefeOeffnen = dialog.BriefeOeffnen();
            // Remembering the choice is a convenience: the letter is written all the same.
            v.Speichern(FProgramm, FMaske);
        }
        // Only fields that are still offered (a stored choice may name columns the caller no
        // longer defines).
        FDateiSpalten.clear();
        for (const QString& key : v.Spalten)
            for (const auto& f : felder)
                if (f.first == key && !FDateiSpalten.contains(key)) FDateiSpalten << key;
        if (FDateiSpalten.isEmpty()) return Fehlschlag(QStringLiteral("Es ist kein Feld für die Datendatei gewählt."));
        FMitBriefen = v.MitBriefen && !v.PdfDatei.isEmpty();
        FAnschrift = v.Anschrift;
        FBetreff = v.Betreff;
        FText = v.Text;
        FDatenDatei = v.DatenDatei;
        FPdfDatei = FMitBriefen ? v.PdfDatei : QString();

        // The caller fills its columns that the data file or the template uses.
        const QString vorlage = FAnschrift + QLatin1Char('\n') + FBetreff + QLatin1Char('\n') + FText;
        for (const TSerBriefSpalte& s : FSpalten) {
            const bool inDatei = FDateiSpalten.contains(s.Name);
            if (inDatei || (FMitBriefen && NutztPlatzhalter(vorlage, s.Name))) FGewaehlt << s.Name;
        }
        // Letter order: the data file's order first, the template's extra columns after.
        QStringList ordnung;
        for (const QString& key : FDateiSpalten)
            if (FGewaehlt.contains(key)) ordnung << key;
        for (const QString& key : FGewaehlt)
            if (!ordnung.contains(key)) ordnung << key;
        FGewaehlt = ordnung;
        FBereit = true;
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TGPSerBrief.Init", e);
        return false;
    }
}

bool TGPSerBrief::Fehlschlag(const QString& text) {
    FFehler = text;
    if (!FUnbeaufsichtigt) ORVInfo().WarnungBox(text.toStdString());
    return false;
}

bool TGPSerBrief::Execute() {
    FAnzahl = 0;
    FFehler.clear();
    if (!FBereit) return false;
    const auto felder = AngeboteneFelder();
    const int adressFelder = int(AdressFelder().size());

    SerienbriefDatei datei;
    kis::ui::BriefPdf pdf({QStringLiteral("Serienbrief")});
    TGpData partner;
    std::unique_ptr<QProgressDialog> fortschritt;
    try {
        if (!datei.Beginnen(FDatenDatei, FDateiSpalten)) return Fehlschlag(datei.Fehler());
        if (FMitBriefen && !pdf.Beginnen(FPdfDatei)) return Fehlschlag(pdf.Fehler());
        if (!FUnbeaufsichtigt) {
            fortschritt = std::make_unique<QProgressDialog>(
                QStringLiteral("Serienbrief wird geschrieben ..."), QStringLiteral("Abbrechen"), 0, 0, FParent);
            fortschritt->setWindowTitle(QStringLiteral("Serienbrief"));
            fortschritt->setWindowModality(Qt::WindowModal);
            fortschritt->setMinimumDuration(500);
        }

        TIntPair kunde;
        FWerte.clear();
        bool weiter = FFirst && FFirst(kunde);
        while (weiter) {
            // Every offered field of this customer: address, then the caller's values.
            BriefFelder werte;
            const QStringList adresse = Adresse(partner, kunde);
            for (int i = 0; i < int(felder.size()); ++i) {
                QString wert;
                if (i < adressFelder) {
                    wert = adresse.value(i);
                } else {
                    for (const auto& [name, text] : FWerte)
                        if (name == felder[size_t(i)].first) wert = text.trimmed();
                }
                werte.insert(felder[size_t(i)].first, wert);
                werte.insert(SerienbriefDatei::FeldName(felder[size_t(i)].first), wert);
            }
            QStringList zeile;
            for (const QString& key : FDateiSpalten) zeile << werte.value(key);
            if (!datei.Zeile(zeile)) return Fehlschlag(datei.Fehler());
            if (FMitBriefen &&
                !pdf.Brief({kis::ui::FelderEinsetzen(FAnschrift, werte).trimmed(),
                            kis::ui::FelderEinsetzen(FBetreff, werte).trimmed(),
                            kis::ui::FelderEinsetzen(FText, werte)}))
                return Fehlschlag(pdf.Fehler());
            ++FAnzahl;

            if (fortschritt) {
                fortschritt->setLabelText(QStringLiteral("Serienbrief wird geschrieben ...\n%1 Kunden").arg(FAnzahl));
                ORVInfo().ProcessMessages(300);
                if (fortschritt->wasCanceled()) {
                    FFehler = QStringLiteral("Abgebrochen.");
                    FAnzahl = 0;
                    return false;  // the files are dropped with the writers
                }
            }
            FWerte.clear();
            weiter = FNext && FNext(kunde);
        }
        fortschritt.reset();

        if (FAnzahl == 0)
            return Fehlschlag(QStringLiteral("Für den Serienbrief wurde kein Kunde gefunden. Es wurde keine Datei geschrieben."));
        if (FMitBriefen && !pdf.Beenden()) {
            FAnzahl = 0;
            return Fehlschlag(pdf.Fehler());
        }
        if (!datei.Beenden()) {
            FAnzahl = 0;
            return Fehlschlag(datei.Fehler());
        }
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TGPSerBrief.Execute", e);
        FAnzahl = 0;
        FFehler = QString::fromStdString(e.what());
        return false;
    }

    if (!FUnbeaufsichtigt) {
        QString text = QStringLiteral("Der Serienbrief für %1 Kunden wurde geschrieben.\n\nDatendatei: %2")
                           .arg(FAnzahl)
                           .arg(FDatenDatei);
        if (FMitBriefen) text += QStringLiteral("\nBriefe: %1").arg(FPdfDatei);
        ORVInfo().HinweisBox(text.toStdString());
        if (FMitBriefen && FBriefeOeffnen) QDesktopServices::openUrl(QUrl::fromLocalFile(FPdfDatei));
    }
    return true;
}

void TGPSerBrief::Done() {
    FWerte.clear();
    FBereit = false;
}
