#include "platform/services/catalog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kis::services;

namespace {
struct Used {
    const char* catalogue;
    std::vector<int> numbers;
};

// Every catalogue message the program shows or raises.
const std::vector<Used>& UsedMessages() {
    static const std::vector<Used> used{
        {"MEROVA", {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1020, 1021, 1030, 1031,
                    1032, 1033, 1034}},
        {"STANDARD", {991, 992, 994, 997}},
        {"AUSBEA", {1009}},
    };
    return used;
}
}  // namespace

TEST(CatalogTest, EveryMessageTheProgramUsesHasAGermanText) {
    for (const Used& u : UsedMessages()) {
        for (int n : u.numbers) {
            EXPECT_TRUE(CatalogHasText(u.catalogue, n)) << u.catalogue << " " << n;
            const std::string text = CatalogText(u.catalogue, n);
            EXPECT_FALSE(text.empty()) << u.catalogue << " " << n;
            EXPECT_EQ(text.find("nicht vorhanden"), std::string::npos) << u.catalogue << " " << n;
        }
        EXPECT_EQ(CatalogNumbers(u.catalogue), u.numbers) << u.catalogue;
    }
}

TEST(CatalogTest, KnownTexts) {
    EXPECT_EQ(FormatCatalogText("STANDARD", 991, {"FILIALE9"}), "Unbekannter Mandant: FILIALE9");
    EXPECT_EQ(FormatCatalogText("STANDARD", 992, {"Fehler Typ D bei FormShow:", "Aktion nicht definiert"}),
              "Programmfehler: Fehler Typ D bei FormShow: Aktion nicht definiert");
    EXPECT_EQ(CatalogText("STANDARD", 997), "Export erfolgreich.");
    EXPECT_EQ(CatalogText("AUSBEA", 1009), "Das Von-Datum liegt nach dem Bis-Datum.");
    EXPECT_EQ(FormatCatalogText("MEROVA", 1004, {"12"}), "Es wurden 12 Kunden auf passiv gesetzt.");
}

TEST(CatalogTest, CatalogueNamesIgnoreCaseAndBlanks) {
    EXPECT_EQ(CatalogText(" merova ", 1033), CatalogText("MEROVA", 1033));
    EXPECT_TRUE(CatalogHasText("Standard", 997));
}

TEST(CatalogTest, UnknownNumbersAndCataloguesGiveAClearFallback) {
    EXPECT_FALSE(CatalogHasText("MEROVA", 4711));
    EXPECT_EQ(CatalogText("MEROVA", 4711), "Meldung 4711 aus Katalog MEROVA ist nicht vorhanden.");
    EXPECT_EQ(CatalogText("GIBTESNICHT", 1), "Meldung 1 aus Katalog GIBTESNICHT ist nicht vorhanden.");
    EXPECT_EQ(FormatCatalogText("", -1, {"x"}), "Meldung -1 aus Katalog  ist nicht vorhanden.");
    EXPECT_TRUE(CatalogNumbers("GIBTESNICHT").empty());
}

TEST(CatalogTest, PlaceholdersAreFilledInOrder) {
    EXPECT_EQ(FillPlaceholders("%s und %d", {"a", "b"}), "a und b");
    EXPECT_EQ(FillPlaceholders("100%% von %s", {"x"}), "100% von x");
    EXPECT_EQ(FillPlaceholders("fehlt: %s.", {}), "fehlt: .");
    EXPECT_EQ(FillPlaceholders("nur %s", {"eins", "zwei"}), "nur eins");
    EXPECT_EQ(FillPlaceholders("Ende %", {"x"}), "Ende %");
    EXPECT_EQ(FillPlaceholders("%x bleibt", {"x"}), "%x bleibt");
    // A missing parameter leaves no placeholder behind.
    EXPECT_EQ(FormatCatalogText("STANDARD", 991), "Unbekannter Mandant: ");
}
