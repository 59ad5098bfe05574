// The serial letter: the data file's exact bytes, the stored choice of fields and template per
// mask, letters as one PDF page per customer, the dialog, and runs that write nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/services/orv_info.h"
#include "platform/ui/serbrief/gp_ser_brief.h"
#include "platform/ui/serbrief/gp_ser_brief_dialog.h"
#include "platform/ui/serbrief/serbrief_datei.h"
#include "platform/ui/serbrief/serbrief_vorgaben.h"
#include "support/anschrift.h"
#include "support/pdf_text.h"
#include "support/suite_fixture.h"

using kis::test::Anschrift;
using kis::test::KundeMitAnschrift;
using kis::test::SuiteFixture;
using kis::ui::SerienbriefVorgaben;

namespace {

// The caller's side of a letter: a list of customers, each with the values of its columns.
struct Aufrufer {
    std::vector<std::pair<TIntPair, std::map<QString, QString>>> kunden;
    size_t pos = 0;
    TGPSerBrief* brief = nullptr;

    bool Liefern(TIntPair& kunde) {
        if (pos >= kunden.size()) return false;
        for (const QString& s : brief->GewaehlteSpalten())
            brief->SetWert(s, kunden[pos].second.count(s) ? kunden[pos].second.at(s) : QString());
        kunde = kunden[pos++].first;
        return true;
    }
    std::unique_ptr<TGPSerBrief> Neu(const QString& maske = "TESTSERB") {
        auto b = std::make_unique<TGPSerBrief>(
            nullptr, "MEROVA", maske, [this](TIntPair& k) { pos = 0; return Liefern(k); },
            [this](TIntPair& k) { return Liefern(k); });
        brief = b.get();
        b->AddSpalte("SELUMS", "Sel. Umsatz", 1, 4, 13, 70);
        b->AddSpalte("A-GUTSCHEI", "Gutschein", 1, 4, 13, 70);
        b->AddSpalte("BONUS", "Bonus", 1, 4, 13, 70);
        return b;
    }
};

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class GPSerBriefTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    void datendateiByteGenau() {
        SuiteFixture f;
        Aufrufer a;
        a.kunden = {{KundeMitAnschrift(f, 1, {"Herr", "Müller", "Jürgen", "Hauptstraße 5", "80331", "München"}),
                     {{"SELUMS", "   123,99"}, {"A-GUTSCHEI", "     0,00"}, {"BONUS", "   -12,50"}}},
                    {KundeMitAnschrift(f, 2, {"Firma", "Weiß \"Café\"; GmbH", "", "Ölweg 1\n2. OG", "1010", "Wien", "A"}),
                     {{"SELUMS", "     5,00"}, {"BONUS", "    -0,01"}}},
                    {TIntPair(99, 0), {{"BONUS", "     1,00"}}}};  // no partner record
        QTemporaryDir dir;
        auto brief = a.Neu();
        brief->SetDateien(dir.filePath("daten.csv"));
        QVERIFY(brief->Init());
        QCOMPARE(brief->GewaehlteSpalten(), QStringList({"SELUMS", "A-GUTSCHEI", "BONUS"}));
        QVERIFY(brief->Execute());
        QCOMPARE(brief->Anzahl(), 3);

        const QByteArray erwartet =
            "\xEF\xBB\xBF"
            "\"ANREDE\";\"NAME\";\"VORNAME\";\"STRASSE\";\"PLZ\";\"ORT\";\"LAND\";\"SELUMS\";\"A_GUTSCHEI\";\"BONUS\"\r\n"
            "\"Herr\";\"M\xC3\xBCller\";\"J\xC3\xBCrgen\";\"Hauptstra\xC3\x9F" "e 5\";\"80331\";\"M\xC3\xBCnchen\";\"D\";\"123,99\";\"0,00\";\"-12,50\"\r\n"
            "\"Firma\";\"Wei\xC3\x9F \"\"Caf\xC3\xA9\"\"; GmbH\";\"\";\"\xC3\x96lweg 1 2. OG\";\"1010\";\"Wien\";\"A\";\"5,00\";\"\";\"-0,01\"\r\n"
            "\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"1,00\"\r\n";
        QCOMPARE(Lesen(dir.filePath("daten.csv")), erwartet);
        QCOMPARE(kis::ui::SerienbriefDatei::FeldName("Straße-Nr."), QString("Strasse_Nr_"));
        QCOMPARE(kis::ui::SerienbriefDatei::FeldName("1A"), QString("F1A"));
    }

    void gespeicherteWahlUndBriefeAlsPdf() {
        SuiteFixture f;
        Aufrufer a;
        const QStringList namen{"Müller", "Öztürk", "Weiß"};
        for (int i = 0; i < namen.size(); ++i)
            a.kunden.push_back({KundeMitAnschrift(f, i + 1, {"Frau", namen[i].toStdString(), "Eva",
                                                             "Ringstraße 1", "5000" + std::to_string(i), "Köln"}),
                                {{"BONUS", QString("  -1%1,50").arg(i)}, {"SELUMS", "  100,00"}}});
        SerienbriefVorgaben v;
        v.Spalten = {"NAME", "BONUS", "GIBTESNICHTMEHR"};
        v.MitBriefen = true;
        v.Anschrift = SerienbriefVorgaben::StandardAnschrift();
        v.Betreff = "Ihr Bonus";
        v.Text = "Sehr geehrte #ANREDE# #NAME#,\nIhr Umsatz: #SELUMS# EUR, Bonus: #BONUS# EUR, Gutschein: #A_GUTSCHEI#.";
        QVERIFY(v.Speichern("MEROVA", "TESTSERB"));
        // Stored per mask: another mask has its own (no) choice.
        QVERIFY(!SerienbriefVorgaben::Laden("MEROVA", "ANDERS").Gespeichert);

        QTemporaryDir dir;
        auto brief = a.Neu();
        brief->SetDateien(dir.filePath("d.csv"), dir.filePath("briefe.pdf"));
        QVERIFY(brief->Init());
        // The data file's column, then those only the template uses.
        QCOMPARE(brief->GewaehlteSpalten(), QStringList({"BONUS", "SELUMS", "A-GUTSCHEI"}));
        QVERIFY(brief->Execute());
        QCOMPARE(Lesen(dir.filePath("d.csv")),
                 QByteArray("\xEF\xBB\xBF\"NAME\";\"BONUS\"\r\n\"M\xC3\xBCller\";\"-10,50\"\r\n"
                            "\"\xC3\x96zt\xC3\xBCrk\";\"-11,50\"\r\n\"Wei\xC3\x9F\";\"-12,50\"\r\n"));

        const std::string pdf = dir.filePath("briefe.pdf").toStdString();
        QCOMPARE(kis::test::PdfSeiten(pdf), 3);
        for (int i = 0; i < namen.size(); ++i) {
            const QString seite = QString::fromStdString(kis::test::PdfText(pdf, i + 1));
            QVERIFY2(seite.contains("Sehr geehrte Frau " + namen[i] + ","), qPrintable(seite));
            QVERIFY(seite.contains(QString("Bonus: -1%1,50 EUR").arg(i)));
            QVERIFY(seite.contains("Ihr Umsatz: 100,00 EUR") && seite.contains("Gutschein: ."));
            QVERIFY(seite.contains(QString("5000%1 Köln").arg(i)));
            for (int j = 0; j < namen.size(); ++j)
                if (j != i) QVERIFY(!seite.contains(namen[j]));
        }
    }

    void nichtsGeschriebenOhneKundenOderZiel() {
        SuiteFixture f;
        QTemporaryDir dir;
        Aufrufer leer;
        auto brief = leer.Neu();
        brief->SetDateien(dir.filePath("d.csv"), dir.filePath("b.pdf"));
        QVERIFY(brief->Init());
        QVERIFY(!brief->Execute());
        QVERIFY(!brief->Fehler().isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("d.csv")) && !QFile::exists(dir.filePath("b.pdf")));

        Aufrufer a;
        a.kunden = {{KundeMitAnschrift(f, 1, {"Herr", "A", "", "", "", ""}), {}}};
        auto b2 = a.Neu();
        b2->SetDateien(dir.filePath("fehlt/d.csv"));
        QVERIFY(b2->Init());
        QVERIFY(!b2->Execute());
        QCOMPARE(b2->Anzahl(), 0);

        // A walk that throws leaves no file and reports the failure.
        TGPSerBrief wirft(nullptr, "MEROVA", "TESTSERB", [](TIntPair& k) { k = {1, 0}; return true; },
                          [](TIntPair&) -> bool { throw std::runtime_error("kaputt"); });
        wirft.SetDateien(dir.filePath("w.csv"));
        QVERIFY(wirft.Init());
        QVERIFY(!wirft.Execute());
        QVERIFY(!QFile::exists(dir.filePath("w.csv")));
        QVERIFY(QString::fromStdString(ORVInfo().LastError()).contains("TGPSerBrief.Execute"));
    }

    // The dialog keeps the chosen fields in their order, the template and the files per mask.
    void dialogMerktDieWahl() {
        SuiteFixture f;
        QTemporaryDir dir;
        Aufrufer a;
        a.kunden = {{KundeMitAnschrift(f, 1, {"Herr", "Adler", "", "", "", ""}), {{"BONUS", "-1,00"}}}};
        auto brief = a.Neu("DLGSERB");
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<TGPSerBriefDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            // Every field is offered and chosen at first.
            QCOMPARE(d->lstSpalten->count(), 10);
            QPushButton* keine = d->findChild<QPushButton*>("btnKeine");
            keine->click();
            d->lstSpalten->item(9)->setCheckState(Qt::Checked);  // BONUS
            d->lstSpalten->item(1)->setCheckState(Qt::Checked);  // NAME
            d->lstSpalten->setCurrentRow(9);
            for (int i = 0; i < 9; ++i) d->findChild<QPushButton*>("btnHoch")->click();
            d->edtDatenDatei->setText(dir.filePath("x.csv"));
            d->grpVorlage->setChecked(true);
            d->edtPdfDatei->setText(dir.filePath("x.pdf"));
            d->chbOeffnen->setChecked(false);
            d->edtVorlage->setPlainText("Hallo ");
            d->edtVorlage->setFocus();
            d->edtVorlage->moveCursor(QTextCursor::End);
            d->cmbFeld->setCurrentIndex(1);
            d->findChild<QPushButton*>("btnFeldEinfuegen")->click();
            d->btnOk->click();
        });
        QVERIFY(brief->Init());
        const SerienbriefVorgaben v = SerienbriefVorgaben::Laden("MEROVA", "DLGSERB");
        QCOMPARE(v.Spalten, QStringList({"BONUS", "NAME"}));
        QCOMPARE(v.Text, QString("Hallo #NAME#"));
        QVERIFY(v.MitBriefen);
        QCOMPARE(v.PdfDatei, dir.filePath("x.pdf"));
        QVERIFY(brief->Execute());
        QCOMPARE(Lesen(dir.filePath("x.csv")), QByteArray("\xEF\xBB\xBF\"BONUS\";\"NAME\"\r\n\"-1,00\";\"Adler\"\r\n"));
        QVERIFY(kis::test::PdfText(dir.filePath("x.pdf").toStdString()).find("Hallo Adler") != std::string::npos);

        // The second opening shows that choice; with nothing chosen the dialog stays open.
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<TGPSerBriefDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->lstSpalten->item(0)->text(), QString("Bonus"));
            QCOMPARE(d->lstSpalten->item(0)->checkState(), Qt::Checked);
            QCOMPARE(d->lstSpalten->item(2)->checkState(), Qt::Unchecked);
            d->findChild<QPushButton*>("btnKeine")->click();
            d->btnOk->click();
            QVERIFY(d->isVisible());
            d->reject();
        });
        QVERIFY(!brief->Init());
        QVERIFY(!brief->Execute());
    }
};

QTEST_MAIN(GPSerBriefTest)
#include "gp_ser_brief_test.moc"
