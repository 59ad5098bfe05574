#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/layouts/kund_layout.h"
#include "platform/layouts/kunden_felder.h"
#include "platform/layouts/layout_ablage.h"
#include "platform/layouts/layout_datei.h"

namespace fs = std::filesystem;
using namespace kis::layouts;

namespace {

class LayoutOrdnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kis_layouts_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Schreiben(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / (name + ".ini"), std::ios::binary) << text;
    }
    std::string Lesen(const std::string& name) {
        std::ifstream in(dir_ / (name + ".ini"), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_;
};

void ExpectGleich(const TKundLayout& a, const TKundLayout& b) {
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Bezeichnung, b.Bezeichnung);
    EXPECT_EQ(a.Art, b.Art);
    EXPECT_EQ(a.Spalten, b.Spalten);
    EXPECT_EQ(a.Zeilen, b.Zeilen);
    for (auto [x, y] : {std::pair{a.Seitenbreite, b.Seitenbreite}, {a.Seitenhoehe, b.Seitenhoehe},
                        {a.Breite, b.Breite}, {a.Hoehe, b.Hoehe}, {a.AbstandX, b.AbstandX},
                        {a.AbstandY, b.AbstandY}, {a.ObererRand, b.ObererRand},
                        {a.UntererRand, b.UntererRand}, {a.LinkerRand, b.LinkerRand},
                        {a.XPosition, b.XPosition}})
        EXPECT_DOUBLE_EQ(x, y);
    EXPECT_EQ(a.Rahmen, b.Rahmen);
    ASSERT_EQ(a.Felder.size(), b.Felder.size());
    for (size_t i = 0; i < a.Felder.size(); ++i) {
        EXPECT_EQ(a.Felder[i].Inhalt, b.Felder[i].Inhalt);
        EXPECT_DOUBLE_EQ(a.Felder[i].X, b.Felder[i].X);
        EXPECT_DOUBLE_EQ(a.Felder[i].Y, b.Felder[i].Y);
        EXPECT_DOUBLE_EQ(a.Felder[i].Breite, b.Felder[i].Breite);
        EXPECT_EQ(a.Felder[i].Schrift, b.Felder[i].Schrift);
        EXPECT_DOUBLE_EQ(a.Felder[i].Groesse, b.Felder[i].Groesse);
        EXPECT_EQ(a.Felder[i].Fett, b.Felder[i].Fett);
    }
}

const char* const kMinimal =
    "[Layout]\nArt=68\nSeitenbreite=210\nSeitenhoehe=297\nSpalten=2\nZeilen=2\nBreite=100\nHoehe=100\n"
    "[Feld1]\nInhalt=#NAME#\nX=0\nY=5\n";

}  // namespace

TEST(LayoutDatei, StandardLayoutsRoundTripWithGermanDecimals) {
    for (const TKundLayout& l : {StandardEtikettenA4(), StandardKundenkarte()}) {
        EXPECT_TRUE(LayoutPruefen(l).empty()) << l.Name;
        const std::string text = LayoutAlsText(l);
        ExpectGleich(LayoutAusText(text, l.Name), l);
    }
    const std::string karte = LayoutAlsText(StandardKundenkarte());
    EXPECT_NE(karte.find("Seitenbreite=85,6\n"), std::string::npos);
    EXPECT_NE(karte.find("Seitenhoehe=54\n"), std::string::npos);
    EXPECT_NE(LayoutAlsText(StandardEtikettenA4()).find("ObererRand=4,5\n"), std::string::npos);

    // Hand-written files: a byte-order mark, CRLF, comments, key case and a decimal point;
    // missing pitches are the label size, missing field values their defaults.
    const TKundLayout l = LayoutAusText(
        "\xEF\xBB\xBF; Etiketten\r\n[layout]\r\nart = 68\r\nSeitenbreite=210.0\r\nSeitenhoehe=297\r\n"
        "Spalten=2\r\nZeilen=2\r\nBreite=100\r\nHoehe=100\r\nLinkerRand=4,25\r\n\r\n[Feld3]\r\nInhalt=b\r\nX=1\r\n"
        "Y=2\r\n[Feld1]\r\nInhalt= #PLZ# #ORT# \r\nX=0\r\nY=5\r\nFett=1\r\n",
        "KUND_Test");
    EXPECT_EQ(l.Art, 68);
    EXPECT_DOUBLE_EQ(l.Seitenbreite, 210);
    EXPECT_DOUBLE_EQ(l.LinkerRand, 4.25);
    EXPECT_DOUBLE_EQ(l.AbstandX, 100);
    EXPECT_DOUBLE_EQ(l.AbstandY, 100);
    ASSERT_EQ(l.Felder.size(), 2u);  // in the order of their numbers
    EXPECT_EQ(l.Felder[0].Inhalt, "#PLZ# #ORT#");
    EXPECT_TRUE(l.Felder[0].Fett);
    EXPECT_EQ(l.Felder[1].Inhalt, "b");
    EXPECT_DOUBLE_EQ(l.Felder[1].Groesse, 10);

    // A line break inside a text would start a new entry; it is written as a blank.
    TKundLayout umbruch = StandardKundenkarte();
    umbruch.Felder[1].Inhalt = "Kunden\nkarte";
    EXPECT_EQ(LayoutAusText(LayoutAlsText(umbruch), "x").Felder[1].Inhalt, "Kunden karte");
}

TEST(LayoutDatei, TextThatIsNoLayoutIsRefusedWithItsLine) {
    const std::pair<std::string, std::string> faelle[] = {
        {"", "[Layout] fehlt"},
        {"Art=68\n", "Zeile 1"},
        {"[Layout]\nArt=68\n", "fehlt Seitenbreite"},
        {std::string(kMinimal) + "Farbe=rot\n", "Zeile 13: Unbekannte Angabe \"Farbe\""},
        {std::string(kMinimal) + "[Kopf]\n", "Unbekannter Abschnitt [Kopf]"},
        {std::string(kMinimal) + "[Feld1]\nInhalt=x\nX=0\nY=0\n", "zweimal"},
        {std::string(kMinimal) + "[Layout]\n", "zweimal"},
        {std::string(kMinimal) + "X=3\n", "zweimal"},
        {std::string(kMinimal) + "[Feld51]\n", "von 1 bis 50"},
        {std::string(kMinimal) + "[Feld2]\nInhalt=x\nX=0\n", "fehlt Y"},
        {std::string(kMinimal) + "[Feld2\n", "\"]\""},
        {std::string(kMinimal) + "Fett=ja\n", "0 oder 1"},
        {std::string(kMinimal) + "Breite\n", "Schlüssel=Wert"},
        {"[Layout]\nArt=68,5\n", "keine ganze Zahl"},
        {"[Layout]\nArt=68\nSeitenbreite=nan\n", "keine Zahl"},
        {"[Layout]\nArt=68\nSeitenbreite=1e999\n", "keine Zahl"},
        {"[Layout]\nArt=68\nSeitenbreite=12mm\n", "keine Zahl"},
    };
    for (const auto& [text, erwartet] : faelle) {
        try {
            LayoutAusText(text, "KUND_X");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const TLayoutDateiFehler& e) {
            EXPECT_NE(std::string(e.what()).find(erwartet), std::string::npos) << e.what();
        }
    }
    EXPECT_NO_THROW(LayoutAusText(kMinimal, "KUND_X"));
}

TEST(LayoutPruefen, LabelsMustFitTheirPageAndFieldsTheirLabel) {
    TKundLayout l = StandardEtikettenA4();
    l.ObererRand = 10;  // 10 + 8 × 36 = 298 > 297 − 4,5
    ASSERT_EQ(LayoutPruefen(l).size(), 1u);
    EXPECT_NE(LayoutPruefen(l)[0].find("298 mm"), std::string::npos) << LayoutPruefen(l)[0];
    l = StandardEtikettenA4();
    l.AbstandX = 69;  // overlapping columns
    EXPECT_NE(LayoutPruefen(l)[0].find("kleiner als die Etikettbreite"), std::string::npos);
    l = StandardEtikettenA4();
    l.LinkerRand = 0.5;  // 0,5 + 140 + 70 > 210
    EXPECT_EQ(LayoutPruefen(l).size(), 1u);
    l = StandardEtikettenA4();
    l.Spalten = 0;
    EXPECT_FALSE(LayoutPruefen(l).empty());
    l = StandardEtikettenA4();
    l.Seitenhoehe = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(LayoutPruefen(l).empty());

    l = StandardKundenkarte();
    l.Felder[0].Inhalt = "#FIRMA# #NAME#";
    l.Felder[1].Y = 54;
    l.Felder[2].X = 80;  // 6 + 80 beyond 85,6
    l.Felder[3].Groesse = 2;
    l.Felder[4].Inhalt.clear();
    const auto f = LayoutPruefen(l);
    ASSERT_EQ(f.size(), 5u);
    EXPECT_EQ(f[0], "Feld 1: Den Platzhalter #FIRMA# gibt es nicht.");
    EXPECT_EQ(f[1], "Feld 2: Y liegt außerhalb des Etiketts.");
    EXPECT_EQ(f[2], "Feld 3: X liegt außerhalb des Etiketts.");
}

TEST(LayoutPositionen, LabelsRunRowByRowAndPageByPage) {
    const TKundLayout l = StandardEtikettenA4();
    const auto stelle = [&](int i) {
        const TEtikettStelle s = EtikettStelle(l, i);
        return std::tuple(s.Seite, s.X, s.Y);
    };
    EXPECT_EQ(stelle(0), std::tuple(0, 0.0, 4.5));
    EXPECT_EQ(stelle(2), std::tuple(0, 140.0, 4.5));
    EXPECT_EQ(stelle(4), std::tuple(0, 70.0, 40.5));
    EXPECT_EQ(stelle(23), std::tuple(0, 140.0, 256.5));
    EXPECT_EQ(stelle(24), std::tuple(1, 0.0, 4.5));
    EXPECT_EQ(SeitenAnzahl(l, 0), 0);
    EXPECT_EQ(SeitenAnzahl(l, 24), 1);
    EXPECT_EQ(SeitenAnzahl(l, 25), 2);
    const TKundLayout karte = StandardKundenkarte();
    EXPECT_EQ(EtikettStelle(karte, 3).Seite, 3);
    EXPECT_DOUBLE_EQ(EtikettStelle(karte, 3).Y, 0);
    EXPECT_EQ(SeitenAnzahl(karte, 4), 4);
}

TEST(KundenFelder, PlaceholdersAreExchangedAndBlanksTidied) {
    TKundenDaten k;
    k.Satz.GepNr = TIntPair(4711, 0);
    k.Satz.Name = "Müller";
    k.Satz.Plz = "50667";
    k.Satz.Ort = "Köln";
    k.Mandant = "Modehaus";
    EXPECT_EQ(FeldText("#VORNAME# #NAME#", k), "Müller");
    EXPECT_EQ(FeldText("  #PLZ#   #ORT# ", k), "50667 Köln");
    EXPECT_EQ(FeldText("Kundennummer #KUNDENNR# bei #MANDANT#", k), "Kundennummer 4711 bei Modehaus");
    EXPECT_EQ(FeldText("Nr. # #FOO# ##NAME##", k), "Nr. # #FOO# #Müller#");
    EXPECT_EQ(UnbekanntePlatzhalter("#FOO# #NAME# #bar# #X-1#"), (std::vector<std::string>{"FOO", "X-1"}));
    EXPECT_EQ(KundenNummerText(TIntPair(12, 3)), "12/3");
    k.Satz.Name = "Schulz\nGmbH";
    EXPECT_EQ(FeldText("#NAME#", k), "Schulz GmbH");
}

TEST_F(LayoutOrdnerTest, StandardLayoutsAreCreatedOnceAndListed) {
    TLayoutAblage ablage((dir_ / "neu").string());
    EXPECT_EQ(ablage.StandardAnlegen(), (std::vector<std::string>{"KUND_Etiketten_A4_3x8", "KUND_Kundenkarte"}));
    EXPECT_TRUE(ablage.StandardAnlegen().empty());

    // A changed standard layout is kept; a deleted one comes back.
    TKundLayout karte = StandardKundenkarte();
    karte.XPosition = 8;
    ablage.Speichern(karte, kPraefixKunde);
    ablage.Loeschen("KUND_Etiketten_A4_3x8", kPraefixKunde);
    EXPECT_EQ(ablage.StandardAnlegen(), (std::vector<std::string>{"KUND_Etiketten_A4_3x8"}));
    EXPECT_DOUBLE_EQ(ablage.Laden("KUND_Kundenkarte").Layout->XPosition, 8);

    const auto liste = ablage.Liste(kPraefixKunde, kArtKundendaten);
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[0].Name, "KUND_Etiketten_A4_3x8");
    ExpectGleich(*liste[0].Layout, StandardEtikettenA4());
}

TEST_F(LayoutOrdnerTest, BadFilesAreListedWithTheirReasonOthersLeftOut) {
    TLayoutAblage ablage(dir_.string());
    ablage.StandardAnlegen();
    Schreiben("KUND_kaputt", "[Layout]\nArt=68\nSeitenbreite=zweihundert\n");
    Schreiben("KUND_passt_nicht", std::string("[Layout]\nObererRand=200\n") + (kMinimal + 9));
    Schreiben("KUND_binaer", std::string("\0\x01\xff[", 4));
    Schreiben("KUND_andere_art", std::string("[Layout]\nArt=12\n") + (kMinimal + 16));
    Schreiben("ARTI_fremd", kMinimal);
    std::ofstream(dir_ / "KUND_gross.ini") << std::string(300 * 1024, ';');

    const auto liste = ablage.Liste(kPraefixKunde, kArtKundendaten);
    std::vector<std::string> namen;
    for (const auto& e : liste) namen.push_back(e.Name + (e.Ok() ? "" : "!"));
    EXPECT_EQ(namen, (std::vector<std::string>{"KUND_Etiketten_A4_3x8", "KUND_Kundenkarte", "KUND_binaer!",
                                               "KUND_gross!", "KUND_kaputt!", "KUND_passt_nicht!"}));
    EXPECT_EQ(liste[4].Fehler, "Zeile 3: Seitenbreite ist keine Zahl: \"zweihundert\".");
    EXPECT_NE(liste[5].Fehler.find("Die Etiketten reichen bis"), std::string::npos) << liste[5].Fehler;
    EXPECT_FALSE(ablage.Laden("KUND_fehlt").Ok());
    EXPECT_FALSE(ablage.Laden("../KUND_Kundenkarte").Ok());
    EXPECT_TRUE(ablage.Liste("KUND_", 12).size() == 5u);  // the other kind, and the four bad ones
}

TEST_F(LayoutOrdnerTest, RefusedSaveOrDeleteLeavesTheFilesAlone) {
    TLayoutAblage ablage(dir_.string());
    ablage.StandardAnlegen();
    const std::string vorher = Lesen("KUND_Kundenkarte");

    TKundLayout l = StandardKundenkarte();
    l.Felder[0].Groesse = 200;
    EXPECT_THROW(ablage.Speichern(l, kPraefixKunde), std::invalid_argument);
    EXPECT_EQ(Lesen("KUND_Kundenkarte"), vorher);
    for (const char* name : {"KUND_", "Karte", "KUND_../../etc/x", "KUND_a b", "KUND_Ä"}) {
        l = StandardKundenkarte();
        l.Name = name;
        EXPECT_THROW(ablage.Speichern(l, kPraefixKunde), std::invalid_argument) << name;
    }
    EXPECT_THROW(ablage.Loeschen("KUND_gibtsnicht", kPraefixKunde), std::runtime_error);
    EXPECT_THROW(ablage.Loeschen("../KUND_Kundenkarte", kPraefixKunde), std::invalid_argument);

    // A folder that cannot be written: the save fails and says so.
    std::ofstream(dir_ / "datei") << "x";
    TLayoutAblage kaputt((dir_ / "datei" / "unter").string());
    EXPECT_THROW(kaputt.Speichern(StandardKundenkarte(), kPraefixKunde), std::runtime_error);
    EXPECT_THROW(kaputt.StandardAnlegen(), std::runtime_error);

    // Save as a new name, then delete it.
    l = StandardEtikettenA4();
    l.Name = "KUND_Etiketten_Filiale-2";
    ablage.Speichern(l, kPraefixKunde);
    EXPECT_TRUE(ablage.Existiert("KUND_Etiketten_Filiale-2"));
    ablage.Loeschen("KUND_Etiketten_Filiale-2", kPraefixKunde);
    EXPECT_FALSE(ablage.Existiert("KUND_Etiketten_Filiale-2"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);  // no leftovers
}
