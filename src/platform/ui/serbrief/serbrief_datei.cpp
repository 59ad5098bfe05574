#include "platform/ui/serbrief/serbrief_datei.h"

#include <QSaveFile>

namespace kis::ui {

SerienbriefDatei::SerienbriefDatei() = default;

SerienbriefDatei::~SerienbriefDatei() { Abbrechen(); }

QString SerienbriefDatei::FeldName(const QString& key) {
    QString name;
    for (const QChar c : key) {
        switch (c.unicode()) {
            case u'ä': name += QStringLiteral("ae"); continue;
            case u'ö': name += QStringLiteral("oe"); continue;
            case u'ü': name += QStringLiteral("ue"); continue;
            case u'Ä': name += QStringLiteral("Ae"); continue;
            case u'Ö': name += QStringLiteral("Oe"); continue;
            case u'Ü': name += QStringLiteral("Ue"); continue;
            case u'ß': name += QStringLiteral("ss"); continue;
            default: break;
        }
        const bool erlaubt = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                             (c >= u'0' && c <= u'9') || c == u'_';
        name += erlaubt ? c : QChar(u'_');
    }
    // A field name must start with a letter.
    if (name.isEmpty() || !name.front().isLetter()) name.prepend(QStringLiteral("F"));
    return name;
}

QByteArray SerienbriefDatei::Datensatz(const QStringList& werte) {
    QString zeile;
    for (qsizetype i = 0; i < werte.size(); ++i) {
        QString v = werte[i].trimmed();
        v.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        v.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        if (i > 0) zeile += QLatin1Char(';');
        zeile += QLatin1Char('"') + v + QLatin1Char('"');
    }
    zeile += QStringLiteral("\r\n");
    return zeile.toUtf8();
}

bool SerienbriefDatei::Beginnen(const QString& pfad, const QStringList& feldNamen) {
    Abbrechen();
    FZeilen = 0;
    FFehler.clear();
    FDatei = std::make_unique<QSaveFile>(pfad);
    if (!FDatei->open(QIODevice::WriteOnly)) {
        FFehler = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                      .arg(pfad, FDatei->errorString());
        FDatei.reset();
        return false;
    }
    QStringList kopf;
    for (const QString& n : feldNamen) kopf << FeldName(n);
    return Schreiben(Bom() + Datensatz(kopf));
}

bool SerienbriefDatei::Zeile(const QStringList& werte) {
    if (!FDatei) return false;
    if (!Schreiben(Datensatz(werte))) return false;
    ++FZeilen;
    return true;
}

bool SerienbriefDatei::Schreiben(const QByteArray& bytes) {
    if (FDatei->write(bytes) == bytes.size()) return true;
    FFehler = QStringLiteral("Die Datendatei konnte nicht geschrieben werden: %1")
                  .arg(FDatei->errorString());
    Abbrechen();
    return false;
}

bool SerienbriefDatei::Beenden() {
    if (!FDatei) return false;
    const bool ok = FDatei->commit();
    if (!ok)
        FFehler = QStringLiteral("Die Datendatei konnte nicht gespeichert werden: %1")
                      .arg(FDatei->errorString());
    FDatei.reset();
    return ok;
}

void SerienbriefDatei::Abbrechen() {
    if (FDatei) FDatei->cancelWriting();
    FDatei.reset();
}

}  // namespace kis::ui
