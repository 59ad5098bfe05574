// Progress dialog: named counters, throttled display, owner disabled while shown, and the
// abort reaching a run that pumps events through the information service's hook.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/services/orv_info.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/qt_setup.h"

class ProgressDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { kis::ui::RemoveMessagePump(); }
    void countersByName();
    void countersAreShownOnTheTimerNotOnEveryStep();
    void ownerIsDisabledWhileShownAndRestoredAfterwards();
    void abortReachesALoopThatPumpsEvents();
    void withoutAbortButtonEscapeDoesNothing();
};

namespace {

TORVStdProgressDialog* MakeDialog(QWidget* owner) {
    auto* dlg = new TORVStdProgressDialog(owner);
    dlg->SetCaption(QStringLiteral("Auswertung läuft ..."));
    dlg->AddCounter("couKundeName", "Kunde", TORVProgressCounter::Kind::Text, 75);
    dlg->AddCounter("couAnzKunde", "Gelesene Kunden");
    dlg->AddCounter("couAnzVkPos", "Gelesene Verkäufe");
    return dlg;
}

QString ValueShown(const TORVStdProgressDialog& dlg, const QString& counter) {
    return dlg.findChild<QLabel*>(counter + "Value")->text();
}

}  // namespace

void ProgressDialogTest::countersByName() {
    QWidget owner;
    std::unique_ptr<TORVStdProgressDialog> dlg(MakeDialog(&owner));
    QCOMPARE(dlg->Counters().size(), size_t(3));
    QCOMPARE(dlg->AddCounter("couAnzKunde", "anders"), dlg->Counter("couAnzKunde"));  // no duplicate
    QCOMPARE(dlg->Counters().size(), size_t(3));

    dlg->Increment("couAnzKunde");
    dlg->Increment("couAnzKunde", 1499);
    dlg->SetText("couKundeName", "Müller, Anna");
    dlg->SetCounterCaption("couAnzVkPos", "Selektierte Kunden");
    dlg->Increment("gibtsnicht");  // unknown names do nothing
    QCOMPARE(dlg->Counter("couAnzKunde")->Value(), 1500);
    QCOMPARE(dlg->Counter("couKundeName")->Text(), QString("Müller, Anna"));

    dlg->FlushCounters();
    QCOMPARE(ValueShown(*dlg, "couAnzKunde"), QString("1.500"));
    QCOMPARE(ValueShown(*dlg, "couKundeName"), QString("Müller, Anna"));
    QCOMPARE(dlg->findChild<QLabel*>("couAnzVkPosCaption")->text(), QString("Selektierte Kunden"));

    dlg->Reset("couAnzKunde");
    dlg->Reset("couKundeName");
    QCOMPARE(dlg->Counter("couAnzKunde")->Value(), 0);
    QVERIFY(dlg->Counter("couKundeName")->Text().isEmpty());
}

void ProgressDialogTest::countersAreShownOnTheTimerNotOnEveryStep() {
    QWidget owner;
    std::unique_ptr<TORVStdProgressDialog> dlg(MakeDialog(&owner));
    dlg->SetRepaintInterval(50);
    dlg->Show();
    for (int i = 0; i < 1000; ++i) dlg->Increment("couAnzVkPos");
    QCOMPARE(ValueShown(*dlg, "couAnzVkPos"), QString("0"));  // not yet painted
    QTRY_COMPARE_WITH_TIMEOUT(ValueShown(*dlg, "couAnzVkPos"), QString("1.000"), 2000);
    dlg->Increment("couAnzVkPos");
    dlg->Close();  // closing writes the last state
    QCOMPARE(ValueShown(*dlg, "couAnzVkPos"), QString("1.001"));
}

void ProgressDialogTest::ownerIsDisabledWhileShownAndRestoredAfterwards() {
    QWidget owner;
    owner.show();
    auto* dlg = MakeDialog(&owner);
    dlg->Show();
    QVERIFY(!owner.isEnabled());
    QVERIFY(dlg->isEnabled());
    QVERIFY(dlg->findChild<QPushButton*>("btnAbbrechen")->isEnabled());
    dlg->Close();
    QVERIFY(owner.isEnabled());
    QVERIFY(!dlg->isVisible());

    dlg->Show();
    delete dlg;  // destroyed while shown: the owner must not stay dead
    QVERIFY(owner.isEnabled());

    // Without an owner, the active window is disabled for the run.
    QWidget active;
    active.show();
    QApplication::setActiveWindow(&active);
    QVERIFY(QTest::qWaitForWindowActive(&active));
    std::unique_ptr<TORVStdProgressDialog> ownerless(MakeDialog(nullptr));
    ownerless->Show();
    QVERIFY(!active.isEnabled());
    ownerless->Close();
    QVERIFY(active.isEnabled());

    // An owner that was disabled before stays disabled.
    QWidget disabledOwner;
    disabledOwner.setEnabled(false);
    std::unique_ptr<TORVStdProgressDialog> other(MakeDialog(&disabledOwner));
    other->Show();
    other->Close();
    QVERIFY(!disabledOwner.isEnabled());
}

void ProgressDialogTest::abortReachesALoopThatPumpsEvents() {
    kis::ui::InstallMessagePump();
    QWidget owner;
    owner.show();
    std::unique_ptr<TORVStdProgressDialog> dlg(MakeDialog(&owner));
    bool active = true;
    int aborts = 0;
    dlg->OnAbort = [&] {
        ++aborts;
        active = false;
    };
    dlg->Show();
    QTimer::singleShot(30, [&] { QTest::mouseClick(dlg->findChild<QPushButton*>("btnAbbrechen"), Qt::LeftButton); });

    QElapsedTimer guard;
    guard.start();
    int steps = 0;
    while (active && guard.elapsed() < 5000) {
        dlg->Increment("couAnzKunde");
        ++steps;
        ORVInfoProcessMessages(0);
    }
    QVERIFY(!active);
    QCOMPARE(aborts, 1);
    QVERIFY(dlg->WasAborted());
    dlg->Abort();  // a second abort in the same run does nothing
    QCOMPARE(aborts, 1);
    QVERIFY(steps > 0);
    dlg->Close();

    dlg->Show();  // a new run may be aborted again
    QVERIFY(!dlg->WasAborted());
    dlg->Abort();
    QCOMPARE(aborts, 2);
    dlg->Close();
}

void ProgressDialogTest::withoutAbortButtonEscapeDoesNothing() {
    QWidget owner;
    std::unique_ptr<TORVStdProgressDialog> dlg(MakeDialog(&owner));
    int aborts = 0;
    dlg->OnAbort = [&] { ++aborts; };
    dlg->SetAbortVisible(false);
    dlg->Show();
    QVERIFY(!dlg->findChild<QPushButton*>("btnAbbrechen")->isVisible());
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    dlg->close();
    QCOMPARE(aborts, 0);
    QVERIFY(dlg->isVisible());  // only the run closes it
    dlg->SetAbortVisible(true);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);  // with the button, Esc aborts
    QCOMPARE(aborts, 1);
    dlg->Close();
}

QTEST_MAIN(ProgressDialogTest)
#include "progress_dialog_test.moc"
