// Edits: the limits they are created with hold for typing and for text set by code; the held
// text and the value readers; input help (F2) and the season picker.
#include <QCalendarWidget>
#include <QTimer>
#include <QtTest>

#include "platform/ui/calendar_dialog.h"
#include "platform/ui/german_format.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/saison_edit.h"

class EditsTest : public QObject {
    Q_OBJECT

private slots:
    void decimalEditRefusesExtraDigitsDecimalsAndTooLargeValues();
    void decimalEditCodeSetTextIsChecked();
    void integerEditHonoursDigitsLengthAndMaximum();
    void dateEditHoldsEightDigitsAndReadsDates();
    void maskEditWithoutLiteralsLimitsLengthAndDigits();
    void inputHelpRunsOnlyWhenEnabled();
    void dateEditF2OpensCalendarAndTakesChoice();
    void seasonEditUpperCasesAndSplitsSeasons();
};

void EditsTest::decimalEditRefusesExtraDigitsDecimalsAndTooLargeValues() {
    TORVFloatEdit sum(12, 2, 999999999.99);
    QTest::keyClicks(&sum, "12345678901");  // 9 digits fit before the comma
    QCOMPARE(sum.Text(), QString("123456789"));
    QTest::keyClicks(&sum, ",999");
    QCOMPARE(sum.Text(), QString("123456789,99"));
    QCOMPARE(sum.GetAsFloat(), 123456789.99);

    TORVFloatEdit discount(6, 2, 100.0);
    QTest::keyClicks(&discount, "101");
    QCOMPARE(discount.Text(), QString("10"));
    discount.clear();
    QTest::keyClicks(&discount, "100.01");  // a typed point becomes the comma; 100,01 > 100
    QCOMPARE(discount.Text(), QString("100,0"));
    QCOMPARE(discount.GetAsFloat(), 100.0);

    TORVFloatEdit noSign;
    QTest::keyClicks(&noSign, "-5");
    QCOMPARE(noSign.Text(), QString("5"));
    noSign.SetAllowNegative(true);
    noSign.clear();
    QTest::keyClicks(&noSign, "-5,5");
    QCOMPARE(noSign.GetAsFloat(), -5.5);
}

void EditsTest::decimalEditCodeSetTextIsChecked() {
    TORVFloatEdit edit(12, 2, 999999999.99);
    QVERIFY(edit.SetText("1234.5"));
    QCOMPARE(edit.Text(), QString("1234,5"));
    QVERIFY(!edit.SetText("1000000000"));  // above the maximum
    QVERIFY(edit.Text().isEmpty());
    QVERIFY(!edit.SetText("12,345"));  // three decimals
    QVERIFY(!edit.SetText("abc"));
    QCOMPARE(edit.GetAsFloat(7.0), 7.0);  // empty -> default
    QVERIFY(edit.SetText(""));
    // The Qt property the form store uses runs the same check.
    QVERIFY(edit.setProperty("Text", "99,99"));
    QCOMPARE(edit.GetAsFloat(), 99.99);
}

void EditsTest::integerEditHonoursDigitsLengthAndMaximum() {
    TORVIntegerEdit qty(9, 999999999);
    QTest::keyClicks(&qty, "12345678901");
    QCOMPARE(qty.Text(), QString("123456789"));
    QCOMPARE(qty.GetAsInteger(), 123456789);
    qty.clear();
    QTest::keyClicks(&qty, "1,5");  // no comma in an integer edit
    QCOMPARE(qty.Text(), QString("15"));

    TORVIntegerEdit small(3, 250);
    QTest::keyClicks(&small, "260");
    QCOMPARE(small.Text(), QString("26"));
    QVERIFY(!small.SetText("999"));
    QVERIFY(small.SetText(" 42 "));
    QCOMPARE(small.GetAsInteger(), 42);

    TORVIntegerEdit entries(9, 999999999, 12);
    QCOMPARE(entries.maxLength(), 12);
}

void EditsTest::dateEditHoldsEightDigitsAndReadsDates() {
    TORVDateEdit date;
    QVERIFY(date.IsEmpty());
    QVERIFY(!date.GetAsDate());

    QVERIFY(date.SetText("12032024"));
    QCOMPARE(date.displayText(), QString("12.03.2024"));
    QCOMPARE(date.Text(), QString("12032024"));
    QCOMPARE(kis::ui::FormatDate(*date.GetAsDate()), QString("12.03.2024"));

    QVERIFY(date.SetText("01.02.2023"));  // with the literals as well
    QCOMPARE(date.Text(), QString("01022023"));

    QVERIFY(date.SetText("31022024"));  // eight digits, but no date
    QVERIFY(!date.GetAsDate());
    QVERIFY(!date.SetText("12a32024"));
    QVERIFY(date.IsEmpty());

    date.clear();
    date.setCursorPosition(0);
    QTest::keyClicks(&date, "x0504y2025");  // letters are refused while typing
    QCOMPARE(date.Text(), QString("05042025"));
}

void EditsTest::maskEditWithoutLiteralsLimitsLengthAndDigits() {
    TORVMaskEdit supplier(QStringLiteral("cccc;0"), true);
    QTest::keyClicks(&supplier, "12a345");
    QCOMPARE(supplier.Text(), QString("1234"));
    QVERIFY(!supplier.SetText("12345"));
    QVERIFY(supplier.SetText("77"));
    QCOMPARE(supplier.GetAsInteger(), 77);
}

void EditsTest::inputHelpRunsOnlyWhenEnabled() {
    TORVMaskEdit edit;
    int runs = 0;
    edit.OnEingabehilfe = [&] { ++runs; };
    QTest::keyClick(&edit, Qt::Key_F2);
    QCOMPARE(runs, 1);
    edit.setReadOnly(true);
    QVERIFY(!edit.RunEingabehilfe());
    edit.setReadOnly(false);
    edit.setEnabled(false);
    QVERIFY(!edit.RunEingabehilfe());
    QCOMPARE(runs, 1);
}

void EditsTest::dateEditF2OpensCalendarAndTakesChoice() {
    TORVDateEdit date;
    date.SetText("15062024");
    QDate shownAt;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<TCalendarDialog*>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        shownAt = dlg->SelectedDate();
        dlg->SetSelectedDate(QDate(2024, 6, 20));
        dlg->accept();
    });
    QTest::keyClick(&date, Qt::Key_F2);
    QCOMPARE(shownAt, QDate(2024, 6, 15));
    QCOMPARE(date.Text(), QString("20062024"));

    // Cancel keeps the text; an edit without a date opens the calendar at today.
    date.SetText("99");
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<TCalendarDialog*>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        shownAt = dlg->SelectedDate();
        dlg->reject();
    });
    QVERIFY(!date.RunCalendar());
    QCOMPARE(shownAt, QDate::currentDate());
    QCOMPARE(date.Text(), QString("99"));
}

void EditsTest::seasonEditUpperCasesAndSplitsSeasons() {
    TORVSaisonEdit season;
    QTest::keyClicks(&season, "f24, h24;f24");
    QCOMPARE(season.Text(), QString("F24, H24;F24"));
    QCOMPARE(season.Seasons(), (QStringList{"F24", "H24"}));
    QVERIFY(season.SetText("s25"));
    QCOMPARE(season.Text(), QString("S25"));
    QVERIFY(!season.SetText(QString(257, QLatin1Char('A'))));

    QStringList offered;
    season.SetText("F24");
    season.OnSaisonAuswahl = [&](const QStringList& current) -> std::optional<QStringList> {
        offered = current;
        return QStringList{"F24", "H25"};
    };
    QTest::keyClick(&season, Qt::Key_F2);
    QCOMPARE(offered, QStringList{"F24"});
    QCOMPARE(season.Text(), QString("F24,H25"));

    season.OnSaisonAuswahl = [](const QStringList&) -> std::optional<QStringList> { return std::nullopt; };
    QVERIFY(!season.DoSaisonAuswahl());
    QCOMPARE(season.Text(), QString("F24,H25"));  // cancelled: unchanged
}

QTEST_MAIN(EditsTest)
#include "edits_test.moc"
