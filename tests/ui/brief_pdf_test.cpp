// Letters as one PDF: placeholder exchange, one page per letter with each customer's text
// (read back with pdftotext), long letters continuing on the next page, and failures that
// leave no file behind.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ui/letters/brief_pdf.h"
#include "support/pdf_text.h"

using kis::ui::BriefFelder;
using kis::ui::BriefPdf;
using kis::ui::FelderEinsetzen;

class BriefPdfTest : public QObject {
    Q_OBJECT

private slots:
    void felderEinsetzen();
    void einBriefJeSeiteMitUmlauten();
    void langerBriefLaeuftAufDieNaechsteSeite();
    void fehlerHinterlassenKeineDatei();

private:
    static QString Text(const QString& pfad, int seite) {
        return QString::fromStdString(kis::test::PdfText(pfad.toStdString(), seite));
    }
};

void BriefPdfTest::felderEinsetzen() {
    const BriefFelder f{{"NAME", "Müller"}, {"VORNAME", "Jürgen"}, {"BONUS", "-12,50"},
                        {"LEER", ""}};
    QCOMPARE(FelderEinsetzen("Sehr geehrter Herr #NAME#,", f), QString("Sehr geehrter Herr Müller,"));
    QCOMPARE(FelderEinsetzen("#VORNAME##NAME#", f), QString("JürgenMüller"));
    QCOMPARE(FelderEinsetzen("Bonus: #BONUS# EUR#LEER#.", f), QString("Bonus: -12,50 EUR."));
    // Unknown names and lone '#' stay; a '#' before a real placeholder does not swallow it.
    QCOMPARE(FelderEinsetzen("#UNBEKANNT# und #NAME#", f), QString("#UNBEKANNT# und Müller"));
    QCOMPARE(FelderEinsetzen("Nr. #5 für #NAME#", f), QString("Nr. #5 für Müller"));
    QCOMPARE(FelderEinsetzen("Ende #", f), QString("Ende #"));
    // A value is inserted as it is, never read again for placeholders.
    QCOMPARE(FelderEinsetzen("#A#", BriefFelder{{"A", "#NAME#"}, {"NAME", "x"}}), QString("#NAME#"));
}

void BriefPdfTest::einBriefJeSeiteMitUmlauten() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath("briefe.pdf");
    const QString vorlage = "Sehr geehrte(r) #ANREDE# #NAME#,\n\nIhr Bonus beträgt #BONUS# EUR.\n\nGrüße";
    const QStringList namen{"Müller", "Größe", "Öztürk"};

    BriefPdf pdf({"Serienbrief"});
    QVERIFY(pdf.Beginnen(pfad));
    for (const QString& name : namen)
        QVERIFY(pdf.Brief(vorlage, {{"ANREDE", "Frau"}, {"NAME", name}, {"BONUS", "-12,50"}}));
    QVERIFY(pdf.Beenden());
    QCOMPARE(pdf.Briefe(), 3);
    QCOMPARE(pdf.Seiten(), 3);

    QCOMPARE(kis::test::PdfSeiten(pfad.toStdString()), 3);
    for (int i = 0; i < namen.size(); ++i) {
        const QString seite = Text(pfad, i + 1);
        QVERIFY2(seite.contains("Frau " + namen[i] + ","), qPrintable(seite));
        QVERIFY(seite.contains("Ihr Bonus beträgt -12,50 EUR."));
        for (int j = 0; j < namen.size(); ++j)
            if (j != i) QVERIFY(!seite.contains(namen[j]));
    }

    // Address block and subject land on the page too.
    const QString pfad2 = dir.filePath("anschrift.pdf");
    QVERIFY(pdf.Beginnen(pfad2));
    QVERIFY(pdf.Brief(kis::ui::BriefInhalt{"Frau Jana Weiß\nHauptstraße 1\n80331 München",
                                           "Ihr Bonus", "Text"}));
    QVERIFY(pdf.Beenden());
    const QString text = Text(pfad2, 1);
    QVERIFY2(text.contains("Hauptstraße 1") && text.contains("80331 München") &&
                 text.contains("Ihr Bonus"),
             qPrintable(text));
    QVERIFY(text.indexOf("München") < text.indexOf("Ihr Bonus"));
}

void BriefPdfTest::langerBriefLaeuftAufDieNaechsteSeite() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath("lang.pdf");
    QStringList zeilen;
    for (int i = 1; i <= 120; ++i) zeilen << QString("Zeile %1").arg(i);
    BriefPdf pdf;
    QVERIFY(pdf.Beginnen(pfad));
    QVERIFY(pdf.Brief(zeilen.join('\n')));
    QVERIFY(pdf.Brief("Zweiter Brief"));
    QVERIFY(pdf.Beenden());
    QVERIFY(pdf.Seiten() >= 3);
    const int seiten = kis::test::PdfSeiten(pfad.toStdString());
    QCOMPARE(seiten, pdf.Seiten());
    // Every line is there once, and the second letter starts on a page of its own.
    const QString alles = Text(pfad, 0);
    for (int i = 1; i <= 120; ++i)
        QCOMPARE(alles.count(QRegularExpression(QString("\\bZeile %1\\b").arg(i))), 1);
    QCOMPARE(Text(pfad, seiten).simplified(), QString("Zweiter Brief"));
}

void BriefPdfTest::fehlerHinterlassenKeineDatei() {
    QTemporaryDir dir;
    BriefPdf pdf;
    QVERIFY(!pdf.Beginnen(dir.filePath("fehlt/briefe.pdf")));
    QVERIFY(!pdf.Fehler().isEmpty());
    QVERIFY(!pdf.Brief("Text"));

    // No letter: no file, and an existing file of that name stays as it was.
    const QString pfad = dir.filePath("alt.pdf");
    {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    QVERIFY(pdf.Beginnen(pfad));
    QVERIFY(!pdf.Beenden());
    QVERIFY(pdf.Beginnen(pfad));
    QVERIFY(pdf.Brief("Text"));
    pdf.Abbrechen();
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("alt"));
}

QTEST_MAIN(BriefPdfTest)
#include "brief_pdf_test.moc"
