// The box tables without a window: preset lines of changed groups, the transfer into the
// evaluation filter, and stored masks read as the window would show them.
#include "engine/box_transfer.h"

#include <gtest/gtest.h>

#include "platform/selbox/box_schema.h"

using namespace kis::selbox;

namespace {

BoxWerte Vorgaben(const std::string& box) {
    return SchemaFuer(box)->Vorgaben({{"chbFilialen", {"1", "2", "3"}}});
}

std::vector<std::string> Zeilen(const std::string& box, const BoxWerte& w,
                                const std::string& name = "B") {
    return ChangedItems(*SchemaFuer(box), w, name);
}

}  // namespace

TEST(BoxSchemaTest, CommaTextQuotesWhatWouldBreakTheList) {
    const std::vector<std::string> items = {"a=1", "Größe, Farbe=x", "Name=\"B\"", "leer="};
    EXPECT_EQ(CommaText(items), "a=1,\"Größe, Farbe=x\",\"Name=\"\"B\"\"\",leer=");
    EXPECT_EQ(SplitCommaText(CommaText(items)), items);
    EXPECT_TRUE(SplitCommaText("  ").empty());
    const auto p = Paare("1=1,ohneGleich,2=0");
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[1], std::make_pair(std::string("2"), std::string("0")));
}

TEST(BoxSchemaTest, DefaultsWriteNoPresetLines) {
    for (const std::string& box : BoxNamen())
        EXPECT_TRUE(Zeilen(box, Vorgaben(box)).empty()) << box;
}

TEST(BoxSchemaTest, ReceiptBoxLinesInTableOrder) {
    BoxWerte w = Vorgaben("VkSelBonBox");
    w["edtBonSumMax"] = "50";
    w["chbZM"] = "BAR=1,EC=0";
    w["edtDatumVon"] = "01012024";
    w["lblTxtFiliale"] = "1";
    EXPECT_EQ(Zeilen("VkSelBonBox", w, "  VkSelBonBox "),
              (std::vector<std::string>{
                  "VkSelBonBox.lblTxtDatum=0", "VkSelBonBox.edtDatumVon=01012024",
                  "VkSelBonBox.edtDatumBis=", "VkSelBonBox.lblTxtFiliale=1",
                  "VkSelBonBox.chbFilialen=1=1,2=1,3=1", "VkSelBonBox.lblTxtBonSum=0",
                  "VkSelBonBox.edtBonSumMin=", "VkSelBonBox.edtBonSumMax=50",
                  "VkSelBonBox.lblTxtZM=0", "VkSelBonBox.chbZM=BAR=1,EC=0"}));
    // A blank name writes no prefix.
    EXPECT_EQ(Zeilen("VkSelBonBox", w, " ").front(), "lblTxtDatum=0");
}

TEST(BoxSchemaTest, CheckGroupsAndOpenItemTypes) {
    BoxWerte pos = Vorgaben("VkSelPosBox");
    pos["chbReduzVkIKRS"] = "0";
    EXPECT_EQ(Zeilen("VkSelPosBox", pos),
              (std::vector<std::string>{"B.chbNichtReduzVk=1", "B.chbReduzVk=1",
                                        "B.chbReduzVkIGRS=1", "B.chbReduzVkIKRS=0"}));
    BoxWerte op = Vorgaben("SumSelOPBox");
    op["chbOPTypen"] = "BONUS=1,KREDIT=0";
    op["chbBonusNichtAbg"] = "1";
    EXPECT_EQ(Zeilen("SumSelOPBox", op),
              (std::vector<std::string>{"B.chbOPTypen=BONUS=1,KREDIT=0", "B.chbBonusNichtAbg=1"}));
    // Open-item types all unchecked are the default: no line.
    EXPECT_EQ(Vorgaben("SumSelOPBox")["chbOPTypen"].find("=1"), std::string::npos);
    BoxWerte grid = Vorgaben("GPSelMerkmBox");
    grid["grdMerkmale"] = "Farbe=,Typ=<gefüllt>";
    EXPECT_EQ(Zeilen("GPSelMerkmBox", grid),
              (std::vector<std::string>{"B.grdMerkmale=Typ=<gefüllt>"}));
}

TEST(BoxTransferTest, SalesBoxesFillTheirFilterFields) {
    TMerovaFilter f;
    BoxWerte bon = Vorgaben("VkSelBonBox");
    bon["edtDatumVon"] = "01012024";
    bon["edtBonSumMin"] = "1.234,50";
    bon["lblTxtBonSum"] = "1";
    bon["chbZM"] = "BAR=1,EC=0";
    bon["lblTxtZM"] = "1";
    ASSERT_TRUE(FilterAusBox("VkSelBonBox", bon, f));
    EXPECT_EQ(f.LSTFilter.DatumVon, "01012024");
    EXPECT_EQ(f.LSTFilter.DatumBis, "");
    EXPECT_DOUBLE_EQ(double(f.FBonSumMin), 1234.5);
    EXPECT_EQ(f.FBonSumMax, -1);  // empty: no bound
    EXPECT_TRUE(f.FBonSumNeg);
    EXPECT_EQ(f.FZM.Lines(), (std::vector<std::string>{"BAR=1", "EC=0"}));
    EXPECT_TRUE(f.FZMNeg);
    EXPECT_EQ(f.LSTFilter.Filialen, (std::vector<std::string>{"1=1", "2=1", "3=1"}));

    BoxWerte pos = Vorgaben("VkSelPosBox");
    pos["edtLieferant"] = "0042";
    pos["lblTxtVarianten"] = "1";
    pos["edtSaison"] = "FS24";
    pos["chbReduzVk"] = "0";
    pos["edtIstVkMax"] = "abc";
    ASSERT_TRUE(FilterAusBox("VkSelPosBox", pos, f));
    EXPECT_EQ(f.AAFilter.Lieferant, 42);
    EXPECT_TRUE(f.AAFilter.VariantenNeg);
    EXPECT_EQ(f.AAFilter.Varianten, "");
    EXPECT_EQ(f.FSaison, "FS24");
    EXPECT_FALSE(f.LSTFilter.Reduziert);
    EXPECT_TRUE(f.LSTFilter.NichtReduziert);
    EXPECT_EQ(f.LSTFilter.IstVkMax, 0);  // unreadable text counts as 0
    EXPECT_EQ(f.LSTFilter.IstVkMin, -1);
    EXPECT_FALSE(FilterAusBox("KeineBox", pos, f));
}

TEST(BoxTransferTest, NegatedBranchListSelectsTheOtherBranches) {
    TMerovaFilter f;
    BoxWerte bon = Vorgaben("VkSelBonBox");
    bon["chbFilialen"] = "1=1,2=0,3=0";
    bon["lblTxtFiliale"] = "1";
    FilterAusBox("VkSelBonBox", bon, f);
    EXPECT_EQ(f.LSTFilter.Filialen, (std::vector<std::string>{"1=0", "2=1", "3=1"}));
}

TEST(BoxTransferTest, TotalDataBoxes) {
    TMerovaFilter f;
    BoxWerte vk = Vorgaben("SumSelVkBox");
    vk["edtSelSumMengeMin"] = "3";
    vk["edtGesSumWertMax"] = "99,99";
    vk["chbBerechneGesamt"] = "1";
    vk["lblTxtGesSumWert"] = "1";
    FilterAusBox("SumSelVkBox", vk, f);
    EXPECT_EQ(f.FSelSumMengeMin, 3);
    EXPECT_EQ(f.FSelSumMengeMax, -1);
    EXPECT_DOUBLE_EQ(double(f.FGesSumWertMax), 99.99);
    EXPECT_TRUE(f.FGesSumBuild);
    EXPECT_TRUE(f.FGesSumWertNeg);

    BoxWerte op = Vorgaben("SumSelOPBox");
    op["edtDatumBis"] = "31122024";
    op["edtBonusAktLenMin"] = "2";
    FilterAusBox("SumSelOPBox", op, f);
    EXPECT_EQ(f.FOPDatumVon, "");
    EXPECT_EQ(f.FOPDatumBis, "31122024");
    EXPECT_EQ(f.FOPBonusAktLenMin, 2);
    EXPECT_FALSE(f.FOPBonusAbg);
    EXPECT_FALSE(f.FOPBonusNichtAbg);
    // No type checked: every key still goes over with "0".
    ASSERT_EQ(f.FOP.Count(), 9);
    EXPECT_EQ(f.FOP[0], "A-GUTSCHEI=0");
}

TEST(BoxTransferTest, CustomerBoxes) {
    TMerovaFilter f;
    BoxWerte adr = Vorgaben("GPSelAdrBox");
    adr["edtName"] = " Mei* ";
    adr["lblTxtName"] = "1";
    adr["cmbGeschlecht"] = "Weiblich";
    adr["lblTxtGeschlecht"] = "1";
    adr["edtPlzVon"] = "20000";
    adr["cmbSuchname"] = "Suchname beginnt nicht mit";
    adr["edtSuchname"] = "MUE";
    FilterAusBox("GPSelAdrBox", adr, f);
    EXPECT_EQ(f.GPFilter.Name.Wert, "Mei*");
    EXPECT_TRUE(f.GPFilter.Name.Negiert);
    EXPECT_EQ(f.GPFilter.Geschlecht, "W");
    EXPECT_TRUE(f.GPFilter.GeschlechtNeg);
    EXPECT_EQ(f.GPFilter.PlzVon, "20000");
    EXPECT_TRUE(f.GPFilter.NameSuche);
    EXPECT_TRUE(f.GPFilter.NameSucheAusschliessen);
    EXPECT_EQ(f.GPFilter.SuchText, "MUE");

    BoxWerte erw = Vorgaben("GPSelErwBox");
    erw["cmbKundeStatus"] = "nur passive Kunden";
    erw["chbWerbungJa"] = "0";        // only "nein" checked
    erw["chbSerienbriefNein"] = "0";  // only "ja" checked
    erw["chbEmailNein"] = "0";
    erw["chbEmailJa"] = "0";  // neither: no criterion
    erw["chbAuchAnonymeKunden"] = "1";
    erw["cmbBereich"] = "Kundennummer";
    erw["edtBereichBis"] = "500";  // empty from-bound stays open
    FilterAusBox("GPSelErwBox", erw, f);
    EXPECT_EQ(f.GPFilter.Status, 1);
    EXPECT_EQ(f.GPFilter.Werbung, 0);
    EXPECT_EQ(f.GPFilter.Serienbrief, 1);
    EXPECT_EQ(f.GPFilter.MitEmail, -1);
    EXPECT_TRUE(f.FAuchAnonymeKunden);
    EXPECT_FALSE(f.FKundeBonusNie);
    EXPECT_EQ(f.GPFilter.KundenNrVon, -1);
    EXPECT_EQ(f.GPFilter.KundenNrBis, 500);

    TMerovaFilter g;
    erw["cmbBereich"] = "Ort";
    erw["edtBereichVon"] = " A ";
    erw["lblTxtBereich"] = "1";
    erw["cmbKundeStatus"] = "alle Kunden";
    FilterAusBox("GPSelErwBox", erw, g);
    ASSERT_EQ(g.GPFilter.Bereiche.size(), 1u);
    EXPECT_EQ(g.GPFilter.Bereiche[0].Art, "Ort");
    EXPECT_EQ(g.GPFilter.Bereiche[0].Von, "A");
    EXPECT_TRUE(g.GPFilter.Bereiche[0].Negiert);
    EXPECT_EQ(g.GPFilter.Status, 2);

    BoxWerte nr = Vorgaben("GPSelNrBox");
    nr["grdNummern"] = "Kundenkarte=<gefüllt>,Mitglied=";
    FilterAusBox("GPSelNrBox", nr, g);
    ASSERT_EQ(g.GPFilter.Nummern.size(), 2u);
    EXPECT_EQ(g.GPFilter.Nummern[0].Name, "Kundenkarte");
    EXPECT_EQ(g.GPFilter.Nummern[0].Wert, "<gefüllt>");
}

TEST(BoxTransferTest, StoredMaskReadsAsTheWindowShowsIt) {
    const BoxSchema& bon = *SchemaFuer("VkSelBonBox");
    const kis::services::FormProperties maske = {
        {"edtBonSumMin.Text", "10"},
        {"lblTxtZM.Negated", "1"},
        {"strlFilialen.Items", "1=1\n2=0\n9=1"},  // 9 no longer exists, 3 came later
    };
    const BoxWerte w = WerteAusMaske(bon, maske, {{"chbFilialen", {"1", "2", "3"}}});
    EXPECT_EQ(w.at("chbFilialen"), "1=1,2=0,3=0");
    EXPECT_EQ(w.at("edtBonSumMin"), "10");
    EXPECT_EQ(w.at("lblTxtZM"), "1");
    EXPECT_EQ(w.at("edtDatumVon"), "");
    // Payment means not stored keep the default: every means checked.
    EXPECT_EQ(w.at("chbZM").find("=0"), std::string::npos);

    // The article number is never stored, so it stays empty.
    const BoxSchema& pos = *SchemaFuer("VkSelPosBox");
    for (const std::string& p : pos.MaskenProperties()) EXPECT_NE(p, "edtArtikelNr.Text");
    EXPECT_EQ(WerteAusMaske(pos, {{"edtArtikelNr.Text", "1-2-3"}}).at("edtArtikelNr"), "");
}
