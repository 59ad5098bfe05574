// Form-store binding: the named properties of a box's controls survive a store and restore
// through the suite database, and bad or foreign mask contents cannot break the controls.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/store/database.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/control_property.h"
#include "platform/ui/form_store_binding.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/neg_label.h"
#include "platform/ui/string_holder.h"

namespace {

// A small box like the receipt selection box.
struct Box {
    QWidget root;
    TORVAttachNegLabel* lblTxtDatum;
    TORVDateEdit* edtDatumVon;
    TORVFloatEdit* edtBonSumMin;
    QCheckBox* chbReduzVk;
    QComboBox* cmbArt;
    TORVCheckListBox* chbZM;
    TORVStringHolder* strlZM;

    Box() {
        root.setObjectName("VkSelBonBox");
        lblTxtDatum = Named(new TORVAttachNegLabel("Verkaufsdatum", &root), "lblTxtDatum");
        edtDatumVon = Named(new TORVDateEdit(&root), "edtDatumVon");
        edtBonSumMin = Named(new TORVFloatEdit(12, 2, 999999999.99, &root), "edtBonSumMin");
        chbReduzVk = Named(new QCheckBox("reduzierte Verkäufe", &root), "chbReduzVk");
        cmbArt = Named(new QComboBox(&root), "cmbArt");
        cmbArt->addItems({"alle", "aktiv", "passiv"});
        chbZM = Named(new TORVCheckListBox(&root), "chbZM");
        chbZM->AddItem("Bar", "BAR");
        chbZM->AddItem("Scheck", "SCHECK");
        strlZM = new TORVStringHolder("strlZM", &root);
    }

    template <class T>
    static T* Named(T* w, const char* name) {
        w->setObjectName(name);
        return w;
    }
};

const QStringList kProperties{"lblTxtDatum.Negated", "edtDatumVon.Text", "edtBonSumMin.Text",
                              "chbReduzVk.Checked",  "cmbArt.ItemIndex", "chbReduzVk.Visible",
                              "strlZM.Items"};

}  // namespace

class FormStoreBindingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        db_ = kis::store::Database::OpenMemory();
        kis::store::SetSuiteDb(db_.get());
    }
    void cleanup() {
        kis::store::SetSuiteDb(nullptr);
        db_.reset();
    }
    void roundTripThroughTheStore();
    void onlyListedPropertiesAreRestored();
    void badValuesAreSkippedNotCrashed();
    void propertiesOfPlainQtWidgets();

private:
    std::unique_ptr<kis::store::Database> db_;
};

void FormStoreBindingTest::roundTripThroughTheStore() {
    kis::services::FormStore store({"VKBONBOX", "DEU", "SELKNDUM", "0"});
    Box a;
    a.lblTxtDatum->SetNegated(true);
    a.edtDatumVon->SetText("01022024");
    a.edtBonSumMin->SetText("1234,5");
    a.chbReduzVk->setChecked(true);
    a.chbReduzVk->setVisible(false);
    a.cmbArt->setCurrentIndex(2);
    a.chbZM->SetChecked(1, true);

    TORVFormStoreBinding bindA(&a.root, kProperties);
    bindA.OnStoreStart = [&] { a.strlZM->SetItems(a.chbZM->StateLines()); };
    QVERIFY(bindA.Store(store, "Meine Maske"));

    Box b;
    TORVFormStoreBinding bindB(&b.root, kProperties);
    bindB.OnRestoreEnd = [&] { b.chbZM->ApplyStateLines(b.strlZM->Items()); };
    QVERIFY(!bindB.Restore(store, "andere Maske"));
    QVERIFY(bindB.Restore(store, "Meine Maske"));
    QVERIFY(b.lblTxtDatum->Negated());
    QCOMPARE(b.edtDatumVon->Text(), QString("01022024"));
    QCOMPARE(b.edtBonSumMin->GetAsFloat(), 1234.5);
    QVERIFY(b.chbReduzVk->isChecked());
    QVERIFY(b.chbReduzVk->isHidden());
    QCOMPARE(b.cmbArt->currentIndex(), 2);
    QVERIFY(!b.chbZM->IsChecked(0));
    QVERIFY(b.chbZM->IsChecked(1));

    // Stored as plain text the store can show: booleans "1"/"0", lists one line each.
    const auto stored = store.Restore("Meine Maske");
    QCOMPARE(stored.at("lblTxtDatum.Negated"), std::string("1"));
    QCOMPARE(stored.at("strlZM.Items"), std::string("BAR=0\nSCHECK=1"));
}

void FormStoreBindingTest::onlyListedPropertiesAreRestored() {
    Box box;
    TORVFormStoreBinding bind(&box.root, {"edtDatumVon.Text"});
    const int failed = bind.Apply({{"edtDatumVon.Text", "05052025"}, {"chbReduzVk.Enabled", "0"}});
    QCOMPARE(failed, 0);
    QCOMPARE(box.edtDatumVon->Text(), QString("05052025"));
    QVERIFY(box.chbReduzVk->isEnabled());  // not listed: untouched
}

void FormStoreBindingTest::badValuesAreSkippedNotCrashed() {
    Box box;
    box.chbReduzVk->setChecked(true);
    box.cmbArt->setCurrentIndex(1);
    TORVFormStoreBinding bind(&box.root, {"edtBonSumMin.Text", "chbReduzVk.Checked", "cmbArt.ItemIndex",
                                          "fehlt.Text", "lblTxtDatum.Negated", "chbZM.Items"});
    const int failed = bind.Apply({{"edtBonSumMin.Text", "viel Geld"},
                                   {"chbReduzVk.Checked", "vielleicht"},
                                   {"cmbArt.ItemIndex", "7"},
                                   {"fehlt.Text", "x"},
                                   {"lblTxtDatum.Negated", "1"},
                                   {"chbZM.Items", "A\nB"}});  // a keyed list is not rebuilt from text
    QCOMPARE(failed, 5);
    QVERIFY(box.edtBonSumMin->IsEmpty());  // unreadable amount: no criterion, not a wrong one
    QVERIFY(box.chbReduzVk->isChecked());
    QCOMPARE(box.cmbArt->currentIndex(), 1);
    QVERIFY(box.lblTxtDatum->Negated());
    QCOMPARE(box.chbZM->Count(), 2);
    QCOMPARE(box.chbZM->Key(0), QString("BAR"));

    // A malformed property name is no component.
    QVERIFY(!bind.FindComponent("ohnePunkt"));
    QVERIFY(!bind.FindComponent(".Text"));
    QCOMPARE(bind.FindComponent("VkSelBonBox.edtDatumVon.Text"), box.edtDatumVon);
}

void FormStoreBindingTest::propertiesOfPlainQtWidgets() {
    using kis::ui::ReadControlProperty;
    using kis::ui::WriteControlProperty;
    QWidget root;
    auto* edit = new QLineEdit(&root);
    edit->setMaxLength(5);
    QVERIFY(WriteControlProperty(edit, "Text", "abc"));
    QVERIFY(!WriteControlProperty(edit, "Text", "zu lang"));
    QCOMPARE(edit->text(), QString("abc"));
    QCOMPARE(*ReadControlProperty(edit, "Enabled"), QString("1"));
    root.setEnabled(false);
    QCOMPARE(*ReadControlProperty(edit, "Enabled"), QString("1"));  // its own state, not the parent's

    auto* group = new QGroupBox("Bonus", &root);
    QVERIFY(WriteControlProperty(group, "Caption", " Angaben zum Bonus "));
    QCOMPARE(group->title(), QString(" Angaben zum Bonus "));
    QVERIFY(!ReadControlProperty(group, "Checked"));  // not checkable

    auto* button = new QCheckBox(&root);
    QVERIFY(WriteControlProperty(button, "Up", "0"));
    QVERIFY(button->isChecked());
    QCOMPARE(*ReadControlProperty(button, "Up"), QString("0"));

    auto* combo = new QComboBox(&root);
    QVERIFY(WriteControlProperty(combo, "Items", "eins\nzwei"));
    QCOMPARE(*ReadControlProperty(combo, "Items"), QString("eins\nzwei"));
    QVERIFY(!ReadControlProperty(combo, "Unbekannt"));
}

QTEST_MAIN(FormStoreBindingTest)
#include "form_store_binding_test.moc"
