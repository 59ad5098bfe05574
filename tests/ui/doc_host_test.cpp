#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/partners/gp_data.h"
#include "platform/services/orv_info.h"
#include "platform/ui/dochost/doc_austausch.h"
#include "platform/ui/dochost/doc_erzeugung.h"
#include "platform/ui/dochost/gp_doc_host.h"
#include "support/pdf_text.h"
#include "support/suite_fixture.h"

using kis::test::SuiteFixture;
using namespace kis::dochost;

class DocHostTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // Each placeholder is asked for once; values are never exchanged again; unknown ones stay.
    void exchangeReplacesEachPlaceholderOnce() {
        QStringList gefragt;
        const Exchange ex = [&](const QString& p) {
            gefragt << p;
            if (p == u"#NAME#") return QStringLiteral("#BONUS# & Co");
            if (p == u"#BONUS#") return QStringLiteral("12,50");
            return p;
        };
        QCOMPARE(Austauschen(QStringLiteral("#NAME#: #BONUS#, #BONUS#, #UNBEKANNT#, Nr. #5 und # #"), ex),
                 QStringLiteral("#BONUS# & Co: 12,50, 12,50, #UNBEKANNT#, Nr. #5 und # #"));
        QCOMPARE(gefragt, QStringList({"#NAME#", "#BONUS#", "#UNBEKANNT#"}));
        QCOMPARE(Austauschen(QStringLiteral("##BONUS##"), ex), QStringLiteral("#12,50#"));
    }

    // The host leaves a totals key out, adds the address placeholders after the caller's and
    // fills them from the customer record when the caller does not know them.
    void hostWalksCustomersAndFillsAddressFields() {
        SuiteFixture f;
        const TIntPair adler = f.Kunde(1, "Adler", "Anna");
        const TIntPair bauer = f.Kunde(2, "Bauer", "Bernd");
        const std::vector<TIntPair> liste{TIntPair(), adler, bauer};
        size_t i = 0;
        Tgpdochost host(
            nullptr, QStringLiteral("MEROVA"), QStringLiteral("KUNDSERB"),
            [&](TIntPair& k) { i = 0; k = liste[i]; return true; },
            [&](TIntPair& k) { if (++i >= liste.size()) return false; k = liste[i]; return true; });
        host.SetPlatzhalter([] { return std::vector<TDocPlatzhalter>{{"NAME", "Eigener Name", "#NAME#"}}; });
        host.SetExchange([](const TIntPair&, const QString& t) { return t; });
        QCOMPARE(host.KundenLesen(), (std::vector<TIntPair>{adler, bauer}));
        const auto p = host.Platzhalter();
        QCOMPARE(p.size(), size_t(6));  // the caller's NAME, then the address fields but NAME
        QCOMPARE(p[0].Caption, QStringLiteral("Eigener Name"));
        QCOMPARE(host.Vorschau(bauer, QStringLiteral("#VORNAME# #NAME#"), {}).Betreff, QStringLiteral("Bernd Bauer"));
        QVERIFY(!host.Vorschau(TIntPair(99, 0), QStringLiteral("x"), {}).Gefunden);
    }

    // The user stops after the second customer: what was done is written and reported, the
    // run is not a success. An unknown customer and a missing folder are failures.
    void abortAndFailuresOfARun() {
        SuiteFixture f;
        const TIntPair adler = f.Kunde(1, "Adler", "Anna");
        const TIntPair bauer = f.Kunde(2, "Bauer", "Bernd");
        const TIntPair cesar = f.Kunde(3, "Cäsar", "Carl");
        QTemporaryDir dir;
        TErzeugung lauf;
        lauf.Ordner = dir.path();
        lauf.Fortschritt = [](int nr, int, const QString&) { return nr <= 2; };
        TErgebnis e = lauf.Ausfuehren({adler, TIntPair(77, 0), bauer, cesar}, {QStringLiteral("Hallo #NAME#"), {}});
        QVERIFY(e.Abgebrochen);
        QVERIFY(!e.Ok());
        QCOMPARE(e.Kunden, 2);
        QCOMPARE(e.Briefe, 1);
        QCOMPARE(e.Fehler.size(), 1);
        QVERIFY(e.Fehler[0].contains(QStringLiteral("77/0")));
        QVERIFY(e.Zusammenfassung().contains(QStringLiteral("Abgebrochen nach 2 Kunden")));
        const std::string pdf = dir.filePath(QStringLiteral("Briefe.pdf")).toStdString();
        QCOMPARE(kis::test::PdfSeiten(pdf), 1);
        QVERIFY(QString::fromStdString(kis::test::PdfText(pdf)).contains(QStringLiteral("Hallo Adler")));

        lauf.Ordner = dir.filePath(QStringLiteral("gibt-es-nicht"));
        e = lauf.Ausfuehren({adler}, {QStringLiteral("x"), {}});
        QVERIFY(!e.Ok());
        QCOMPARE(e.Kunden, 0);
    }

    void emlFileNamesAreSafe() {
        TGpSatz s;
        s.Vorname = "Zoë";
        s.Name = "O'Neil / Schmidt: \"Nord\"";
        QCOMPARE(TErzeugung::EmlDateiName(TIntPair(12, 3), s), QStringLiteral("12-3_Zoë_O_Neil_Schmidt_Nord.eml"));
        QCOMPARE(TErzeugung::EmlDateiName(TIntPair(5, 0), TGpSatz()), QStringLiteral("5-0.eml"));
    }
};

QTEST_MAIN(DocHostTest)
#include "doc_host_test.moc"
