// Cards and labels from the overview: positions on the PDF page in millimetres, the card's page
// size, and the cancelled preparation.
#include <QAction>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "app/dm.h"
#include "overview/uebersicht_frm.h"
#include "platform/layouts/layout_ablage.h"
#include "platform/services/orv_info.h"
#include "platform/ui/layouts/layout_form.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/qt_setup.h"
#include "support/pdf_lesen.h"
#include "support/suite_fixture.h"

using kis::test::PdfLesen;
using kis::test::PdfSeite;
using kis::test::PdfWortSuchen;
using kis::test::PtInMm;
using kis::test::SuiteFixture;

namespace {

// Four customers with addresses; the list is sorted by name, so they print in this order.
struct Kunden {
    SuiteFixture f;
    Kunden() {
        const char* const daten[4][5] = {{"Adler", "Anna", "Hauptstraße 1", "50667", "Köln"},
                                         {"Bauer", "Bernd", "Ringweg 22", "80331", "München"},
                                         {"Czerny", "Clara", "Marktplatz 3", "20095", "Hamburg"},
                                         {"Dorn", "Dieter", "Lindenallee 14", "01067", "Dresden"}};
        for (int i = 0; i < 4; ++i) {
            const TIntPair k(i + 1, 0);
            f.Row("GEP", {{"GEPNR", k}, {"MANDANT", TIntPair(1, 0)}, {"NAME", daten[i][0]}, {"VORNAME", daten[i][1]},
                          {"SUCHNAME", daten[i][0]}, {"STRASSE", daten[i][2]}, {"PLZ", daten[i][3]},
                          {"ORT", daten[i][4]}, {"STATUS", "A"}});
            f.KundeInListe(k, {1, 0});
        }
    }
};

// Answers the layout dialog with the named layout as soon as it is shown.
void LayoutWaehlen(TUebersichtFrm& frm, const QString& name, std::function<void()> vorher = {}) {
    QTimer::singleShot(0, &frm, [&frm, name, vorher] {
        QVERIFY(frm.LayoutForm && frm.LayoutForm->isVisible());
        QCOMPARE(frm.LayoutForm->windowTitle(), QStringLiteral("Ausdruck Kundendaten"));
        QVERIFY(frm.LayoutForm->LayoutWaehlen(name));
        if (vorher) vorher();
        frm.LayoutForm->Drucken();
    });
}

void PdfSchreiben(TUebersichtFrm& frm, const QString& pdf, int* aufrufe = nullptr) {
    frm.DruckVorschau = [pdf, aufrufe](const std::function<void(QPrinter*)>& zeichnen) {
        if (aufrufe) ++*aufrufe;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        zeichnen(&printer);
    };
}

}  // namespace

class UebersichtKartenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // A4 sheet of 3 × 8 labels of 70 × 36 mm from 4,5 mm below the top edge; the text starts
    // 6 mm inside the label, the name line 10,5 mm and the town line 24,5 mm below its top.
    void labelsLandOnTheirMillimetres() {
        Kunden d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(frm.btnKarteDrucken->isEnabled());
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("etiketten.pdf"));
        PdfSchreiben(frm, pdf);
        LayoutWaehlen(frm, QStringLiteral("KUND_Etiketten_A4_3x8"));
        QVERIFY(frm.btnKarteDruckenClick());
        // The standard layouts were created in the suite's layout folder.
        QVERIFY(std::filesystem::exists(kis::layouts::LayoutOrdner() + "/KUND_Etiketten_A4_3x8.ini"));
        QVERIFY(std::filesystem::exists(kis::layouts::LayoutOrdner() + "/KUND_Kundenkarte.ini"));

        const std::vector<PdfSeite> seiten = PdfLesen(pdf.toStdString());
        QCOMPARE(int(seiten.size()), 1);
        QVERIFY(std::abs(PtInMm(seiten[0].breite) - 210) < 0.5);
        QVERIFY(std::abs(PtInMm(seiten[0].hoehe) - 297) < 0.5);
        struct Erwartet {
            const char* vorname;
            const char* plz;
            double x, y;  // the label's top left corner, mm
        };
        const Erwartet erwartet[4] = {
            {"Anna", "50667", 0, 4.5}, {"Bernd", "80331", 70, 4.5}, {"Clara", "20095", 140, 4.5}, {"Dieter", "01067", 0, 40.5}};
        for (const Erwartet& e : erwartet) {
            const auto* vorname = PdfWortSuchen(seiten[0], e.vorname);
            const auto* plz = PdfWortSuchen(seiten[0], e.plz);
            QVERIFY2(vorname && plz, e.vorname);
            const auto nah = [](double ist, double soll) { return std::abs(ist - soll) < 0.5; };
            QVERIFY2(nah(PtInMm(vorname->xMin), e.x + 6), qPrintable(QString::number(PtInMm(vorname->xMin))));
            QVERIFY2(nah(PtInMm(vorname->yMin), e.y + 10.5), qPrintable(QString::number(PtInMm(vorname->yMin))));
            QVERIFY2(nah(PtInMm(plz->xMin), e.x + 6), qPrintable(QString::number(PtInMm(plz->xMin))));
            QVERIFY2(nah(PtInMm(plz->yMin), e.y + 24.5), qPrintable(QString::number(PtInMm(plz->yMin))));
        }
        // The totals record is no label.
        QVERIFY(!PdfWortSuchen(seiten[0], "<4"));
        QCOMPARE(int(seiten[0].woerter.size()), 4 * 6);  // first name, name, street (2), postcode, town
    }

    // The card layout prints one card of 85,6 × 54 mm per customer, in the order of the list.
    void cardsHaveTheCardsPageSize() {
        Kunden d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("karten.pdf"));
        PdfSchreiben(frm, pdf);
        LayoutWaehlen(frm, QStringLiteral("KUND_Kundenkarte"));
        frm.findChild<QAction*>(QStringLiteral("mnuKarteDrucken"))->trigger();
        const std::vector<PdfSeite> seiten = PdfLesen(pdf.toStdString());
        QCOMPARE(int(seiten.size()), 4);
        const char* const namen[4] = {"Adler", "Bauer", "Czerny", "Dorn"};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(std::abs(PtInMm(seiten[size_t(i)].breite) - 85.6) < 0.5);
            QVERIFY(std::abs(PtInMm(seiten[size_t(i)].hoehe) - 54) < 0.5);
            QVERIFY2(PdfWortSuchen(seiten[size_t(i)], namen[i]), namen[i]);
            QVERIFY(PdfWortSuchen(seiten[size_t(i)], "M1"));  // the client company
            QVERIFY(PdfWortSuchen(seiten[size_t(i)], std::to_string(i + 1)));  // the customer number
        }
    }

    // Cancelling the preparation prints nothing; cancelling the layout dialog neither.
    void cancelPrintsNothing() {
        Kunden d;
        kis::ui::InstallMessagePump();
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QTemporaryDir dir;
        int aufrufe = 0;
        PdfSchreiben(frm, dir.filePath(QStringLiteral("nichts.pdf")), &aufrufe);
        LayoutWaehlen(frm, QStringLiteral("KUND_Etiketten_A4_3x8"), [&dm] {
            // The click on "Abbrechen" arrives while the customers are read.
            QTimer::singleShot(0, dm.prgDlg, [&dm] { dm.prgDlg->Abort(); });
        });
        QVERIFY(!frm.btnKarteDruckenClick());
        QCOMPARE(aufrufe, 0);
        QVERIFY(!dm.prgDlg->isVisible());
        QCOMPARE(dm.prgDlg->Caption(), QStringLiteral("Druckaufbereitung läuft ..."));
        QVERIFY(!dm.PrgDlgActive);
        QVERIFY(frm.isEnabled());

        QTimer::singleShot(0, &frm, [&frm] { frm.LayoutForm->btnSchliessen->click(); });
        QVERIFY(!frm.btnKarteDruckenClick());
        QCOMPARE(aufrufe, 0);
        kis::ui::RemoveMessagePump();

        // The layout entry only edits: no print button, closing prints nothing.
        bool ohneDrucken = false;
        QTimer::singleShot(0, &frm, [&frm, &ohneDrucken] {
            ohneDrucken = frm.LayoutForm->isVisible() && frm.LayoutForm->btnDrucken->isHidden();
            frm.LayoutForm->btnSchliessen->click();
        });
        frm.findChild<QAction*>(QStringLiteral("mnuLayoutKarte"))->trigger();
        QVERIFY(ohneDrucken);
        QCOMPARE(aufrufe, 0);
    }
};

QTEST_MAIN(UebersichtKartenTest)
#include "uebersicht_karten_test.moc"
