// The ABC dialogs, the attribute dialog and their overview functions.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/dm.h"
#include "overview/abc_eing_dialog.h"
#include "overview/abc_resultat.h"
#include "overview/set_merkmal.h"
#include "overview/uebersicht_frm.h"
#include "platform/partners/gp_merkmal_buchmani.h"
#include "platform/services/orv_info.h"
#include "platform/store/record_file.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/std_button.h"
#include "support/kisu_datei.h"
#include "uebersicht_daten.h"

namespace {

// Runs `antwort` once `dialog` is the active modal window (polling, so it also works for a
// dialog that is opened later by the code under test). The poll ends with the dialog.
void WennModal(QWidget* dialog, std::function<void()> antwort) {
    auto* timer = new QTimer(dialog);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, dialog, antwort] {
        if (QApplication::activeModalWidget() != dialog) return;
        timer->stop();
        antwort();
    });
    timer->start();
}

bool Gemeldet(const std::string& text) {
    for (const auto& e : ORVInfo().Entries())
        if (e.message.find(text) != std::string::npos) return true;
    return false;
}

int64_t Anzahl(const char* table) {
    kis::store::TQEL_DBFile f(table);
    f.OpenOut();
    return f.GetCount();
}

// Bookings of attribute values (the dialogs' form-store writes are bookings of their own).
int64_t MerkmalBuchungen() {
    kis::store::TQEL_DBFile f("BUCHUNG");
    f.OpenOut();
    f.Feld("TYP").SetFilterMinMax(kBuchungMerkmal, kBuchungMerkmal);
    return f.GetCount();
}

void Aktivieren(QWidget* w) {
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

std::string Wert(const TIntPair& kunde, const char* merkmal) {
    return TQEL_GP_GBMERkmal_Buchmani().Wert(kunde, merkmal);
}

}  // namespace

class ABCMerkmalTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // Share edits, toggle groups, the three checks of OK and the choice kept for next time.
    void abcInputDialogChecksAndRemembers() {
        SuiteFixture f;
        {
            TfrmABCEing dlg;
            dlg.show();
            QCOMPARE(dlg.windowTitle(), QStringLiteral("ABC-Kennzeichen setzen"));
            dlg.edtAAnteil->SetText("70");
            dlg.edtBAnteil->SetText("50");
            dlg.edtAAnteilExit();
            QCOMPARE(dlg.edtBAnteil->Text(), QStringLiteral("30"));
            QCOMPARE(dlg.edtCAnteil->Text(), QStringLiteral("0"));
            dlg.edtAAnteil->SetText("");  // unreadable counts as 0
            dlg.edtBAnteil->SetText("40");
            dlg.edtAAnteilExit();
            QCOMPARE(dlg.edtCAnteil->Text(), QStringLiteral("60"));
            QVERIFY(!dlg.edtCAnteil->isEnabled());

            // A button of a group goes down and is disabled, the other comes up.
            dlg.spbAnzahl->click();
            QVERIFY(dlg.spbAnzahl->isChecked() && !dlg.spbAnzahl->isEnabled());
            QVERIFY(!dlg.spbUmsatz->isChecked() && dlg.spbUmsatz->isEnabled());

            // No reference, then no indicator, then shares over 100: the dialog stays open.
            dlg.spbAnzahl->setChecked(false);
            dlg.btnBuchenClick();
            QVERIFY(Gemeldet("Bitte wählen Sie eine Bezugsgröße."));
            QVERIFY(dlg.isVisible());
            dlg.Umschalten(dlg.spbAnzahl);
            dlg.spbAktuell->setChecked(false);
            dlg.btnBuchenClick();
            QVERIFY(Gemeldet("Bitte wählen Sie ein Kennzeichen."));
            QVERIFY(dlg.isVisible());
            dlg.Umschalten(dlg.spbVergleich);
            dlg.edtAAnteil->SetText("70");
            dlg.edtBAnteil->SetText("50");
            dlg.btnBuchenClick();
            QVERIFY(Gemeldet("Bitte wählen Sie korrekte Anteilswerte!"));
            QVERIFY(dlg.isVisible());

            dlg.edtAAnteil->SetText("10");
            dlg.edtBAnteil->SetText("20");
            Aktivieren(&dlg);
            QTest::keyClick(&dlg, Qt::Key_F5);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.FAAnteil, 10);
            QCOMPARE(dlg.FBAnteil, 20);
            QVERIFY(dlg.FABCBezug == TABCBezug::bezAnzahl);
            QVERIFY(dlg.FABCTyp == TABCTyp::abcVergleich);
        }
        // A new dialog (as in the next program run) comes back with that choice.
        TfrmABCEing wieder;
        wieder.show();
        QCOMPARE(wieder.edtAAnteil->Text(), QStringLiteral("10"));
        QCOMPARE(wieder.edtBAnteil->Text(), QStringLiteral("20"));
        QCOMPARE(wieder.edtCAnteil->Text(), QStringLiteral("70"));
        QVERIFY(wieder.spbAnzahl->isChecked() && !wieder.spbAnzahl->isEnabled());
        QVERIFY(!wieder.spbUmsatz->isChecked() && wieder.spbUmsatz->isEnabled());
        QVERIFY(wieder.spbVergleich->isChecked());
        QVERIFY(!wieder.spbAktuell->isChecked() && !wieder.spbOhne->isChecked());
        Aktivieren(&wieder);
        QTest::keyClick(&wieder, Qt::Key_Escape);
        QCOMPARE(wieder.result(), int(QDialog::Rejected));
    }

    void abcResultTextAndCentredButton() {
        SuiteFixture f;
        TABCInfoRecord info;
        info.AAnzahlAbs = 1;
        info.AAnzahlRel = 0.25L;
        info.ASummeAbs = 1234.5L;
        info.ASummeRel = 0.5L;
        info.BAnzahlAbs = 1;
        info.BAnzahlRel = 0.25L;
        info.BSummeAbs = 30;
        info.BSummeRel = 1.0L / 3;
        info.CAnzahlAbs = 2;
        info.CAnzahlRel = 0.5L;
        QCOMPARE(TfrmABCResultat::ErgebnisText(info, "EUR"),
                 QStringLiteral("Der Gruppe A wurden 1 Kunden zugeordnet (25,00%).\n"
                                "Dieser Gruppe entspricht ein Umsatz von 1.234,50 EUR (50,00%).\n\n"
                                "Der Gruppe B wurden 1 Kunden zugeordnet (25,00%).\n"
                                "Dieser Gruppe entspricht ein Umsatz von 30,00 EUR (33,33%).\n\n"
                                "Der Gruppe C wurden 2 Kunden zugeordnet (50,00%).\n"
                                "Dieser Gruppe entspricht ein Umsatz von 0,00 EUR (0,00%)."));
        TfrmABCResultat dlg;
        dlg.FABCInfo = info;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Ergebnis"));
        QVERIFY(dlg.lblText->text().startsWith("Der Gruppe A wurden 1 Kunden"));
        dlg.resize(700, dlg.height());
        QApplication::processEvents();
        QCOMPARE(dlg.btnOK->x(), dlg.pnlFuss->width() / 2 - dlg.btnOK->width() / 2);

    }

    // Shift+F1 in the overview: the dialogs of program start, the letters on the customers.
    void overviewClassifiesByTurnover() {
        Daten d;  // Adler 123,99, Bauer 50,00, Zander without sales (sum 173,99)
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TfrmABCEing eingabe;
        TfrmABCResultat ergebnis;
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(frm.btnABC->isEnabled());
        Aktivieren(&frm);
        const int64_t buchungen = MerkmalBuchungen();

        // A 20 % (limit 34,80) takes Adler; B 30 % (limit 52,20) takes Bauer and, as 50,00 is
        // still below it, Zander; C stays empty.
        QString text;
        WennModal(&eingabe, [&] {
            eingabe.edtAAnteil->SetText("20");
            eingabe.edtBAnteil->SetText("30");
            eingabe.Umschalten(eingabe.spbUmsatz);
            eingabe.Umschalten(eingabe.spbAktuell);
            eingabe.btnBuchen->click();
        });
        WennModal(&ergebnis, [&] {
            text = ergebnis.lblText->text();
            ergebnis.btnOK->click();
        });
        QTest::keyClick(&frm, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY2(text.startsWith("Der Gruppe A wurden 1 Kunden zugeordnet (33,33%).\n"
                                 "Dieser Gruppe entspricht ein Umsatz von 123,99 EUR (71,26%)."),
                 qPrintable(text));
        QVERIFY(text.contains("Der Gruppe B wurden 2 Kunden zugeordnet (66,67%)."));
        QVERIFY(text.contains("Der Gruppe C wurden 0 Kunden zugeordnet (0,00%)."));
        QCOMPARE(Wert(d.adler, "ABC-Kennzeichen (Aktuell)"), std::string("A"));
        QCOMPARE(Wert(d.bauer, "ABC-Kennzeichen (Aktuell)"), std::string("B"));
        QCOMPARE(Wert(d.zander, "ABC-Kennzeichen (Aktuell)"), std::string("B"));
        QCOMPARE(MerkmalBuchungen(), buchungen + 1);

        // Cancelling the input books nothing.
        WennModal(&eingabe, [&] { eingabe.btnZurueck->click(); });
        QVERIFY(!frm.btnABCClick());
        QCOMPARE(MerkmalBuchungen(), buchungen + 1);
    }

    void overviewRefusedFileShowsNoResultAndBooksNothing() {
        Daten d;
        TDM dm({});
        kis::test::KisuSchreiben({{d.adler, 50}, {d.bauer, 30}}, 80.01);
        TfrmABCEing eingabe;
        TfrmABCResultat ergebnis;
        TUebersichtFrm frm;
        frm.show();
        const int64_t buchungen = MerkmalBuchungen();
        bool ergebnisGezeigt = false;
        WennModal(&eingabe, [&] { eingabe.btnBuchen->click(); });
        WennModal(&ergebnis, [&] {
            ergebnisGezeigt = true;
            ergebnis.reject();
        });
        QVERIFY(!frm.btnABCClick());
        QApplication::processEvents();
        QVERIFY(Gemeldet("Designfehler!"));
        QVERIFY(!ergebnisGezeigt);
        QCOMPARE(Anzahl("GPMERKMAL"), int64_t(0));
        QCOMPARE(MerkmalBuchungen(), buchungen);
    }

    // The attribute dialog: sorted attributes, the customer line, the search, the value
    // trimmed, the remembered attribute, and closing itself when there is none.
    void setAttributeDialog() {
        Daten d;
        TDM dm({});
        Tfrmsetmerkmal leer;
        leer.FKundenAuswahl = false;
        QCOMPARE(leer.exec(), int(QDialog::Rejected));  // no attribute defined yet

        TQEL_GP_GBMERkmal_Buchmani mani;
        const int32_t zone = mani.NeuesMerkmalAnlegenIfN("Zone");
        mani.NeuesMerkmalAnlegenIfN("Ärmel");
        mani.NeuesMerkmalAnlegenIfN("Bonusstufe");
        Tfrmsetmerkmal dlg;
        int suchen = 0;
        std::optional<TIntPair> treffer;
        dlg.KundeSuchen = [&] {
            ++suchen;
            return treffer;
        };
        dlg.FKundenAuswahl = true;
        dlg.FKunde = d.adler;
        dlg.show();
        QVERIFY(dlg.windowTitle().startsWith("Merkmal setzen - "));
        QVERIFY(dlg.edtKunde->isVisible() && dlg.btnGepSel->isVisible());
        QCOMPARE(dlg.edtKunde->text(), QStringLiteral("Adler, Anna"));
        QCOMPARE(dlg.cmbMerkmale->count(), 3);
        QCOMPARE(dlg.cmbMerkmale->itemText(0), QStringLiteral("Ärmel"));
        QCOMPARE(dlg.cmbMerkmale->itemText(2), QStringLiteral("Zone"));
        QCOMPARE(dlg.cmbMerkmale->currentIndex(), 0);

        // A cancelled search changes nothing; a confirmed one the customer and his name.
        dlg.btnGepSel->click();
        QCOMPARE(dlg.FKunde, d.adler);
        treffer = d.bauer;
        Aktivieren(&dlg);
        QTest::keyClick(&dlg, Qt::Key_F2);
        QCOMPARE(suchen, 2);
        QCOMPARE(dlg.FKunde, d.bauer);
        QCOMPARE(dlg.edtKunde->text(), QStringLiteral("Bauer, Bernd"));

        dlg.cmbMerkmale->setCurrentIndex(2);
        dlg.edtWert->setText("  Nord  ");
        QTest::keyClick(&dlg, Qt::Key_F5);
        QTRY_COMPARE(dlg.result(), int(QDialog::Accepted));  // the button clicks after a moment
        QCOMPARE(dlg.FGBNr, zone);
        QCOMPARE(dlg.FWert, QStringLiteral("Nord"));

        // Next opening, for all customers: the line is hidden, F2 still searches, and the
        // attribute and value come back.
        {
            Tfrmsetmerkmal wieder;
            wieder.KundeSuchen = dlg.KundeSuchen;
            wieder.FKundenAuswahl = false;
            wieder.show();
            QVERIFY(!wieder.edtKunde->isVisible() && !wieder.btnGepSel->isVisible() && !wieder.lblKunde->isVisible());
            QCOMPARE(wieder.cmbMerkmale->currentText(), QStringLiteral("Zone"));
            QCOMPARE(wieder.edtWert->text(), QStringLiteral("  Nord  "));
            treffer = d.adler;
            Aktivieren(&wieder);
            QTest::keyClick(&wieder, Qt::Key_F2);
            QCOMPARE(wieder.FKunde, d.adler);
            // A remembered attribute that no longer exists leaves the first one chosen.
            wieder.lblItemIndex->setText("999");
            wieder.reject();
        }
        Tfrmsetmerkmal dritte;
        dritte.show();
        QCOMPARE(dritte.cmbMerkmale->currentIndex(), 0);
        dritte.reject();
    }

    // F3 books for the selected customer, Ctrl+F3 for all in one booking; a stop keeps what
    // was booked up to then.
    void overviewSetsAttributesForOneAndAll() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TQEL_GP_GBMERkmal_Buchmani mani;
        mani.NeuesMerkmalAnlegenIfN("Zone");
        Tfrmsetmerkmal dlg;
        TUebersichtFrm frm;
        frm.show();
        Aktivieren(&frm);
        QCOMPARE(frm.AktGepNr(), d.adler);

        auto antworten = [&](const char* wert) {
            WennModal(&dlg, [&dlg, wert] {
                dlg.edtWert->setText(QString::fromUtf8(wert));
                dlg.btnBuchen->click();
            });
        };
        antworten("Süd");
        QTest::keyClick(&frm, Qt::Key_F3);
        QCOMPARE(Wert(d.adler, "Zone"), std::string("Süd"));
        QCOMPARE(Wert(d.bauer, "Zone"), std::string());
        QVERIFY(dlg.FKundenAuswahl);

        const int64_t buchungen = MerkmalBuchungen();
        antworten("Nord");
        Aktivieren(&frm);
        QTest::keyClick(&frm, Qt::Key_F3, Qt::ControlModifier);
        QVERIFY(!dlg.FKundenAuswahl);
        QCOMPARE(Wert(d.adler, "Zone"), std::string("Nord"));
        QCOMPARE(Wert(d.bauer, "Zone"), std::string("Nord"));
        QCOMPARE(Wert(d.zander, "Zone"), std::string("Nord"));
        QCOMPARE(MerkmalBuchungen(), buchungen + 1);
        QVERIFY(frm.isEnabled());
        QVERIFY(!dm.prgDlg->isVisible());

        // Blanks are booked as an empty value.
        antworten("   ");
        QVERIFY(frm.BuchungfralleKunden3Click());
        QCOMPARE(Wert(d.bauer, "Zone"), std::string());
        QCOMPARE(Anzahl("GPMERKMAL"), int64_t(3));

        // Stopped at the first customer: nothing more is booked, and the run says so.
        ORVInfo().SetProcessMessagesHook([&dm] { dm.PrgDlgActive = false; });
        antworten("West");
        QVERIFY(!frm.BuchungfralleKunden3Click());
        ORVInfo().SetProcessMessagesHook(nullptr);
        QCOMPARE(Wert(d.adler, "Zone"), std::string());
        QVERIFY(Gemeldet("Abgebrochen: Das Merkmal wurde 0 von 3 Kunden gebucht."));
        QVERIFY(frm.isEnabled());
    }
};

QTEST_MAIN(ABCMerkmalTest)
#include "abc_merkmal_test.moc"
