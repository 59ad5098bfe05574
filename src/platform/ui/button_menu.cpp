#include "platform/ui/button_menu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TORVStdButtonMenu::TORVStdButtonMenu(QWidget* parent)
    : QWidget(parent), buttons_(new TBtnCollection(this)), layout_(new QVBoxLayout(this)) {
    layout_->setSpacing(2);
    connect(buttons_, &TBtnCollection::ItemsReset, this, &TORVStdButtonMenu::Rebuild);
    connect(buttons_, &TBtnCollection::ItemChanged, this, &TORVStdButtonMenu::UpdateEntry);
    Rebuild();
}

void TORVStdButtonMenu::SetMetrics(const Metrics& metrics) {
    metrics_ = metrics;
    Rebuild();
}

QIcon TORVStdButtonMenu::CheckMarkIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0x1E, 0x8C, 0x32), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath path;
    path.moveTo(2.5, 8.5);
    path.lineTo(6.5, 12.5);
    path.lineTo(13.5, 3.5);
    p.drawPath(path);
    return QIcon(pm);
}

void TORVStdButtonMenu::Rebuild() {
    // deleteLater: Rebuild may run inside a click handler of one of these buttons.
    for (QWidget* w : widgets_) {
        w->hide();
        w->deleteLater();
    }
    widgets_.clear();
    while (QLayoutItem* item = layout_->takeAt(0)) delete item;

    layout_->setContentsMargins(metrics_.leftMargin, 0, metrics_.rightMargin, 0);
    const QIcon check = CheckMarkIcon();
    bool firstHeadline = true;
    for (int i = 0; i < buttons_->Count(); ++i) {
        const auto& entry = buttons_->At(i);
        QWidget* w = nullptr;
        if (entry.kind == TBtnCollection::Kind::Headline) {
            if (!firstHeadline) layout_->addSpacing(metrics_.headlineOffset);
            firstHeadline = false;
            auto* label = new QLabel(this);
            QFont f = label->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.15);
            label->setFont(f);
            label->setFixedHeight(metrics_.headlineHeight);
            label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            w = label;
        } else {
            auto* button = new QPushButton(check, QString(), this);
            button->setFixedHeight(metrics_.buttonHeight);
            button->setFlat(false);
            button->setAutoDefault(false);
            button->setCursor(Qt::PointingHandCursor);
            button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: %1px; }")
                                      .arg(metrics_.glyphMargin));
            button->installEventFilter(this);
            connect(button, &QPushButton::clicked, this, [this, i] { ClickEntry(i); });
            w = button;
        }
        w->setObjectName(entry.name);
        layout_->addWidget(w);
        widgets_.push_back(w);
        UpdateEntry(i);
    }
    layout_->addStretch(1);
}

void TORVStdButtonMenu::UpdateEntry(int index) {
    QWidget* w = EntryWidget(index);
    if (!w) return;
    const auto& entry = buttons_->At(index);
    if (auto* label = qobject_cast<QLabel*>(w)) label->setText(entry.caption);
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(entry.caption);
        button->setEnabled(entry.enabled);
    }
    w->setVisible(entry.visible);
}

QWidget* TORVStdButtonMenu::EntryWidget(int index) const {
    return index >= 0 && index < int(widgets_.size()) ? widgets_[size_t(index)] : nullptr;
}

bool TORVStdButtonMenu::ClickEntry(int index) {
    if (!buttons_->IsValidIndex(index)) return false;
    const auto& entry = buttons_->At(index);
    if (entry.kind != TBtnCollection::Kind::Button || !entry.enabled || !entry.visible) return false;
    const QString name = entry.name;  // the handler may change the collection
    if (OnClick) OnClick(index, name);
    emit Clicked(index, name);
    return true;
}

void TORVStdButtonMenu::MoveFocus(int from, int step) {
    for (int i = from + step; i >= 0 && i < int(widgets_.size()); i += step) {
        auto* button = qobject_cast<QPushButton*>(widgets_[size_t(i)]);
        if (button && button->isEnabled() && button->isVisible()) {
            button->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool TORVStdButtonMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto it = std::find(widgets_.begin(), widgets_.end(), watched);
        if (it != widgets_.end()) {
            const int index = int(it - widgets_.begin());
            if (key->key() == Qt::Key_Down) { MoveFocus(index, +1); return true; }
            if (key->key() == Qt::Key_Up) { MoveFocus(index, -1); return true; }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) { ClickEntry(index); return true; }
        }
    }
    return QWidget::eventFilter(watched, event);
}
