// Negation label, check list with keys, button menu, standard buttons, function-key names
// and the German display helpers.
#include <QSignalSpy>
#include <QtTest>

#include "platform/ui/button_menu.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/function_keys.h"
#include "platform/ui/german_format.h"
#include "platform/ui/neg_label.h"
#include "platform/ui/std_button.h"

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void negLabelTogglesOnClickOnlyWhenEnabled();
    void checkListCarriesKeysAndStates();
    void checkListRestoresExactlyTheStoredOnes();
    void checkListClickOnCaptionToggles();
    void functionKeyNamesMapBothWays_data();
    void functionKeyNamesMapBothWays();
    void functionKeysWithoutName();
    void buttonMenuClicksEnabledButtonsByIndexAndName();
    void standardButtonsHaveCaptionsAndKeys();
    void germanDisplayHelpers();
};

void ControlsTest::negLabelTogglesOnClickOnlyWhenEnabled() {
    TORVAttachNegLabel label(QStringLiteral("Verkaufsdatum"));
    label.resize(label.sizeHint());
    QSignalSpy spy(&label, &TORVAttachNegLabel::NegatedChanged);
    QVERIFY(!label.Negated());
    QTest::mouseClick(&label, Qt::LeftButton);
    QVERIFY(label.Negated());
    QCOMPARE(label.property("Negated").toBool(), true);  // reachable by name
    QTest::mouseClick(&label, Qt::LeftButton);
    QVERIFY(!label.Negated());
    QCOMPARE(spy.count(), 2);

    label.setEnabled(false);
    QTest::mouseClick(&label, Qt::LeftButton);
    QVERIFY(!label.Negated());
    QVERIFY(label.setProperty("Negated", true));  // code may still set it
    QVERIFY(label.Negated());
    QCOMPARE(label.text(), QString("Verkaufsdatum"));  // the marker is painted, not in the text
}

void ControlsTest::checkListCarriesKeysAndStates() {
    TORVCheckListBox zm;
    zm.SetColumns(3);
    zm.AddItem("Bar", "BAR");
    zm.AddItem("Scheck", "SCHECK");
    zm.AddItem("ohne Schlüssel");
    zm.AddItem("EC-Karte", "EC");
    QCOMPARE(zm.Key(1), QString("SCHECK"));
    QCOMPARE(zm.IndexOfKey("EC"), 3);
    QCOMPARE(zm.IndexOfKey("XX"), -1);
    QCOMPARE(zm.Key(99), QString());

    zm.CheckAll();
    zm.SetChecked(1, false);
    QCOMPARE(zm.StateLines(), (QStringList{"BAR=1", "SCHECK=0", "EC=1"}));  // keyless item left out
    QCOMPARE(zm.StateCommaText(), QString("BAR=1,SCHECK=0,EC=1"));
    zm.InvertAll();
    QCOMPARE(zm.CheckedCount(), 1);
    QVERIFY(zm.IsChecked(1));

    TORVCheckListBox branches;
    branches.AddItem("1");
    branches.AddItem("12");
    branches.SetChecked(1, true);
    QCOMPARE(branches.StateLines(TORVCheckListBox::KeySource::Caption), (QStringList{"1=0", "12=1"}));
}

void ControlsTest::checkListRestoresExactlyTheStoredOnes() {
    TORVCheckListBox list;
    list.AddItem("Bar", "BAR");
    list.AddItem("Scheck", "SCHECK");
    list.AddItem("Neu", "NEU");       // not in the stored lines
    list.AddItem("ohne Schlüssel");   // no key
    list.CheckAll();
    list.ApplyStateLines({"SCHECK=1", "BAR=0", "kaputt", "=1", "GONE=1"});
    QVERIFY(!list.IsChecked(0));
    QVERIFY(list.IsChecked(1));
    QVERIFY(!list.IsChecked(2));
    QVERIFY(!list.IsChecked(3));
}

void ControlsTest::checkListClickOnCaptionToggles() {
    TORVCheckListBox list;
    list.AddItem("Bar mit langer Beschriftung", "BAR");
    list.resize(300, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy spy(&list, &TORVCheckListBox::CheckStateChanged);
    const QRect r = list.visualItemRect(list.item(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(r.right() - 10, r.center().y()));
    QVERIFY(list.IsChecked(0));
    QCOMPARE(spy.count(), 1);
    list.setEnabled(false);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(r.right() - 10, r.center().y()));
    QVERIFY(list.IsChecked(0));
}

void ControlsTest::functionKeyNamesMapBothWays_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("F5") << "F5" << QKeySequence(Qt::Key_F5);
    QTest::newRow("F11 plain") << "F11" << QKeySequence(Qt::Key_F11);
    QTest::newRow("F12 plain") << "F12" << QKeySequence(Qt::Key_F12);
    QTest::newRow("F19 Shift") << "F19" << QKeySequence(Qt::SHIFT | Qt::Key_F9);
    QTest::newRow("F25 Ctrl") << "F25" << QKeySequence(Qt::CTRL | Qt::Key_F5);
    QTest::newRow("F29 Ctrl") << "F29" << QKeySequence(Qt::CTRL | Qt::Key_F9);
    QTest::newRow("F39 Alt") << "F39" << QKeySequence(Qt::ALT | Qt::Key_F9);
    QTest::newRow("F31 Alt") << "F31" << QKeySequence(Qt::ALT | Qt::Key_F1);
}

void ControlsTest::functionKeyNamesMapBothWays() {
    QFETCH(QString, name);
    QFETCH(QKeySequence, key);
    QCOMPARE(kis::ui::KeyFromFunctionName(name), key);
    QCOMPARE(kis::ui::FunctionNameFromKey(key), name);
}

void ControlsTest::functionKeysWithoutName() {
    using kis::ui::FunctionNameFromKey;
    using kis::ui::KeyFromFunctionName;
    QVERIFY(KeyFromFunctionName("F20").isEmpty());
    QVERIFY(KeyFromFunctionName("F40").isEmpty());
    QVERIFY(KeyFromFunctionName("F0").isEmpty());
    QVERIFY(KeyFromFunctionName("Buchen").isEmpty());
    QVERIFY(FunctionNameFromKey(QKeySequence(Qt::SHIFT | Qt::Key_F1)).isEmpty());  // "F11" is plain F11
    QVERIFY(FunctionNameFromKey(QKeySequence(Qt::CTRL | Qt::Key_F10)).isEmpty());
    QVERIFY(FunctionNameFromKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5)).isEmpty());
    QCOMPARE(kis::ui::KeyFromCaption("Buchen - F5"), QKeySequence(Qt::Key_F5));
    QCOMPARE(kis::ui::KeyFromCaption("Bonus löschen - F25"), QKeySequence(Qt::CTRL | Qt::Key_F5));
    QVERIFY(kis::ui::KeyFromCaption("Kundenneuanlage").isEmpty());
    QVERIFY(kis::ui::KeyFromCaption("OF5").isEmpty());
}

void ControlsTest::buttonMenuClicksEnabledButtonsByIndexAndName() {
    TORVStdButtonMenu menu;
    menu.AddHeadline("Headline 0", "Kundenverwaltung");
    menu.AddButton("btnKundEingIns", "Kundenneuanlage");
    menu.AddHeadline("Headline 2", "Bonusverwaltung");
    menu.AddButton("btnBonsUmw", "Bearbeiten von Boni: In Gutscheine umwandeln", false);
    QCOMPARE(menu.IndexOf("BTNKUNDEINGINS"), 1);
    QCOMPARE(menu.IndexOf("gibtsnicht"), -1);
    QVERIFY(!menu.IsEnabled("btnBonsUmw"));

    QList<QPair<int, QString>> calls;
    menu.OnClick = [&](int index, const QString& name) { calls.append({index, name}); };
    QSignalSpy spy(&menu, &TORVStdButtonMenu::Clicked);

    auto* button = menu.findChild<QAbstractButton*>("btnKundEingIns");
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].first, 1);
    QCOMPARE(calls[0].second, QString("btnKundEingIns"));
    QCOMPARE(spy.count(), 1);

    QVERIFY(!menu.ClickEntry(3));  // disabled
    QVERIFY(!menu.ClickEntry(0));  // headline
    QVERIFY(!menu.ClickEntry(42));
    menu.SetEnabled("btnBonsUmw", true);
    QVERIFY(menu.findChild<QAbstractButton*>("btnBonsUmw")->isEnabled());
    QVERIFY(menu.ClickEntry(3));
    QCOMPARE(calls.size(), 2);

    // A handler that changes the menu while it is being clicked must not crash it.
    menu.OnClick = [&](int, const QString&) { menu.AddButton("btnNeu", "Neu"); };
    QTest::mouseClick(menu.findChild<QAbstractButton*>("btnKundEingIns"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(menu.Buttons()->Count(), 5);
}

void ControlsTest::standardButtonsHaveCaptionsAndKeys() {
    QCOMPARE(TORVStdButton(TORVStdButton::Kind::Ende).text(), QString("Ende"));
    QCOMPARE(TORVStdButton(TORVStdButton::Kind::Zurueck).text(), QString("Zurück"));
    QCOMPARE(TORVStdButton(TORVStdButton::Kind::MaskeLeeren).text(), QString("Maske leeren"));
    QCOMPARE(TORVStdButton(TORVStdButton::Kind::Abbrechen).text(), QString("Abbrechen"));
    TORVStdButton book(TORVStdButton::Kind::Buchen);
    QCOMPARE(book.text(), QString("Buchen - F5"));
    QCOMPARE(book.shortcut(), QKeySequence(Qt::Key_F5));
    TORVStdButton details(QStringLiteral("Details aus - F6"));
    details.SetCaption("Details ein - F6");
    QCOMPARE(details.shortcut(), QKeySequence(Qt::Key_F6));
    details.SetCaption("ohne Taste");
    QVERIFY(details.shortcut().isEmpty());
}

void ControlsTest::germanDisplayHelpers() {
    using namespace kis::ui;
    QCOMPARE(FormatAmount(1234.5), QString("1.234,50"));
    QCOMPARE(FormatAmount(-0.001), QString("0,00"));
    QCOMPARE(FormatAmountWidth(12.5), QString("    12,50"));
    QCOMPARE(FormatAmountOrEmpty(0.004), QString());
    QCOMPARE(FormatAmountOrEmpty(-0.01), QString("-0,01"));
    QCOMPARE(FormatInteger(1234567), QString("1.234.567"));
    QCOMPARE(ParseGermanNumber("1.234,56").value(), 1234.56);
    QCOMPARE(ParseGermanNumber("12,5").value(), 12.5);
    QVERIFY(!ParseGermanNumber("zwölf"));
    QVERIFY(!ParseGermanNumber(""));
    QCOMPARE(FormatDate(QDate(2024, 3, 1)), QString("01.03.2024"));
    QCOMPARE(ToQDate(FromQDate(QDate(2024, 2, 29))), QDate(2024, 2, 29));
    QVERIFY(!ToQDate(0).isValid());
    QVERIFY(!ToQDate(1e300).isValid());
    QCOMPARE(DateToDigits(QDate(2024, 12, 31)), QString("31122024"));
    QVERIFY(!DateFromDigits("3112202").isValid());
}

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
