#include "platform/services/form_store.h"

#include <gtest/gtest.h>

#include "platform/store/booking.h"
#include "services_fixture.h"

using kis::services::FormProperties;
using kis::services::FormStore;
using kis::services::FormStoreSlot;
using kis::services::testing::ServicesTest;
using kis::services::testing::SuiteDbTest;

namespace {
FormStore SelectionStore() { return FormStore(FormStoreSlot{"MEROVA", "DEU", "SELKNDUM", "0"}); }
}  // namespace

using FormStoreTest = SuiteDbTest;
using FormStoreNoDbTest = ServicesTest;

TEST_F(FormStoreTest, StoreRestoreExistsDelete) {
    FormStore store = SelectionStore();
    EXPECT_FALSE(store.Exists("Stammkunden"));
    EXPECT_TRUE(store.Restore("Stammkunden").empty());

    const FormProperties props{{"GPSelAdrBox.Visible", "1"},
                               {"edtDatumVon.Text", "01.01.2024"},
                               {"chbZM.Checked", "0"},
                               {"lstFilialen.Items", "Nord\nSüd"}};
    ASSERT_TRUE(store.Store("Stammkunden", props));
    EXPECT_TRUE(store.Exists("Stammkunden"));
    EXPECT_EQ(store.Restore("Stammkunden"), props);

    ASSERT_TRUE(store.Delete("Stammkunden"));
    EXPECT_FALSE(store.Exists("Stammkunden"));
    EXPECT_TRUE(store.Delete("Stammkunden")) << "deleting a missing mask is no error";
    EXPECT_EQ(CountRows("SELECT COUNT(*) FROM FORMSTORE"), 0);
}

TEST_F(FormStoreTest, StoringReplacesTheWholeMask) {
    FormStore store = SelectionStore();
    ASSERT_TRUE(store.Store("M", {{"a.Text", "1"}, {"b.Text", "2"}}));
    ASSERT_TRUE(store.Store("M", {{"b.Text", "neu"}, {"c.Up", "1"}}));
    const FormProperties expected{{"b.Text", "neu"}, {"c.Up", "1"}};
    EXPECT_EQ(store.Restore("M"), expected);
    ASSERT_TRUE(store.Store("M", {}));
    EXPECT_FALSE(store.Exists("M")) << "an empty mask holds no rows";
}

TEST_F(FormStoreTest, SlotsKeepTheirMasksApart) {
    FormStore selection = SelectionStore();
    FormStore bonus(FormStoreSlot{"MEROVA", "DEU", "SELBONUS", "0"});
    FormStore otherProgram(FormStoreSlot{"SUMVKBOX", "DEU", "SELKNDUM", "0"});
    FormStore otherLanguage(FormStoreSlot{"MEROVA", "ENG", "SELKNDUM", "0"});
    FormStore otherIndex(FormStoreSlot{"MEROVA", "DEU", "SELKNDUM", "1"});
    ASSERT_TRUE(selection.Store("M", {{"x.Text", "kunde"}}));
    ASSERT_TRUE(bonus.Store("M", {{"x.Text", "bonus"}}));
    EXPECT_EQ(selection.Restore("M").at("x.Text"), "kunde");
    EXPECT_EQ(bonus.Restore("M").at("x.Text"), "bonus");
    EXPECT_FALSE(otherProgram.Exists("M"));
    EXPECT_FALSE(otherLanguage.Exists("M"));
    EXPECT_FALSE(otherIndex.Exists("M"));

    selection.SetSlot("SELBONUS");
    EXPECT_EQ(selection.Restore("M").at("x.Text"), "bonus");
    ASSERT_TRUE(bonus.Delete("M"));
    EXPECT_TRUE(SelectionStore().Exists("M"));
}

TEST_F(FormStoreTest, MaskNamesInGermanOrder) {
    FormStore store = SelectionStore();
    for (const char* name : {"Zebra", "Übersicht", "apfel", "Ulm", "Ärzte"})
        ASSERT_TRUE(store.Store(name, {{"a.Text", "1"}, {"b.Text", "2"}}));
    ASSERT_TRUE(FormStore(FormStoreSlot{"MEROVA", "DEU", "ANDERS", "0"}).Store("Bär", {{"a.Text", "1"}}));
    const std::vector<std::string> expected{"apfel", "Ärzte", "Übersicht", "Ulm", "Zebra"};
    EXPECT_EQ(store.MaskNames(), expected);
}

TEST_F(FormStoreTest, BadPropertyNamesWriteNothing) {
    FormStore store = SelectionStore();
    ASSERT_TRUE(store.Store("M", {{"a.Text", "alt"}}));
    EXPECT_FALSE(store.Store("M", {{"a.Text", "neu"}, {"OhnePunkt", "x"}}));
    EXPECT_EQ(store.Restore("M").at("a.Text"), "alt");
    EXPECT_FALSE(ORVInfo().Entries().empty());
    EXPECT_TRUE(FormStore::IsValidPropertyName("pgcSelektion.ActivePage"));
    EXPECT_TRUE(FormStore::IsValidPropertyName("VkSelBonBox.edtDatumVon.Text"));
    EXPECT_FALSE(FormStore::IsValidPropertyName(".Text"));
    EXPECT_FALSE(FormStore::IsValidPropertyName("edt."));
    EXPECT_FALSE(FormStore::IsValidPropertyName(""));
}

TEST_F(FormStoreTest, StoringIsABookingAndJoinsAnOpenOne) {
    FormStore store = SelectionStore();
    ASSERT_TRUE(store.Store("M", {{"a.Text", "1"}}));
    EXPECT_EQ(CountRows("SELECT COUNT(*) FROM BUCHUNG WHERE TYP = 0"), 1);
    {
        kis::store::BookingScope outer(40);
        ASSERT_TRUE(store.Store("M", {{"a.Text", "2"}}));
        ASSERT_TRUE(store.Delete("M"));
    }
    EXPECT_EQ(store.Restore("M").at("a.Text"), "1");
}

TEST_F(FormStoreNoDbTest, WithoutDatabase) {
    FormStore store = SelectionStore();
    EXPECT_FALSE(store.Exists("M"));
    EXPECT_TRUE(store.Restore("M").empty());
    EXPECT_TRUE(store.MaskNames().empty());
    EXPECT_FALSE(store.Store("M", {{"a.Text", "1"}}));
    EXPECT_FALSE(store.Delete("M"));
}
