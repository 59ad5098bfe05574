#include "platform/ui/tree_view.h"

#include <QFontDatabase>
#include <QHeaderView>

TORVTreeView::TORVTreeView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    header()->setVisible(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TORVTreeView::SetImages(const QList<QIcon>& images) {
    images_ = images;
    // Nodes added before keep their index; refresh their pictures.
    for (QTreeWidgetItemIterator it(this); *it; ++it) SetImageIndex(*it, ImageIndex(*it));
}

QTreeWidgetItem* TORVTreeView::AddNode(QTreeWidgetItem* parent, const QString& text, int image,
                                       const QVariant& data) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, DataRole, data);
    SetImageIndex(item, image);
    return item;
}

int TORVTreeView::ImageIndex(const QTreeWidgetItem* item) {
    if (!item) return -1;
    const QVariant v = item->data(0, ImageRole);
    return v.isValid() ? v.toInt() : -1;
}

QVariant TORVTreeView::NodeData(const QTreeWidgetItem* item) { return item ? item->data(0, DataRole) : QVariant(); }

void TORVTreeView::SetImageIndex(QTreeWidgetItem* item, int image) {
    if (!item) return;
    item->setData(0, ImageRole, image);
    item->setIcon(0, image >= 0 && image < images_.size() ? images_[image] : QIcon());
}

void TORVTreeView::ExpandTopLevel(bool expand) {
    for (int i = 0; i < topLevelItemCount(); ++i) topLevelItem(i)->setExpanded(expand);
}

void TORVTreeView::UseFixedFont() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(font().pointSizeF());
    setFont(f);
}
