// Message boxes through the information service with German buttons, answered by a timer;
// German Qt texts; the message pump hook.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/message_presenter_qt.h"
#include "platform/ui/qt_setup.h"

namespace {

// Clicks the button with that caption in the next modal message box; records what it saw.
struct BoxAnswer {
    QStringList buttons;
    QString text;
    QString defaultButton;
};

void AnswerNextBox(const QString& caption, BoxAnswer* seen) {
    QTimer::singleShot(0, [caption, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen->text = box->text();
        for (QAbstractButton* b : box->buttons()) seen->buttons << b->text();
        if (box->defaultButton()) seen->defaultButton = box->defaultButton()->text();
        if (caption == "<Esc>") {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == caption) b->click();
    });
}

}  // namespace

class MessagePresenterTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ORVProgramm().SetSilentMode(false);
        kis::ui::InstallMessagePresenter();
    }
    void cleanup() {
        kis::ui::RemoveMessagePresenter();
        kis::ui::RemoveMessagePump();
    }
    void yesNoQuestionAnswersWithGermanButtons();
    void informationAndWarningHaveOk();
    void silentModeAsksNobody();
    void yesNoCancelHasThreeAnswers();
    void germanTranslationsAndLocale();
    void messagePumpRunsPendingEvents();
};

void MessagePresenterTest::yesNoQuestionAnswersWithGermanButtons() {
    BoxAnswer seen;
    AnswerNextBox("Ja", &seen);
    QVERIFY(ORVJaNeinBox("Bonus buchen?", false));
    QCOMPARE(seen.text, QString("Bonus buchen?"));
    seen.buttons.sort();
    QCOMPARE(seen.buttons, (QStringList{"Ja", "Nein"}));
    QCOMPARE(seen.defaultButton, QString("Nein"));

    BoxAnswer second;
    AnswerNextBox("Nein", &second);
    QVERIFY(!ORVJaNeinBox("Wirklich?", true));
    QCOMPARE(second.defaultButton, QString("Ja"));

    BoxAnswer escaped;  // Esc is never a yes
    AnswerNextBox("<Esc>", &escaped);
    QVERIFY(!ORVJaNeinBox("Löschen?", true));
}

void MessagePresenterTest::informationAndWarningHaveOk() {
    BoxAnswer info;
    AnswerNextBox("OK", &info);
    ORVHinweisBox("Fertig.");
    QCOMPARE(info.buttons, QStringList{"OK"});
    QCOMPARE(info.text, QString("Fertig."));

    BoxAnswer warn;
    AnswerNextBox("OK", &warn);
    ORVWarnungBox("Achtung.");
    QCOMPARE(warn.buttons, QStringList{"OK"});
}

void MessagePresenterTest::silentModeAsksNobody() {
    ORVProgramm().SetSilentMode(true);
    // No box may open; a box would block this test until its timeout.
    QVERIFY(ORVJaNeinBox("Bonus buchen?", true));
    QVERIFY(!ORVJaNeinBox("Bonus buchen?", false));
    QVERIFY(!QApplication::activeModalWidget());
    ORVProgramm().SetSilentMode(false);
}

void MessagePresenterTest::yesNoCancelHasThreeAnswers() {
    BoxAnswer seen;
    AnswerNextBox("Abbrechen", &seen);
    QCOMPARE(kis::ui::AskYesNoCancel("Maske speichern?"), 2);
    seen.buttons.sort();  // the button box orders them by the platform's convention
    QCOMPARE(seen.buttons, (QStringList{"Abbrechen", "Ja", "Nein"}));
    AnswerNextBox("Nein", &seen);
    QCOMPARE(kis::ui::AskYesNoCancel("Maske speichern?"), 7);
    AnswerNextBox("<Esc>", &seen);
    QCOMPARE(kis::ui::AskYesNoCancel("Maske speichern?"), 2);
    AnswerNextBox("Ja", &seen);
    QCOMPARE(kis::ui::AskYesNoCancel("Maske speichern?"), 6);
}

void MessagePresenterTest::germanTranslationsAndLocale() {
    QVERIFY(kis::ui::InstallGermanTranslations(*QCoreApplication::instance()));
    QCOMPARE(QLocale().language(), QLocale::German);
    // Qt's own dialogs now read German.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
}

void MessagePresenterTest::messagePumpRunsPendingEvents() {
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    ORVInfoProcessMessages(0);
    QVERIFY(!fired);  // no hook installed: nothing runs
    kis::ui::InstallMessagePump();
    ORVInfoProcessMessages(0);
    QVERIFY(fired);
}

QTEST_MAIN(MessagePresenterTest)
#include "message_presenter_test.moc"
