// "Serienbrief ..." of the overview: the letter starts at the first customer (never the totals
// record), fills the figures as "%9.2f" with a decimal comma, and asks about negative bonuses
// once per letter; "no" leaves out every such customer.
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/dm.h"
#include "overview/uebersicht_frm.h"
#include "platform/services/catalog.h"
#include "platform/services/orv_info.h"
#include "platform/services/services_fixture.h"
#include "platform/ui/serbrief/gp_ser_brief.h"
#include "platform/ui/serbrief/serbrief_vorgaben.h"
#include "support/pdf_text.h"
#include "uebersicht_daten.h"

using kis::services::testing::RecordingPresenter;
using kis::ui::SerienbriefVorgaben;

namespace {

// The overview's three customers and two with a negative bonus balance on their open items.
struct NegDaten : Daten {
    TIntPair kunz, lang;
    NegDaten() {
        kunz = f.Kunde(3, "Kunz", "Karl");
        lang = f.Kunde(4, "Lang", "Lena");
        f.OffenerPosten(kunz, "BONUS", "O", SuiteFixture::D(2024, 2, 4), 20.00, 0);
        f.OffenerPosten(lang, "BONUS", "O", SuiteFixture::D(2024, 2, 5), 5.00, 0);
        f.OffenerPosten(lang, "A-GUTSCHEI", "O", SuiteFixture::D(2024, 2, 5), 0, 30.00);
    }
};

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int Fragen(const RecordingPresenter& p) {
    int n = 0;
    for (const auto& c : p.calls)
        if (c.kind == "ask") {
            ++n;
            if (c.text != kis::services::CatalogText("MEROVA", 1008)) return -1;
        }
    return n;
}

}  // namespace

class UebersichtSerienbriefTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }
    void cleanup() { ORVInfo().SetPresenter(nullptr); }

    void negativerBonusEinmalGefragtNeinLaesstBeideAus() {
        NegDaten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        SerienbriefVorgaben v;
        v.Spalten = {"NAME", "SELUMS", "SELMENGE", "BONUS", "A-GUTSCHEI"};
        QVERIFY(v.Speichern("MEROVA", "KNUESERB"));
        RecordingPresenter presenter;
        presenter.answer = false;
        ORVInfo().SetPresenter(&presenter);

        QTemporaryDir dir;
        TUebersichtFrm frm;
        frm.show();
        frm.SerBriefVorbereiten = [&](TGPSerBrief& b) { b.SetDateien(dir.filePath("nein.csv")); };
        QVERIFY(frm.btnSerBrief->isEnabled());
        QVERIFY(frm.btnSerBriefClick());
        QCOMPARE(Fragen(presenter), 1);
        // Customers in key order; the totals record and Kunz and Lang are not there.
        QCOMPARE(Lesen(dir.filePath("nein.csv")),
                 QByteArray("\xEF\xBB\xBF\"NAME\";\"SELUMS\";\"SELMENGE\";\"BONUS\";\"A_GUTSCHEI\"\r\n"
                            "\"Zander\";\"0,00\";\"0,00\";\"0,00\";\"0,00\"\r\n"
                            "\"Adler\";\"123,99\";\"3,00\";\"0,00\";\"0,00\"\r\n"
                            "\"Bauer\";\"50,00\";\"1,00\";\"12,50\";\"0,00\"\r\n"));

        // Each letter asks anew; "yes" takes every customer, still asking only once.
        presenter.calls.clear();
        presenter.answer = true;
        frm.SerBriefVorbereiten = [&](TGPSerBrief& b) { b.SetDateien(dir.filePath("ja.csv")); };
        QVERIFY(frm.btnSerBriefClick());
        QCOMPARE(Fragen(presenter), 1);
        const QByteArray ja = Lesen(dir.filePath("ja.csv"));
        QVERIFY(ja.contains("\"Kunz\";\"0,00\";\"0,00\";\"-20,00\";\"0,00\"\r\n"));
        QVERIFY(ja.contains("\"Lang\";\"0,00\";\"0,00\";\"-5,00\";\"30,00\"\r\n"));
        QCOMPARE(ja.count("\r\n"), 6);
    }

    // Without the bonus column nobody is asked; letters from the template, one page each.
    void briefeAlsPdfOhneFrage() {
        NegDaten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        SerienbriefVorgaben v;
        v.Spalten = {"NAME"};
        v.MitBriefen = true;
        v.Text = "Liebe Kundin, lieber Kunde #VORNAME# #NAME#, Ihr Umsatz: #SELUMS# EUR.";
        QVERIFY(v.Speichern("MEROVA", "KNUESERB"));
        RecordingPresenter presenter;
        ORVInfo().SetPresenter(&presenter);

        QTemporaryDir dir;
        TUebersichtFrm frm;
        frm.show();
        frm.SerBriefVorbereiten = [&](TGPSerBrief& b) {
            b.SetDateien(dir.filePath("d.csv"), dir.filePath("briefe.pdf"));
        };
        QVERIFY(frm.btnSerBriefClick());
        QCOMPARE(Fragen(presenter), 0);
        const std::string pdf = dir.filePath("briefe.pdf").toStdString();
        QCOMPARE(kis::test::PdfSeiten(pdf), 5);
        const QString seite2 = QString::fromStdString(kis::test::PdfText(pdf, 2));
        QVERIFY2(seite2.contains("Anna Adler") && seite2.contains("Ihr Umsatz: 123,99 EUR."), qPrintable(seite2));
        QVERIFY(QString::fromStdString(kis::test::PdfText(pdf, 1)).contains("Zoë Zander"));
    }

    // An empty result writes nothing and says so.
    void ohneKundenKeineDatei() {
        SuiteFixture f;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        QTemporaryDir dir;
        TUebersichtFrm frm;
        frm.show();
        frm.SerBriefVorbereiten = [&](TGPSerBrief& b) { b.SetDateien(dir.filePath("leer.csv")); };
        QVERIFY(!frm.btnSerBriefClick());
        QVERIFY(!QFile::exists(dir.filePath("leer.csv")));
    }
};

QTEST_MAIN(UebersichtSerienbriefTest)
#include "uebersicht_serienbrief_test.moc"
