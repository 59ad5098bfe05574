#include "platform/ui/btn_collection.h"

TBtnCollection::TBtnCollection(QObject* parent) : QObject(parent) {}

int TBtnCollection::Add(Item item) {
    items_.push_back(std::move(item));
    emit ItemsReset();
    return Count() - 1;
}

int TBtnCollection::AddHeadline(const QString& name, const QString& caption) {
    return Add(Item{Kind::Headline, name, caption, false, true});
}

int TBtnCollection::AddButton(const QString& name, const QString& caption, bool enabled) {
    return Add(Item{Kind::Button, name, caption, enabled, true});
}

void TBtnCollection::Clear() {
    items_.clear();
    emit ItemsReset();
}

const TBtnCollection::Item& TBtnCollection::At(int index) const {
    static const Item kNone{Kind::Headline, {}, {}, false, false};
    return IsValidIndex(index) ? items_[size_t(index)] : kNone;
}

int TBtnCollection::IndexOf(const QString& name) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TBtnCollection::SetEnabled(int index, bool on) {
    if (!IsValidIndex(index) || items_[size_t(index)].enabled == on) return;
    items_[size_t(index)].enabled = on;
    emit ItemChanged(index);
}

void TBtnCollection::SetVisible(int index, bool on) {
    if (!IsValidIndex(index) || items_[size_t(index)].visible == on) return;
    items_[size_t(index)].visible = on;
    emit ItemChanged(index);
}

void TBtnCollection::SetCaption(int index, const QString& caption) {
    if (!IsValidIndex(index) || items_[size_t(index)].caption == caption) return;
    items_[size_t(index)].caption = caption;
    emit ItemChanged(index);
}
