// The layout dialog of cards and labels: choosing, changing, creating and deleting layouts, and
// what it does with unsaved changes and unreadable files.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "platform/layouts/layout_ablage.h"
#include "platform/services/orv_info.h"
#include "platform/ui/layouts/layout_editor.h"
#include "platform/ui/layouts/layout_form.h"
#include "platform/ui/layouts/layout_vorschau.h"

using namespace kis::layouts;

namespace {

TLayoutformEingaben Eingaben(const QTemporaryDir& dir, int flag = 1) {
    TLayoutformEingaben e;
    e.Titel = QStringLiteral("Ausdruck Kundendaten");
    e.Gruppe = QStringLiteral("Gestaltungsstypen");
    e.Einstellungen = QStringLiteral("Einstellungen");
    e.Praefix = QStringLiteral("KUND_");
    e.Ordner = dir.path();
    e.Art = 68;
    e.Flag = flag;
    return e;
}

QString DateiText(const QTemporaryDir& dir, const QString& name) {
    QFile f(dir.filePath(name + QStringLiteral(".ini")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList Namen(const TLayoutform& form) {
    QStringList out;
    for (int i = 0; i < form.lstLayouts->count(); ++i) out << form.lstLayouts->item(i)->text();
    return out;
}

// Number of pixels that differ from the first one: an empty preview has none to speak of.
int Gezeichnet(const QImage& bild) {
    int n = 0;
    const QRgb grund = bild.pixel(0, 0);
    for (int y = 0; y < bild.height(); y += 2)
        for (int x = 0; x < bild.width(); x += 2) n += bild.pixel(x, y) != grund;
    return n;
}

}  // namespace

class LayoutFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // An empty folder gets the standard layouts; choosing one fills the settings and the
    // preview; a changed layout asks before it is left, and only "Ja" writes the file.
    void chooseChangeAndLeave() {
        QTemporaryDir dir;
        TLayoutform form;
        QList<QString> fragen;
        int antwort = QMessageBox::No;
        form.Frage = [&](const QString& text) {
            fragen << text;
            return antwort;
        };
        form.Vorbereiten(Eingaben(dir), false);
        QCOMPARE(form.windowTitle(), QStringLiteral("Ausdruck Kundendaten"));
        QCOMPARE(form.grpLayouts->title(), QStringLiteral("Gestaltungsstypen"));
        QCOMPARE(form.grpEinstellungen->title(), QStringLiteral("Einstellungen"));
        QCOMPARE(Namen(form), (QStringList{"KUND_Etiketten_A4_3x8", "KUND_Kundenkarte"}));
        QCOMPARE(form.AktuellerName(), QStringLiteral("KUND_Etiketten_A4_3x8"));
        QCOMPARE(form.Editor->edtSpalten->value(), 3);
        QCOMPARE(form.Editor->edtObererRand->value(), 4.5);
        QCOMPARE(form.Editor->grdFelder->rowCount(), 5);
        QVERIFY(Gezeichnet(form.Vorschau->Bild(QSize(300, 400))) > 1000);

        // 30 mm at the top push the last row below the bottom margin: the checks say so.
        const QString vorher = DateiText(dir, "KUND_Etiketten_A4_3x8");
        form.Editor->edtObererRand->setValue(30);
        QVERIFY(form.IstGeaendert());
        QCOMPARE(form.lstLayouts->item(0)->text(), QStringLiteral("KUND_Etiketten_A4_3x8 *"));
        QVERIFY(form.lblFehler->text().contains(QStringLiteral("Die Etiketten reichen bis 318 mm")));
        QVERIFY(!form.Speichern());
        QCOMPARE(DateiText(dir, "KUND_Etiketten_A4_3x8"), vorher);

        // Leaving it: "Abbrechen" stays, "Nein" drops the change.
        antwort = QMessageBox::Cancel;
        form.lstLayouts->setCurrentRow(1);
        QCOMPARE(form.AktuellerName(), QStringLiteral("KUND_Etiketten_A4_3x8"));
        QCOMPARE(form.lstLayouts->currentRow(), 0);
        QCOMPARE(fragen.size(), 1);
        QCOMPARE(fragen[0], QStringLiteral("Die Änderungen am Layout \"KUND_Etiketten_A4_3x8\" speichern?"));
        antwort = QMessageBox::No;
        QVERIFY(form.LayoutWaehlen(QStringLiteral("KUND_Kundenkarte")));
        QCOMPARE(form.Editor->edtBreite->value(), 85.6);
        QCOMPARE(DateiText(dir, "KUND_Etiketten_A4_3x8"), vorher);

        // A sound change with "Ja" is saved when leaving; the list and file show it.
        form.Editor->edtXPosition->setValue(7.25);
        form.Editor->grdFelder->item(1, TLayoutEditor::spInhalt)->setText(QStringLiteral("Karte von #MANDANT#"));
        antwort = QMessageBox::Yes;
        QVERIFY(form.LayoutWaehlen(QStringLiteral("KUND_Etiketten_A4_3x8")));
        const TLayoutEintrag karte = TLayoutAblage(dir.path().toStdString()).Laden("KUND_Kundenkarte");
        QVERIFY(karte.Ok());
        QCOMPARE(karte.Layout->XPosition, 7.25);
        QCOMPARE(karte.Layout->Felder[1].Inhalt, std::string("Karte von #MANDANT#"));
        QVERIFY(DateiText(dir, "KUND_Kundenkarte").contains(QStringLiteral("XPosition=7,25\n")));

        // Printing a changed layout without saving it: the change is printed, the file kept.
        form.Editor->edtSpalten->setValue(2);
        antwort = QMessageBox::No;
        form.Drucken();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.Layout().Spalten, 2);
        QCOMPARE(TLayoutAblage(dir.path().toStdString()).Laden("KUND_Etiketten_A4_3x8").Layout->Spalten, 3);
        // Next time the last layout chosen is selected again.
        form.Vorbereiten(Eingaben(dir), false);
        QCOMPARE(form.AktuellerName(), QStringLiteral("KUND_Etiketten_A4_3x8"));
    }

    // "Neu ..." copies the shown layout under a new name; "Löschen" removes it after asking.
    void createAndDelete() {
        QTemporaryDir dir;
        TLayoutform form;
        int antwort = QMessageBox::Yes;
        form.Frage = [&](const QString&) { return antwort; };
        QString name = QStringLiteral("Filiale 2");
        form.NameFragen = [&](const QString& vorschlag) {
            [&] { QCOMPARE(vorschlag, QStringLiteral("KUND_Neu")); }();
            return name;
        };
        form.Vorbereiten(Eingaben(dir), false);
        QVERIFY(form.LayoutWaehlen(QStringLiteral("KUND_Kundenkarte")));
        form.Neu();
        QCOMPARE(form.AktuellerName(), QStringLiteral("KUND_Filiale_2"));
        QCOMPARE(form.Editor->edtBezeichnung->text(), QStringLiteral("Filiale 2"));
        QCOMPARE(form.Editor->edtBreite->value(), 85.6);
        QVERIFY(DateiText(dir, "KUND_Filiale_2").contains(QStringLiteral("Art=68\n")));

        // A name taken or not allowed creates nothing.
        name = QStringLiteral("KUND_Kundenkarte");
        form.Neu();
        name = QStringLiteral("Filiale/3");
        form.Neu();
        QCOMPARE(form.lstLayouts->count(), 3);
        QCOMPARE(form.AktuellerName(), QStringLiteral("KUND_Filiale_2"));

        antwort = QMessageBox::No;
        form.Loeschen();
        QCOMPARE(form.lstLayouts->count(), 3);
        antwort = QMessageBox::Yes;
        form.Loeschen();
        QCOMPARE(Namen(form), (QStringList{"KUND_Etiketten_A4_3x8", "KUND_Kundenkarte"}));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("KUND_Filiale_2.ini"))));
        QCOMPARE(form.AktuellerName(), QStringLiteral("KUND_Kundenkarte"));
    }

    // An unreadable file is listed with its reason, cannot be printed and can be deleted;
    // with flag 0 nothing can be changed; editing mode offers no printing.
    void badFilesAndModes() {
        QTemporaryDir dir;
        std::ofstream(dir.filePath(QStringLiteral("KUND_Alt.ini")).toStdString()) << "[Layout]\nArt=68\nSpalten=drei\n";
        TLayoutform form;
        form.Frage = [](const QString&) { return int(QMessageBox::Yes); };
        form.Vorbereiten(Eingaben(dir), false);
        QCOMPARE(Namen(form).first(), QStringLiteral("KUND_Alt (fehlerhaft)"));
        QVERIFY(form.LayoutWaehlen(QStringLiteral("KUND_Alt")));
        QVERIFY(!form.Editor->isEnabled());
        QVERIFY(!form.btnDrucken->isEnabled());
        QVERIFY(form.lblFehler->text().contains(QStringLiteral("Zeile 3: Spalten ist keine ganze Zahl")));
        QCOMPARE(Gezeichnet(form.Vorschau->Bild(QSize(200, 200))), 0);
        form.Drucken();
        QVERIFY(form.result() != QDialog::Accepted);
        form.Loeschen();
        QCOMPARE(form.lstLayouts->count(), 2);

        form.Vorbereiten(Eingaben(dir, 0), false);
        QVERIFY(!form.Editor->edtSpalten->isEnabled());
        QVERIFY(form.btnNeu->isHidden());
        QVERIFY(!form.Speichern());

        form.Vorbereiten(Eingaben(dir), true);
        QVERIFY(form.btnDrucken->isHidden());
        QCOMPARE(form.btnSchliessen->text(), QStringLiteral("Schließen"));
        QVERIFY(form.Editor->edtSpalten->isEnabled());
    }

    // A field's numbers are typed as text; one that is no number is named by the checks and
    // keeps the layout from being saved.
    void fieldGridReadsNumbers() {
        QTemporaryDir dir;
        TLayoutform form;
        form.Frage = [](const QString&) { return int(QMessageBox::No); };
        form.Vorbereiten(Eingaben(dir), false);
        QTableWidget* felder = form.Editor->grdFelder;
        felder->item(0, TLayoutEditor::spY)->setText(QStringLiteral("7,5"));
        QCOMPARE(form.Editor->Layout().Felder[0].Y, 7.5);
        felder->item(0, TLayoutEditor::spX)->setText(QStringLiteral("links"));
        QVERIFY(form.lblFehler->text().contains(QStringLiteral("Feld 1: Die Angaben müssen Zahlen sein.")));
        QVERIFY(!form.Speichern());
        felder->item(0, TLayoutEditor::spX)->setText(QStringLiteral("1"));

        felder->setCurrentCell(2, 0);
        form.Editor->cmbPlatzhalter->setCurrentIndex(form.Editor->cmbPlatzhalter->findText(QStringLiteral("Kundennummer")));
        form.Editor->btnPlatzhalter->click();
        QCOMPARE(felder->item(2, 0)->text(), QStringLiteral("#NAME2# #KUNDENNR#"));
        form.Editor->btnFeldNeu->click();
        QCOMPARE(felder->rowCount(), 6);
        form.Editor->btnFeldLoeschen->click();
        QCOMPARE(felder->rowCount(), 5);
        QVERIFY(form.Speichern());
        const TLayoutEintrag e = TLayoutAblage(dir.path().toStdString()).Laden("KUND_Etiketten_A4_3x8");
        QVERIFY(e.Ok());
        QCOMPARE(e.Layout->Felder[0].X, 1.0);
        QCOMPARE(e.Layout->Felder[2].Inhalt, std::string("#NAME2# #KUNDENNR#"));
    }
};

QTEST_MAIN(LayoutFormTest)
#include "layout_form_test.moc"
