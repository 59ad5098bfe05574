#include "platform/ui/serbrief/serbrief_vorgaben.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/services/form_store.h"

namespace kis::ui {

namespace {

const char* const kMaske = "Serienbrief";

kis::services::FormStore Store(const QString& programm, const QString& maske) {
    return kis::services::FormStore({programm.toStdString(), "DEU", maske.toStdString(), "SERBRIEF"});
}

QString Ordner() {
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (ordner.isEmpty()) ordner = QDir::homePath();
    return ordner;
}

QString Wert(const kis::services::FormProperties& p, const char* name) {
    const auto it = p.find(name);
    return it == p.end() ? QString() : QString::fromStdString(it->second);
}

}  // namespace

QString SerienbriefVorgaben::StandardAnschrift() {
    return QStringLiteral("#ANREDE#\n#VORNAME# #NAME#\n#STRASSE#\n#PLZ# #ORT#");
}

QString SerienbriefVorgaben::StandardText() {
    return QStringLiteral("Sehr geehrte Damen und Herren,\n\n\n\nMit freundlichen Grüßen\n");
}

SerienbriefVorgaben SerienbriefVorgaben::Laden(const QString& programm, const QString& maske) {
    SerienbriefVorgaben v;
    const QString basis = Ordner() + QStringLiteral("/Serienbrief_") + maske;
    v.DatenDatei = QDir::toNativeSeparators(basis + QStringLiteral(".csv"));
    v.PdfDatei = QDir::toNativeSeparators(basis + QStringLiteral(".pdf"));
    v.Anschrift = StandardAnschrift();
    v.Text = StandardText();
    const kis::services::FormProperties p = Store(programm, maske).Restore(kMaske);
    if (p.empty()) return v;
    v.Gespeichert = true;
    v.Spalten = Wert(p, "lstSpalten.Items").split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    v.MitBriefen = Wert(p, "grpVorlage.Checked") == QLatin1String("1");
    v.Anschrift = Wert(p, "edtAnschrift.Text");
    v.Betreff = Wert(p, "edtBetreff.Text");
    v.Text = Wert(p, "edtVorlage.Text");
    if (const QString d = Wert(p, "edtDatenDatei.Text"); !d.isEmpty()) v.DatenDatei = d;
    if (const QString d = Wert(p, "edtPdfDatei.Text"); !d.isEmpty()) v.PdfDatei = d;
    return v;
}

bool SerienbriefVorgaben::Speichern(const QString& programm, const QString& maske) const {
    kis::services::FormStore store = Store(programm, maske);
    return store.Store(kMaske, {{"lstSpalten.Items", Spalten.join(QLatin1Char('\n')).toStdString()},
                                {"grpVorlage.Checked", MitBriefen ? "1" : "0"},
                                {"edtAnschrift.Text", Anschrift.toStdString()},
                                {"edtBetreff.Text", Betreff.toStdString()},
                                {"edtVorlage.Text", Text.toStdString()},
                                {"edtDatenDatei.Text", DatenDatei.toStdString()},
                                {"edtPdfDatei.Text", PdfDatei.toStdString()}});
}

}  // namespace kis::ui
