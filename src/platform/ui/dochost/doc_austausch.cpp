#include "platform/ui/dochost/doc_austausch.h"

#include <QHash>
#include <QRegularExpression>

#include "platform/partners/gp_satz.h"

namespace kis::dochost {

QString Austauschen(const QString& text, const Exchange& exchange) {
    static const QRegularExpression kPlatzhalter(QStringLiteral("#[^#\\s]{1,40}#"));
    QHash<QString, QString> werte;
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    auto it = kPlatzhalter.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(pos, m.capturedStart() - pos);
        const QString p = m.captured();
        auto w = werte.find(p);
        if (w == werte.end()) w = werte.insert(p, exchange ? exchange(p) : p);
        out += *w;
        pos = m.capturedEnd();
    }
    out += QStringView(text).mid(pos);
    return out;
}

const std::vector<TDocPlatzhalter>& AdressPlatzhalter() {
    static const std::vector<TDocPlatzhalter> kListe = [] {
        std::vector<TDocPlatzhalter> l;
        for (const auto& [name, caption] :
             {std::pair{"ANREDE", "Anrede"}, {"VORNAME", "Vorname"}, {"NAME", "Name"},
              {"STRASSE", "Straße"}, {"PLZ", "Postleitzahl"}, {"ORT", "Ort"}}) {
            const QString n = QString::fromUtf8(name);
            l.push_back({n, QString::fromUtf8(caption), u'#' + n + u'#'});
        }
        return l;
    }();
    return kListe;
}

QString AdressWert(const TGpSatz& k, const QString& p) {
    auto q = [](const std::string& s) { return QString::fromStdString(s).trimmed(); };
    if (p == u"#ANREDE#") return q(k.Anrede);
    if (p == u"#VORNAME#") return q(k.Vorname);
    if (p == u"#NAME#") return (q(k.Name) + u' ' + q(k.Name2)).trimmed();
    if (p == u"#STRASSE#") return q(k.Strasse);
    if (p == u"#PLZ#") return q(k.Plz);
    if (p == u"#ORT#") return q(k.Ort);
    return p;
}

QString KundenName(const TGpSatz& k) {
    return QString::fromStdString(k.Vorname + " " + k.Name + " " + k.Name2).simplified();
}

}  // namespace kis::dochost
