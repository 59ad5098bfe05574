#include "bonus/radio_gruppe.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGruppe::TRadioGruppe(const QString& name, const QString& caption, const QStringList& items,
                           int columns, QWidget* parent, std::vector<int> codes)
    : QGroupBox(caption, parent), gruppe_(new QButtonGroup(this)), codes_(std::move(codes)) {
    setObjectName(name);
    auto* l = new QGridLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(name + QString::number(i));
        gruppe_->addButton(b, i);
        l->addWidget(b, i / columns, i % columns);
    }
    if (codes_.size() != size_t(items.size())) {
        codes_.clear();
        for (int i = 0; i < items.size(); ++i) codes_.push_back(i);
    }
    connect(gruppe_, &QButtonGroup::idClicked, this, &TRadioGruppe::Clicked);
}

int TRadioGruppe::ItemIndex() const { return gruppe_->checkedId(); }

void TRadioGruppe::SetItemIndex(int index) {
    if (auto* b = gruppe_->button(index)) {
        b->setChecked(true);
    } else if (auto* c = gruppe_->checkedButton()) {
        gruppe_->setExclusive(false);
        c->setChecked(false);
        gruppe_->setExclusive(true);
    }
}

int TRadioGruppe::Code() const {
    const int i = ItemIndex();
    return i >= 0 && size_t(i) < codes_.size() ? codes_[size_t(i)] : -1;
}

bool TRadioGruppe::SetCode(int code) {
    for (size_t i = 0; i < codes_.size(); ++i)
        if (codes_[i] == code) {
            SetItemIndex(int(i));
            return true;
        }
    return false;
}

int TRadioGruppe::Count() const { return int(codes_.size()); }
