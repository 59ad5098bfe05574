#include "overview/csv_export.h"

#include "platform/ui/german_format.h"

namespace kis::overview {

namespace {

QString Wert(QString v) {
    v = v.trimmed();
    if (!v.isEmpty() && QStringLiteral("=+-@").contains(v.front()) && !kis::ui::ParseGermanNumber(v))
        v.prepend(QLatin1Char('\''));
    if (v.contains(QLatin1Char(';')) || v.contains(QLatin1Char('"')) || v.contains(QLatin1Char('\n')) ||
        v.contains(QLatin1Char('\r')))
        v = QLatin1Char('"') + v.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return v;
}

}  // namespace

QString CsvZeile(const QStringList& werte) {
    QString zeile;
    for (const QString& w : werte) zeile += Wert(w) + QLatin1Char(';');
    return zeile;
}

QByteArray CsvDatei(const QStringList& kopf, const std::vector<QStringList>& zeilen) {
    QString text = CsvZeile(kopf) + QStringLiteral("\r\n");
    for (const QStringList& z : zeilen) text += CsvZeile(z) + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace kis::overview
