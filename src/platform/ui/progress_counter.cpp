#include "platform/ui/progress_counter.h"

#include <QLabel>

#include "platform/ui/german_format.h"

TORVProgressCounter::TORVProgressCounter(const QString& name, const QString& caption, Kind kind,
                                         QLabel* captionLabel, QLabel* valueLabel, QObject* parent)
    : QObject(parent), kind_(kind), caption_(caption), captionLabel_(captionLabel), valueLabel_(valueLabel) {
    setObjectName(name);
}

void TORVProgressCounter::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    MarkDirty();
}

void TORVProgressCounter::SetValue(qint64 value) {
    if (value == value_) return;
    value_ = value;
    MarkDirty();
}

void TORVProgressCounter::Reset() {
    value_ = 0;
    text_.clear();
    MarkDirty();
}

void TORVProgressCounter::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    MarkDirty();
}

QString TORVProgressCounter::DisplayText() const {
    return kind_ == Kind::Number ? kis::ui::FormatInteger(value_) : text_;
}

void TORVProgressCounter::Flush() {
    dirty_ = false;
    if (captionLabel_) {
        captionLabel_->setText(caption_);
        captionLabel_->setVisible(!caption_.isEmpty() || kind_ == Kind::Number);
    }
    if (valueLabel_) {
        const QString shown = DisplayText();
        // Long names are cut with an ellipsis instead of widening the dialog.
        const int room = valueLabel_->width() > 20 ? valueLabel_->width() : 220;
        valueLabel_->setText(valueLabel_->fontMetrics().elidedText(shown, Qt::ElideRight, room));
        valueLabel_->setToolTip(shown);
    }
}
