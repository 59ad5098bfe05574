#pragma once
// Progress dialog of long runs: a caption, a busy bar, named counters and an optional
// "Abbrechen" button. Show() disables the owner window (without an owner: the active window)
// and shows the dialog without blocking,
// so the run goes on in the caller; the run lets events through (ORVInfoProcessMessages),
// which repaints the counters and delivers a click on "Abbrechen". Close() hides the dialog
// and gives the owner its enabled state back (also when the dialog is destroyed while shown).
//
// The abort only reports: OnAbort runs once per Show and the Aborted() signal is emitted;
// stopping the run is the caller's business (it clears its own active flag).
#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

#include "platform/ui/progress_counter.h"

class QGridLayout;
class QProgressBar;
class QPushButton;
class QTimer;
class QVBoxLayout;

class TORVStdProgressDialog : public QDialog {
    Q_OBJECT

public:
    explicit TORVStdProgressDialog(QWidget* owner = nullptr);
    ~TORVStdProgressDialog() override;

    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    QString Caption() const { return windowTitle(); }

    // Adds a counter; a name that exists already returns the existing counter.
    // separation: width of the caption column in pixels (0 = as wide as the captions need).
    TORVProgressCounter* AddCounter(const QString& name, const QString& caption,
                                    TORVProgressCounter::Kind kind = TORVProgressCounter::Kind::Number,
                                    int separation = 0);
    TORVProgressCounter* Counter(const QString& name) const;
    const std::vector<TORVProgressCounter*>& Counters() const { return counters_; }

    // By-name shortcuts; an unknown name does nothing (a run must not fail on its display).
    void SetText(const QString& name, const QString& text);
    void Increment(const QString& name, qint64 by = 1);
    void Reset(const QString& name);
    void SetCounterCaption(const QString& name, const QString& caption);
    void ResetAll();

    // The "Abbrechen" button (shown by default).
    void SetAbortVisible(bool visible);
    bool AbortVisible() const { return abortVisible_; }
    std::function<void()> OnAbort;
    // True after the user aborted since the last Show().
    bool WasAborted() const { return aborted_; }
    // Aborts as the button does (once per Show, only while the button is offered).
    void Abort();

    void SetElementSpacing(int spacing);
    // Counters are written into their labels at most once per interval.
    void SetRepaintInterval(int ms);
    int RepaintInterval() const;

    void Show();
    void Close();
    bool IsShowing() const { return showing_; }

    // Writes all dirty counters now.
    void FlushCounters();

signals:
    void Aborted();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void DisableOwner();
    void RestoreOwner();

    QPointer<QWidget> owner_;
    QPointer<QWidget> disabledOwner_;
    QVBoxLayout* layout_;
    QProgressBar* bar_;
    QGridLayout* counterGrid_;
    QPushButton* abortButton_;
    QTimer* repaintTimer_;
    std::vector<TORVProgressCounter*> counters_;
    bool abortVisible_ = true;
    bool aborted_ = false;
    bool showing_ = false;
};
