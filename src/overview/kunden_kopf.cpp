#include "overview/kunden_kopf.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

TGepView::TGepView(QWidget* parent)
    : QWidget(parent), lblKunde_(new QLabel(this)), btnPrev_(new QToolButton(this)),
      btnNext_(new QToolButton(this)) {
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(4, 2, 4, 2);
    btnPrev_->setArrowType(Qt::LeftArrow);
    btnPrev_->setToolTip(QStringLiteral("vorheriger Kunde (Bild auf)"));
    btnPrev_->setFocusPolicy(Qt::NoFocus);
    btnNext_->setArrowType(Qt::RightArrow);
    btnNext_->setToolTip(QStringLiteral("nächster Kunde (Bild ab)"));
    btnNext_->setFocusPolicy(Qt::NoFocus);
    QFont f = lblKunde_->font();
    f.setBold(true);
    lblKunde_->setFont(f);
    l->addWidget(btnPrev_);
    l->addWidget(lblKunde_, 1);
    l->addWidget(btnNext_);
    connect(btnPrev_, &QToolButton::clicked, this, &TGepView::SelektPrev);
    connect(btnNext_, &QToolButton::clicked, this, &TGepView::SelektNext);
}

void TGepView::SetGetNr(const TIntPair& kunde) {
    kunde_ = kunde;
    if (kunde.IsNull()) {
        lblKunde_->setText(QStringLiteral("alle Kunden"));
        return;
    }
    const QString name = NameLesen ? NameLesen(kunde) : QString();
    lblKunde_->setText(QStringLiteral("Kunde %1/%2  %3").arg(kunde.Lnr).arg(kunde.Rnr).arg(name));
}

QString TGepView::Text() const { return lblKunde_->text(); }
