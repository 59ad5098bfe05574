#include "platform/ui/neg_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {
const QColor kNegColor(0xC0, 0x00, 0x00);
}

TORVAttachNegLabel::TORVAttachNegLabel(QWidget* parent) : TORVAttachNegLabel(QString(), parent) {}

TORVAttachNegLabel::TORVAttachNegLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Klicken kehrt das Kriterium um (nicht)"));
}

void TORVAttachNegLabel::SetNegated(bool on) {
    if (on == negated_) return;
    negated_ = on;
    updateGeometry();
    update();
    emit NegatedChanged(negated_);
}

void TORVAttachNegLabel::Attach(QWidget* control) { setBuddy(control); }

QString TORVAttachNegLabel::Marker() const { return QStringLiteral("\u2260 nicht "); }

int TORVAttachNegLabel::MarkerWidth() const {
    QFont bold = font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(Marker());
}

QSize TORVAttachNegLabel::sizeHint() const {
    // Reserve the marker's room always, so toggling does not change the layout.
    QSize s = QLabel::sizeHint();
    s.rwidth() += MarkerWidth();
    return s;
}

QSize TORVAttachNegLabel::minimumSizeHint() const {
    QSize s = QLabel::minimumSizeHint();
    s.rwidth() += MarkerWidth();
    return s;
}

void TORVAttachNegLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint())) {
        Toggle();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void TORVAttachNegLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QLabel::changeEvent(event);
}

void TORVAttachNegLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = int(Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine | Qt::TextShowMnemonic);
    QRect textRect = r;
    textRect.setLeft(r.left() + MarkerWidth());
    if (negated_) {
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        p.setPen(isEnabled() ? kNegColor : palette().color(QPalette::Disabled, QPalette::WindowText));
        p.drawText(r, flags, Marker());
        p.setFont(font());
        p.drawText(textRect, flags, text());
    } else {
        QStyleOption opt;
        opt.initFrom(this);
        style()->drawItemText(&p, r, flags, opt.palette, isEnabled(), text(), foregroundRole());
    }
}
