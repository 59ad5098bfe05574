// The selection window as a user and a bonus programme meet it: pages, menu and keys, the
// transfer of visible boxes, presets and their locks, masks per mode, the enabling rules,
// and an evaluation that gives the same result as kis-eval with the saved mask.
#include "selection/selektion_frm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QProcess>
#include <QTableWidget>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "../../tools/eval/kisu_csv.h"
#include "app/dm.h"
#include "app/kunden_info.h"
#include "bonus/programm_selektion.h"
#include "engine/merova_filter.h"
#include "overview/uebersicht_frm.h"
#include "platform/services/form_store.h"
#include "platform/ui/button_menu.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/gpsel/gp_sel_adr_box.h"
#include "platform/ui/gpsel/gp_sel_erw_box.h"
#include "platform/ui/gpsel/gp_sel_grid_box.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/neg_label.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/std_button.h"
#include "selection/auswahl_dialog.h"
#include "selection/box_filter.h"
#include "selection/sum_sel_op_box.h"
#include "selection/sum_sel_vk_box.h"
#include "selection/vk_sel_bon_box.h"
#include "selection/vk_sel_pos_box.h"
#include "support/suite_fixture.h"

namespace {

template <class T = QWidget>
T* Ctl(QWidget* box, const char* name) {
    T* w = box->findChild<T*>(QLatin1String(name));
    if (!w) qFatal("control %s missing", name);
    return w;
}

void Text(QWidget* box, const char* name, const QString& text) {
    Ctl<TCustomORVMaskEdit>(box, name)->SetText(text);
}

// The filter fields the boxes can reach, as one comparable text.
QString Abbild(const TMerovaFilter& f) {
    QStringList s;
    auto add = [&](const char* n, const auto& v) {
        s << QString("%1=%2").arg(n).arg(QVariant::fromValue(v).toString());
    };
    const auto& l = f.LSTFilter;
    s << QString::fromStdString(l.DatumVon + "|" + l.DatumBis + "|" + l.ArtikelNr + "|" + l.VkKz);
    for (const auto& x : l.Filialen) s << QString::fromStdString(x);
    for (const auto& x : f.FZM.Lines()) s << QString::fromStdString(x);
    for (const auto& x : f.FOP.Lines()) s << QString::fromStdString(x);
    add("DatumNeg", l.DatumNeg);
    add("IstVk", double(l.IstVkMin) * 1000 + double(l.IstVkMax));
    add("Red", int(l.NichtReduziert) * 1000 + int(l.Reduziert) * 100 +
                   int(l.ReduziertIstGleichRedSoll) * 10 + int(l.ReduziertIstKleinerRedSoll));
    add("Nachlass", double(l.NachlassMin) * 1000 + double(l.NachlassMax));
    add("Bonus", int(l.BonusVerrechnet) * 10 + int(l.NichtBonusVerrechnet));
    add("Lief", f.AAFilter.Lieferant);
    add("Var", QString::fromStdString(f.AAFilter.Varianten));
    add("Saison", QString::fromStdString(f.FSaison));
    add("BonSum", double(f.FBonSumMin) * 1000 + double(f.FBonSumMax));
    add("BonSumNeg", f.FBonSumNeg);
    add("ZMNeg", f.FZMNeg);
    add("SelMenge", f.FSelSumMengeMin * 1000 + f.FSelSumMengeMax);
    add("Ges", f.FGesSumBuild);
    add("GesWert", double(f.FGesSumWertMin) * 1000 + double(f.FGesSumWertMax));
    add("OPDatum", QString::fromStdString(f.FOPDatumVon + "|" + f.FOPDatumBis));
    add("OPBonus", int(f.FOPBonusAbg) * 10 + int(f.FOPBonusNichtAbg));
    const auto& g = f.GPFilter;
    add("Name", QString::fromStdString(g.Name.Wert) + (g.Name.Negiert ? "!" : ""));
    add("Ort", QString::fromStdString(g.Ort.Wert));
    add("Geschlecht", QString::fromStdString(g.Geschlecht));
    add("Status", g.Status);
    add("Werbung", g.Werbung);
    add("KundenNr", g.KundenNrVon * 1000 + g.KundenNrBis);
    add("Anonym", f.FAuchAnonymeKunden);
    add("BonusNie", f.FKundeBonusNie);
    for (const auto& m : g.Merkmale) s << QString::fromStdString("M:" + m.Name + "=" + m.Wert);
    return s.join(QLatin1Char('\n'));
}

// Shows the window and makes it active, so its keys reach it.
void Zeigen(QWidget& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    if (!QTest::qWaitForWindowActive(&w)) qWarning("window not active");
}

std::string Csv() {
    std::ostringstream out;
    std::string fehler;
    if (!kis::eval::WriteKisuCsv(out, fehler)) return "FEHLER " + fehler;
    return out.str();
}

}  // namespace

class SelektionFrmTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kis::test::SuiteFixture> fx;
    std::unique_ptr<TDM> dm;
    // A successful run opens the overview modally; the tests close it at once and count it.
    QTimer uebersichtSchliesser;
    int uebersichten = 0;

    void Daten() {
        for (int nr : {1, 2, 3})
            fx->Row("FILIALE",
                    {{"MANDANT", TIntPair{1, 0}}, {"NR", nr}, {"BEZEICHNUNG", "Filiale"}});
        fx->Row("MERKMALDEF", {{"NAME", "Farbe"}});
        fx->Row("MERKMALDEF", {{"NAME", "Typ"}});
        const TIntPair a = fx->Kunde(1, "Albrecht", "Anna");
        const TIntPair b = fx->Kunde(2, "Becker", "Bernd");
        const TIntPair c = fx->Kunde(3, "Conrad", "Clara");
        kis::test::Pos p;
        p.ist = 10;
        fx->Beleg(a, 1, 1, fx->D(2024, 3, 1), {p});
        p.ist = 30;
        fx->Beleg(b, 2, 2, fx->D(2024, 3, 2), {p});
        p.ist = 45.5;
        fx->Beleg(c, 1, 3, fx->D(2024, 5, 2), {p, p});
    }

private slots:
    void initTestCase() {
        uebersichtSchliesser.setInterval(20);
        QObject::connect(&uebersichtSchliesser, &QTimer::timeout, this, [this] {
            if (auto* u = qobject_cast<TUebersichtFrm*>(QApplication::activeModalWidget())) {
                ++uebersichten;
                u->done(QDialog::Rejected);
            }
        });
    }
    void init() {
        fx = std::make_unique<kis::test::SuiteFixture>(true);
        Daten();
        dm = std::make_unique<TDM>(kis::app::Arguments{});
        uebersichten = 0;
        uebersichtSchliesser.start();
    }
    void cleanup() {
        uebersichtSchliesser.stop();
        dm.reset();
        fx.reset();
    }

    void mainMenuOpensTheWindowInCustomerMode() {
        TKundenInfo haupt(dm.get());
        haupt.show();
        QString titel;
        bool bonusVorher = false;
        dm->KIModus = TSelektionFrmModus::smBonusSelektion;
        QTimer::singleShot(0, [&] {
            auto* frm = qobject_cast<TSelektionFrm*>(QApplication::activeModalWidget());
            QVERIFY(frm);
            titel = frm->windowTitle();
            bonusVorher = frm->FModus == TSelektionFrmModus::smBonusSelektion;
            QVERIFY(!haupt.isVisible());
            frm->reject();
        });
        haupt.bmnHauptClick(haupt.bmnHaupt->IndexOf("btnInfoListe"), "btnInfoListe");
        QCOMPARE(titel, QStringLiteral("Selektion für Kundeninformation - M1"));
        QVERIFY(!bonusVorher);
        QVERIFY(dm->KIModus == TSelektionFrmModus::smKundeninfoSelektion);
        QVERIFY(haupt.isVisible());
        QCOMPARE(haupt.SelektionFrm(), haupt.SelektionFrm());
    }

    void windowPagesMenuAndKeys() {
        TSelektionFrm frm(dm.get());
        Zeigen(frm);
        QCOMPARE(frm.windowTitle(), QStringLiteral("Selektion für Kundeninformation - M1"));
        QCOMPARE(frm.minimumSize(), QSize(750, 500));
        QVERIFY(frm.width() <= 1024 && frm.height() <= 768);
        QCOMPARE(frm.pgcSelektionsdaten->count(), 3);
        QCOMPARE(frm.pgcSelektionsdaten->tabText(1), QStringLiteral("Verkauf"));
        auto* m = frm.bmnSelektionModi;
        QCOMPARE(m->Buttons()->Count(), 12);
        QCOMPARE(m->Buttons()->At(9).caption, QStringLiteral("Summe Verkäufe"));
        QVERIFY(!m->IsEnabled("btnSumSelEVBox"));
        QVERIFY(m->IsEnabled("btnVkSelPosBox"));
        QVERIFY(frm.SumSelEVBox->isHidden());
        QVERIFY(frm.Haekchen("btnGPSelAdrBox"));
        QVERIFY(!frm.Haekchen("btnSumSelEVBox"));
        QCOMPARE(frm.btnSelektion->text(), QStringLiteral("Selektion - F5"));
        const std::map<QString, QKeySequence> keys = {
            {"actSelektion", QKeySequence(Qt::Key_F5)},
            {"actClear", QKeySequence(Qt::Key_F9)},
            {"actMaskeLaden", QKeySequence("Alt+F9")},
            {"actMaskeLoeschen", QKeySequence("Ctrl+F9")},
            {"actMaskeSpeichern", QKeySequence("Shift+F9")},
            {"actESC", QKeySequence(Qt::Key_Escape)},
            {"actWertGefuellt", QKeySequence(Qt::Key_F6)},
            {"actWertVergleichen", QKeySequence(Qt::Key_F8)}};
        for (const auto& [name, key] : keys)
            QCOMPARE(frm.findChild<QAction*>(name)->shortcut(), key);
        // The menu toggles a box and its check mark; F4 turns the page.
        const int bon = m->IndexOf("btnVkSelBonBox");
        QVERIFY(m->ClickEntry(bon));
        QVERIFY(frm.VkSelBonBox->isHidden());
        QVERIFY(!frm.Haekchen("btnVkSelBonBox"));
        frm.pgcSelektionsdaten->setCurrentIndex(0);
        QTest::keyClick(&frm, Qt::Key_F4);
        QCOMPARE(frm.pgcSelektionsdaten->currentIndex(), 1);
        // Boxes on a page do not overlap after a resize.
        frm.resize(760, 520);
        frm.ElementePositionieren();
        QVERIFY(frm.VkSelPosBox->geometry().top() >= 4);
        QVERIFY(frm.SumSelOPBox->geometry().top() > frm.SumSelVkBox->geometry().bottom());
    }

    void onlyVisibleBoxesReachTheFilter() {
        TSelektionFrm frm(dm.get());
        Zeigen(frm);
        Text(frm.VkSelBonBox, "edtBonSumMin", "20");
        Ctl<TORVAttachNegLabel>(frm.VkSelBonBox, "lblTxtBonSum")->SetNegated(true);
        Ctl<TORVCheckListBox>(frm.VkSelBonBox, "chbZM")->SetChecked(1, false);
        Ctl<TORVAttachNegLabel>(frm.VkSelBonBox, "lblTxtZM")->SetNegated(true);
        Text(frm.GPSelAdrBox, "edtOrt", "Hamburg");
        Ctl<QComboBox>(frm.GPSelErwBox, "cmbKundeStatus")->setCurrentIndex(1);
        QTest::keyClick(&frm, Qt::Key_F5);
        const TMerovaFilter& f = *dm->KIFilter;
        QCOMPARE(double(f.FBonSumMin), 20.0);
        QVERIFY(f.FBonSumNeg);
        QVERIFY(f.FZMNeg);
        QCOMPARE(QString::fromStdString(f.FZM[1]),
                 Ctl<TORVCheckListBox>(frm.VkSelBonBox, "chbZM")->Key(1) + "=0");
        QCOMPARE(f.FZM.Count(), 22);
        QCOMPARE(f.LSTFilter.Filialen.size(), size_t(3));
        QCOMPARE(QString::fromStdString(f.GPFilter.Ort.Wert), QStringLiteral("Hamburg"));
        QCOMPARE(f.GPFilter.Status, 0);
        QVERIFY(f.FOP.Count() == 9);
        Zeigen(frm);  // active again after the overview of the run

        // Hidden boxes give nothing, however filled.
        for (const char* b : {"btnVkSelBonBox", "btnGPSelAdrBox", "btnSumSelOPBox"})
            frm.bmnSelektionModi->ClickEntry(frm.bmnSelektionModi->IndexOf(b));
        QTest::keyClick(&frm, Qt::Key_F5);
        QCOMPARE(double(dm->KIFilter->FBonSumMin), -1.0);
        QVERIFY(!dm->KIFilter->FZMNeg);
        QVERIFY(dm->KIFilter->GPFilter.Ort.Wert.empty());
        QCOMPARE(dm->KIFilter->FOP.Count(), 0);
        QCOMPARE(dm->KIFilter->GPFilter.Status, 0);  // the extended box is still shown
    }

    void enablingRulesAndClear() {
        TSelektionFrm frm(dm.get());
        Zeigen(frm);
        QWidget* pos = frm.VkSelPosBox;
        Text(pos, "edtNachlassMin", "5");
        Ctl<QCheckBox>(pos, "chbReduzVk")->setChecked(false);
        QVERIFY(!Ctl<QCheckBox>(pos, "chbReduzVkIGRS")->isEnabled());
        QVERIFY(!Ctl<QCheckBox>(pos, "chbReduzVkIKRS")->isChecked());
        QVERIFY(Ctl<TCustomORVMaskEdit>(pos, "edtNachlassMin")->Text().isEmpty());
        Ctl<QCheckBox>(pos, "chbReduzVk")->setChecked(true);
        QVERIFY(Ctl<QCheckBox>(pos, "chbReduzVkIGRS")->isEnabled());
        QVERIFY(!Ctl<QCheckBox>(pos, "chbReduzVkIGRS")->isChecked());
        // Clear restores the defaults also of the sub-options that were disabled.
        Ctl<QCheckBox>(pos, "chbReduzVk")->setChecked(false);
        QTest::keyClick(&frm, Qt::Key_F9);
        QVERIFY(Ctl<QCheckBox>(pos, "chbReduzVkIGRS")->isChecked());
        QVERIFY(Ctl<QCheckBox>(pos, "chbReduzVkIKRS")->isEnabled());

        QWidget* vk = frm.SumSelVkBox;
        Ctl<QCheckBox>(vk, "chbBerechneGesamt")->setChecked(true);
        Text(vk, "edtGesSumWertMax", "100");
        Ctl<TORVAttachNegLabel>(vk, "lblTxtGesSumWert")->SetNegated(true);
        Ctl<QCheckBox>(vk, "chbBerechneGesamt")->setChecked(false);
        QVERIFY(!Ctl<TCustomORVMaskEdit>(vk, "edtGesSumWertMax")->isEnabled());
        QVERIFY(Ctl<TCustomORVMaskEdit>(vk, "edtGesSumWertMax")->Text().isEmpty());
        QVERIFY(!Ctl<TORVAttachNegLabel>(vk, "lblTxtGesSumWert")->Negated());

        // Branch groups: 0 unchecks every branch.
        auto* bon = frm.VkSelBonBox;
        bon->FilialgruppeAnwenden(0);
        QCOMPARE(Ctl<TORVCheckListBox>(bon, "chbFilialen")->CheckedCount(), 0);
        bon->spbAlleUmsClick();
        QCOMPARE(Ctl<TORVCheckListBox>(bon, "chbFilialen")->CheckedCount(), 3);
    }

    void presetsAreLockedAndSurviveClearAndMasks() {
        TSelektionFrm frm(dm.get());
        // The stored layout of bonus mode hides the receipt box.
        kis::services::FormStore({"MEROVA", "DEU", "SELBONUS", "0"})
            .Store(TSelektionFrm::AutoMaske().toStdString(),
                   {{"VkSelBonBox.Visible", "0"}, {"SumSelVkBox.Visible", "0"}});
        frm.FModus = TSelektionFrmModus::smBonusSelektion;
        frm.FModusListe = {"VkSelBonBox.edtBonSumMin=25",  "VkSelBonBox.chbZM=BAR=0",
                           "VkSelPosBox.chbReduzVk.x=0",   "GPSelMerkmBox.grdMerkmale=Farbe=rot",
                           "GPSelErwBox.chbKundePassiv=1", "Unbekannt.edtX=1",
                           "VkSelBonBox.chbFilialen=2=0"};
        Zeigen(frm);
        QCOMPARE(frm.windowTitle(), QStringLiteral("Selektion für Bonusberechnung - M1"));
        QVERIFY(!frm.VkSelBonBox->isHidden());
        QVERIFY(frm.SumSelVkBox->isHidden());
        QVERIFY(!frm.bmnSelektionModi->IsEnabled("btnVkSelBonBox"));
        QVERIFY(frm.Haekchen("btnVkSelBonBox"));
        QVERIFY(frm.bmnSelektionModi->IsEnabled("btnSumSelVkBox"));
        auto* min = Ctl<TCustomORVMaskEdit>(frm.VkSelBonBox, "edtBonSumMin");
        QCOMPARE(min->Text(), QStringLiteral("25"));
        QVERIFY(!min->isEnabled());
        auto* zm = Ctl<TORVCheckListBox>(frm.VkSelBonBox, "chbZM");
        QVERIFY(!zm->IsChecked(zm->IndexOfKey("BAR")));
        QVERIFY(zm->IsChecked(zm->IndexOfKey("EC")));
        auto* fil = Ctl<TORVCheckListBox>(frm.VkSelBonBox, "chbFilialen");
        QCOMPARE(fil->CheckedCount(), 2);
        QVERIFY(!Ctl<QCheckBox>(frm.VkSelPosBox, "chbReduzVk")->isChecked());
        QVERIFY(!Ctl<QCheckBox>(frm.VkSelPosBox, "chbReduzVkIGRS")->isEnabled());
        auto* grid = frm.GPSelMerkmBox->Grid();
        QVERIFY(grid->isEnabled());
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("rot"));
        QVERIFY(!(grid->item(0, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid->item(1, 1)->flags() & Qt::ItemIsEditable);
        auto* status = Ctl<QComboBox>(frm.GPSelErwBox, "cmbKundeStatus");
        QCOMPARE(status->currentIndex(), 2);
        QVERIFY(!status->isEnabled());

        // "Maske leeren" keeps the presets and clears the rest.
        Text(frm.VkSelBonBox, "edtBonSumMax", "90");
        grid->item(1, 1)->setText("X");
        QTest::keyClick(&frm, Qt::Key_F9);
        QCOMPARE(min->Text(), QStringLiteral("25"));
        QVERIFY(Ctl<TCustomORVMaskEdit>(frm.VkSelBonBox, "edtBonSumMax")->Text().isEmpty());
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("rot"));
        QVERIFY(grid->item(1, 1)->text().isEmpty());
        QCOMPARE(status->currentIndex(), 2);
        QVERIFY(!Ctl<QCheckBox>(frm.VkSelPosBox, "chbReduzVk")->isChecked());

        // A mask neither changes a preset nor hides a box that holds presets.
        kis::services::FormStore({"MEROVA", "DEU", "SELBONUS", "0"})
            .Store("Alt", {{"VkSelBonBox.Visible", "0"}});
        kis::services::FormStore({"VKBONBOX", "DEU", "SELBONUS", "0"})
            .Store("Alt", {{"edtBonSumMin.Text", "1"},
                           {"edtBonSumMax.Text", "2"},
                           {"strlZM.Items", "BAR=1"}});
        frm.MaskeLadenName("Alt");
        QVERIFY(!frm.VkSelBonBox->isHidden());
        QCOMPARE(min->Text(), QStringLiteral("25"));
        QCOMPARE(Ctl<TCustomORVMaskEdit>(frm.VkSelBonBox, "edtBonSumMax")->Text(),
                 QStringLiteral("2"));
        QVERIFY(!zm->IsChecked(zm->IndexOfKey("BAR")));

        // The next show in customer mode enables everything again.
        frm.hide();
        frm.FModus = TSelektionFrmModus::smKundeninfoSelektion;
        frm.FModusListe.clear();
        Zeigen(frm);
        QVERIFY(min->isEnabled());
        QVERIFY(min->Text().isEmpty());
        QVERIFY(status->isEnabled());
        QVERIFY(grid->item(0, 1)->flags() & Qt::ItemIsEditable);
        QVERIFY(frm.bmnSelektionModi->IsEnabled("btnVkSelBonBox"));
    }

    void masksBelongToTheirMode() {
        TSelektionFrm frm(dm.get());
        Zeigen(frm);
        QStringList angeboten;
        QString antwort = "Wochenbericht";
        frm.OnMaskenDialog = [&](TMaskenDialog::Art, const QStringList& namen) {
            angeboten = namen;
            return antwort;
        };
        Text(frm.SumSelOPBox, "edtOPSumMin", "7");
        QTest::keyClick(&frm, Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(frm.FMaskeName, QStringLiteral("Wochenbericht"));
        QTest::keyClick(&frm, Qt::Key_F9);
        QTest::keyClick(&frm, Qt::Key_F9, Qt::AltModifier);
        QCOMPARE(angeboten, QStringList{"Wochenbericht"});
        QCOMPARE(Ctl<TCustomORVMaskEdit>(frm.SumSelOPBox, "edtOPSumMin")->Text(),
                 QStringLiteral("7"));
        // A cancelled dialog calls no box.
        antwort.clear();
        Text(frm.SumSelOPBox, "edtOPSumMin", "8");
        QTest::keyClick(&frm, Qt::Key_F9, Qt::AltModifier);
        QCOMPARE(Ctl<TCustomORVMaskEdit>(frm.SumSelOPBox, "edtOPSumMin")->Text(),
                 QStringLiteral("8"));

        frm.hide();
        frm.FModus = TSelektionFrmModus::smBonusSelektion;
        Zeigen(frm);
        antwort.clear();
        QTest::keyClick(&frm, Qt::Key_F9, Qt::AltModifier);
        QVERIFY(angeboten.isEmpty());
        frm.hide();
        frm.FModus = TSelektionFrmModus::smKundeninfoSelektion;
        Zeigen(frm);
        antwort = "Wochenbericht";
        QTest::keyClick(&frm, Qt::Key_F9, Qt::ControlModifier);
        QVERIFY(!kis::services::FormStore({"SUMOPBOX", "DEU", "SELKNDUM", "0"})
                     .Exists("Wochenbericht"));
        QVERIFY(!frm.FormStore().Exists("Wochenbericht"));
    }

    void maskBringsBackItsBoxesAndTheLastLayoutStays() {
        {
            TSelektionFrm frm(dm.get());
            Zeigen(frm);
            auto* m = frm.bmnSelektionModi;
            m->ClickEntry(m->IndexOf("btnVkSelPosBox"));
            Text(frm.VkSelBonBox, "edtDatumBis", "31122024");
            frm.MaskeSpeichernName("Ohne Artikel");
            m->ClickEntry(m->IndexOf("btnVkSelPosBox"));
            m->ClickEntry(m->IndexOf("btnGPSelNrBox"));
            frm.MaskeLadenName("Ohne Artikel");
            QVERIFY(frm.VkSelPosBox->isHidden());
            QVERIFY(!frm.Haekchen("btnVkSelPosBox"));
            QVERIFY(!frm.GPSelNrBox->isHidden());
            QVERIFY(frm.Haekchen("btnGPSelNrBox"));
            // Closing keeps the layout for the next opening; the criteria are cleared then.
            m->ClickEntry(m->IndexOf("btnSumSelOPBox"));
            frm.reject();
            Zeigen(frm);
            QVERIFY(frm.SumSelOPBox->isHidden());
            QVERIFY(frm.VkSelPosBox->isHidden());
            QVERIFY(Ctl<TCustomORVMaskEdit>(frm.VkSelBonBox, "edtDatumBis")->Text().isEmpty());
        }
        // The range bounds of the extended box belong to a chosen range kind.
        TSelektionFrm frm(dm.get());
        Zeigen(frm);
        auto* art = Ctl<QComboBox>(frm.GPSelErwBox, "cmbBereich");
        QVERIFY(!Ctl(frm.GPSelErwBox, "edtBereichVon")->isEnabled());
        art->setCurrentIndex(2);
        Text(frm.GPSelErwBox, "edtBereichVon", "5");
        art->setCurrentIndex(0);
        QVERIFY(Ctl<TCustomORVMaskEdit>(frm.GPSelErwBox, "edtBereichVon")->Text().isEmpty());
    }

    void presetLinesGiveTheSameFilterInAFreshWindow() {
        TSelektionFrm a(dm.get());
        Zeigen(a);
        Text(a.VkSelBonBox, "edtDatumVon", "01032024");
        Ctl<TORVCheckListBox>(a.VkSelBonBox, "chbFilialen")->SetChecked(0, false);
        Text(a.VkSelPosBox, "edtVarianten", "rot, blau");
        Ctl<QCheckBox>(a.VkSelPosBox, "chbBonusVerrechnet")->setChecked(false);
        Text(a.SumSelVkBox, "edtSelSumMengeMax", "12");
        Ctl<TORVCheckListBox>(a.SumSelOPBox, "chbOPTypen")->SetChecked(3, true);
        Text(a.GPSelAdrBox, "edtName", "Mü*");
        Ctl<QComboBox>(a.GPSelAdrBox, "cmbGeschlecht")->setCurrentText("Männlich");
        Ctl<QCheckBox>(a.GPSelErwBox, "chbWerbungJa")->setChecked(false);
        Ctl<QComboBox>(a.GPSelErwBox, "cmbBereich")->setCurrentIndex(1);
        Text(a.GPSelErwBox, "edtBereichVon", "2");
        a.GPSelMerkmBox->Grid()->item(1, 1)->setText("<leer>");
        QStringList zeilen;
        for (TSelBox* box : a.Boxen())
            if (box != a.SumSelEVBox) box->ChangedItemsGet(box->objectName(), zeilen);
        TMerovaFilter fa;
        a.FilterSetzen(fa);

        TSelektionFrm b(dm.get());
        b.FModus = TSelektionFrmModus::smBonusSelektion;
        b.FModusListe = zeilen;
        Zeigen(b);
        TMerovaFilter fb;
        b.FilterSetzen(fb);
        QCOMPARE(Abbild(fb), Abbild(fa));
        QVERIFY(Abbild(fa).contains("Geschlecht=M"));
    }

    void aProgrammesCriteriaGiveTheSelectionFormTheSameFilter() {
        // The selection tabs of a programme page, filled as a user would.
        QWidget seite;
        TProgrammSelektion sel(QStringLiteral("UMSA"), dm.get(), &seite);
        QVERIFY(sel.VkSelBonBox->WertSetzen("edtDatumVon", "01032024"));
        QVERIFY(sel.VkSelBonBox->WertSetzen("edtBonSumMin", "20"));
        QVERIFY(sel.SumSelVkBox->WertSetzen("edtSelSumWertMin", "5"));
        QVERIFY(sel.GPSelAdrBox->WertSetzen("edtOrt", "Hamburg"));
        TMerovaFilter fa;
        for (TSelBox* box : std::initializer_list<TSelBox*>{
                 sel.GPSelAdrBox, sel.GPSelErwBox, sel.GPSelMerkmBox, sel.GPSelNrBox,
                 sel.VkSelBonBox, sel.VkSelPosBox, sel.SumSelVkBox, sel.SumSelOPBox})
            kis::selection::BoxInFilter(*box, fa);
        QStringList zeilen;
        for (const auto& z : sel.BoxesPut()) zeilen << QString::fromStdString(z);

        // The stored lines as the presets of the selection form in bonus mode.
        TSelektionFrm b(dm.get());
        b.FModus = TSelektionFrmModus::smBonusSelektion;
        b.FModusListe = zeilen;
        Zeigen(b);
        TMerovaFilter fb;
        b.FilterSetzen(fb);
        QCOMPARE(Abbild(fb), Abbild(fa));
        QCOMPARE(fb.LSTFilter.DatumVon, std::string("01032024"));
        QCOMPARE(double(fb.FBonSumMin), 20.0);
        QCOMPARE(fb.GPFilter.Ort.Wert, std::string("Hamburg"));
        // A programme only ever selects sales not yet settled for a bonus.
        QVERIFY(fb.LSTFilter.NichtBonusVerrechnet && !fb.LSTFilter.BonusVerrechnet);
    }

    void aBoxOnItsOwnTakesPresetLinesAndFillsTheFilter() {
        TVkSelBonBox box;
        box.Init();
        box.Clear();
        QStringList uebrig;
        const int n = box.PresetsAnwenden({"VkSelBonBox.edtBonSumMax=80", "VkSelPosBox.edtVkKz=1",
                                           "lblTxtBonSum=1", "VkSelBonBox.gibtsNicht=1"},
                                          &uebrig);
        QCOMPARE(n, 2);
        QCOMPARE(uebrig, QStringList{"VkSelBonBox.gibtsNicht=1"});
        QVERIFY(box.IstGesperrt("edtBonSumMax"));
        TMerovaFilter f;
        QVERIFY(kis::selection::BoxInFilter(box, f));
        QCOMPARE(double(f.FBonSumMax), 80.0);
        QVERIFY(f.FBonSumNeg);
        QStringList zeilen;
        box.ChangedItemsGet("VkSelBonBox", zeilen);
        QCOMPARE(zeilen, QStringList({"VkSelBonBox.lblTxtBonSum=1",
                                      "VkSelBonBox.edtBonSumMin=", "VkSelBonBox.edtBonSumMax=80"}));
    }

    void supplierAndSeasonPickers() {
        fx->Lieferant(7, "MODA", "Moda Textil GmbH");
        fx->Lieferant(12, "NORD", "Nordstrick KG");
        fx->Saison("FS", 2024, fx->D(2024, 2, 1), fx->D(2024, 7, 31));
        fx->Saison("HW", 2024, fx->D(2024, 8, 1), fx->D(2025, 1, 31));
        TVkSelPosBox box;
        box.show();
        // The supplier list narrows while typing; Enter takes the supplier.
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TAuswahlDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->Liste()->count(), 2);
            d->Filter()->setText("nord");
            QCOMPARE(d->Gewaehlt(), QStringList{"12"});
            d->accept();
        });
        auto* lief = Ctl<TCustomORVMaskEdit>(&box, "edtLieferant");
        QVERIFY(lief->RunEingabehilfe());
        QCOMPARE(lief->Text(), QStringLiteral("12"));
        // Seasons: several can be checked; the current ones come checked.
        auto* saison = Ctl<TCustomORVMaskEdit>(&box, "edtSaison");
        saison->SetText("HW");
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TAuswahlDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->Gewaehlt(), QStringList{"HW"});
            d->Liste()->item(0)->setCheckState(Qt::Checked);
            d->accept();
        });
        QVERIFY(saison->RunEingabehilfe());
        QCOMPARE(saison->Text(), QStringLiteral("FS,HW"));
    }

    void gridActionsOnlyInTheGrids() {
        TSelektionFrm frm(dm.get());
        Zeigen(frm);
        auto* grid = frm.GPSelMerkmBox->Grid();
        Ctl(frm.GPSelAdrBox, "edtName")->setFocus();
        grid->setCurrentCell(0, 1);
        frm.GridAktion(0);
        QVERIFY(grid->item(0, 1)->text().isEmpty());
        grid->setFocus();
        frm.GridAktion(0);
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("<gefüllt>"));
        frm.GridAktion(1);
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("<leer>"));
    }

    void aFailedRunLeavesTheWindowAsItWas() {
        // The sales positions become a view that breaks while it is read.
        fx->Db().Exec("ALTER TABLE LST RENAME TO LST_DATEN");
        fx->Db().Exec("CREATE VIEW LST AS SELECT * FROM LST_DATEN WHERE "
                      "CASE WHEN LNR >= 2 THEN abs(-9223372036854775807 - 1) ELSE 1 END");
        TSelektionFrm frm(dm.get());
        Zeigen(frm);
        Text(frm.SumSelVkBox, "edtSelSumWertMin", "5");
        QTest::keyClick(&frm, Qt::Key_F5);
        QVERIFY(frm.isEnabled());
        QVERIFY(frm.isVisible());
        QCOMPARE(Ctl<TCustomORVMaskEdit>(frm.SumSelVkBox, "edtSelSumWertMin")->Text(), QStringLiteral("5"));
        QVERIFY(!dm->prgDlg->IsShowing());
        QCOMPARE(uebersichten, 0);  // no overview of a failed run
    }

    void evaluationAgreesWithKisEvalOfTheSavedMask() {
        TSelektionFrm frm(dm.get());
        Zeigen(frm);
        // A receipt total of at least 20 and the period from March, typed.
        auto* von = Ctl<TCustomORVMaskEdit>(frm.VkSelBonBox, "edtDatumVon");
        von->setFocus();
        QTest::keyClicks(von, "01032024");
        auto* min = Ctl<TCustomORVMaskEdit>(frm.VkSelBonBox, "edtBonSumMin");
        min->setFocus();
        QTest::keyClicks(min, "20");
        QTest::keyClick(&frm, Qt::Key_F5);
        QVERIFY(frm.isEnabled());
        QCOMPARE(uebersichten, 1);  // the overview of the run was opened
        Zeigen(frm);
        const std::string fenster = Csv();
        QVERIFY2(fenster.find("Becker") != std::string::npos, fenster.c_str());
        QVERIFY(fenster.find("Conrad") != std::string::npos);
        // Albrecht's receipt of 10,00 is below the total: nothing of it is selected.
        QVERIFY2(fenster.find("Albrecht;Anna;0.00;0;") != std::string::npos, fenster.c_str());
        QVERIFY(fenster.find("Conrad;Clara;91.00;2;") != std::string::npos);

        frm.OnMaskenDialog = [](TMaskenDialog::Art, const QStringList&) {
            return QStringLiteral("Woche");
        };
        QTest::keyClick(&frm, Qt::Key_F9, Qt::ShiftModifier);

        const QString csv = QString::fromStdString((fx->Dir() / "maske.csv").string());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", QString::fromStdString(fx->Dir().string()));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + "/kis-eval",
                {"--db=" + QString::fromStdString(fx->DbPath().string()), "--maske=Woche",
                 "--csv=" + csv});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        std::ifstream in(csv.toStdString());
        std::stringstream s;
        s << in.rdbuf();
        QCOMPARE(s.str(), fenster);

        p.start(QCoreApplication::applicationDirPath() + "/kis-eval",
                {"--db=" + QString::fromStdString(fx->DbPath().string()), "--maske=Gibtsnicht"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
    }
};

QTEST_MAIN(SelektionFrmTest)
#include "selektion_frm_test.moc"
