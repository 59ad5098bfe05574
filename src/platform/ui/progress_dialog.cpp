#include "platform/ui/progress_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TORVStdProgressDialog::TORVStdProgressDialog(QWidget* owner)
    : QDialog(owner), owner_(owner) {
    setObjectName(QStringLiteral("prgDlg"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setMinimumWidth(300);

    layout_ = new QVBoxLayout(this);
    layout_->setSpacing(15);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("barAnimate"));
    bar_->setRange(0, 0);  // busy: the style animates it while events run
    bar_->setTextVisible(false);
    layout_->addWidget(bar_);

    counterGrid_ = new QGridLayout;
    counterGrid_->setHorizontalSpacing(10);
    counterGrid_->setColumnStretch(1, 1);
    layout_->addLayout(counterGrid_);
    layout_->addStretch(1);

    abortButton_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    abortButton_->setObjectName(QStringLiteral("btnAbbrechen"));
    abortButton_->setAutoDefault(false);
    layout_->addWidget(abortButton_, 0, Qt::AlignHCenter);
    connect(abortButton_, &QPushButton::clicked, this, &TORVStdProgressDialog::Abort);

    repaintTimer_ = new QTimer(this);
    repaintTimer_->setInterval(100);
    connect(repaintTimer_, &QTimer::timeout, this, &TORVStdProgressDialog::FlushCounters);
}

TORVStdProgressDialog::~TORVStdProgressDialog() { RestoreOwner(); }

TORVProgressCounter* TORVStdProgressDialog::AddCounter(const QString& name, const QString& caption,
                                                      TORVProgressCounter::Kind kind, int separation) {
    if (TORVProgressCounter* existing = Counter(name)) return existing;
    const int row = int(counters_.size());
    auto* captionLabel = new QLabel(caption, this);
    captionLabel->setObjectName(name + QStringLiteral("Caption"));
    auto* valueLabel = new QLabel(this);
    valueLabel->setObjectName(name + QStringLiteral("Value"));
    valueLabel->setMinimumWidth(120);
    if (kind == TORVProgressCounter::Kind::Number)
        valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (separation > 0) captionLabel->setMinimumWidth(separation);
    counterGrid_->addWidget(captionLabel, row, 0);
    counterGrid_->addWidget(valueLabel, row, 1);
    auto* counter = new TORVProgressCounter(name, caption, kind, captionLabel, valueLabel, this);
    counters_.push_back(counter);
    counter->Flush();
    return counter;
}

TORVProgressCounter* TORVStdProgressDialog::Counter(const QString& name) const {
    for (TORVProgressCounter* c : counters_)
        if (c->Name() == name) return c;
    return nullptr;
}

void TORVStdProgressDialog::SetText(const QString& name, const QString& text) {
    if (auto* c = Counter(name)) c->SetText(text);
}

void TORVStdProgressDialog::Increment(const QString& name, qint64 by) {
    if (auto* c = Counter(name)) c->Increment(by);
}

void TORVStdProgressDialog::Reset(const QString& name) {
    if (auto* c = Counter(name)) c->Reset();
}

void TORVStdProgressDialog::SetCounterCaption(const QString& name, const QString& caption) {
    if (auto* c = Counter(name)) c->SetCaption(caption);
}

void TORVStdProgressDialog::ResetAll() {
    for (TORVProgressCounter* c : counters_) c->Reset();
}

void TORVStdProgressDialog::SetAbortVisible(bool visible) {
    abortVisible_ = visible;
    abortButton_->setVisible(visible);
}

void TORVStdProgressDialog::Abort() {
    if (!abortVisible_ || aborted_) return;
    aborted_ = true;
    abortButton_->setEnabled(false);  // one abort per run; the run ends at its next check
    if (OnAbort) OnAbort();
    emit Aborted();
}

void TORVStdProgressDialog::SetElementSpacing(int spacing) {
    layout_->setSpacing(spacing);
    counterGrid_->setVerticalSpacing(spacing / 2);
}

void TORVStdProgressDialog::SetRepaintInterval(int ms) { repaintTimer_->setInterval(qMax(1, ms)); }

int TORVStdProgressDialog::RepaintInterval() const { return repaintTimer_->interval(); }

void TORVStdProgressDialog::FlushCounters() {
    for (TORVProgressCounter* c : counters_)
        if (c->IsDirty()) c->Flush();
}

void TORVStdProgressDialog::DisableOwner() {
    // Without an owner the window the user works in (the one that started the run) is it.
    QWidget* ownerWindow = owner_ ? owner_->window() : QApplication::activeWindow();
    if (!ownerWindow || ownerWindow == this || !ownerWindow->isEnabled()) return;
    ownerWindow->setEnabled(false);
    disabledOwner_ = ownerWindow;
    // A disabled parent disables its child windows too; this window must stay usable.
    setEnabled(true);
}

void TORVStdProgressDialog::RestoreOwner() {
    if (disabledOwner_) disabledOwner_->setEnabled(true);
    disabledOwner_ = nullptr;
}

void TORVStdProgressDialog::Show() {
    aborted_ = false;
    abortButton_->setEnabled(true);
    abortButton_->setVisible(abortVisible_);
    FlushCounters();
    if (!showing_) DisableOwner();
    showing_ = true;
    show();
    raise();
    activateWindow();
    repaintTimer_->start();
}

void TORVStdProgressDialog::Close() {
    repaintTimer_->stop();
    FlushCounters();
    showing_ = false;
    hide();
    RestoreOwner();
}

void TORVStdProgressDialog::reject() {
    // Esc and the window's close box mean "Abbrechen" when it is offered; otherwise the run
    // decides when the dialog closes.
    Abort();
}

void TORVStdProgressDialog::closeEvent(QCloseEvent* event) {
    if (showing_) {
        event->ignore();
        Abort();
        return;
    }
    QDialog::closeEvent(event);
}
