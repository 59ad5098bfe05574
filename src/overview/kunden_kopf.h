#pragma once
// Header panel of the customer pages: the customer's number and name, and two arrows that ask
// for the previous and the next customer of the list.
#include <QWidget>
#include <functional>

#include "platform/base/keys.h"

class QLabel;
class QToolButton;

class TGepView : public QWidget {
    Q_OBJECT

public:
    explicit TGepView(QWidget* parent = nullptr);

    // Shows the customer's header; the totals key shows "alle Kunden".
    void SetGetNr(const TIntPair& kunde);
    TIntPair GetNr() const { return kunde_; }
    QString Text() const;

    // How a customer's name is found (the window gives the data module's lookup).
    std::function<QString(const TIntPair&)> NameLesen;

signals:
    void SelektPrev();
    void SelektNext();

private:
    TIntPair kunde_;
    QLabel* lblKunde_;
    QToolButton* btnPrev_;
    QToolButton* btnNext_;
};
