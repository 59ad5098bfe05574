#pragma once
// Tree with pictures from an image list (by index, as the legends number them) and a value
// carried by each node. Used for the open-item and bonus trees of the overview.
#include <QIcon>
#include <QTreeWidget>
#include <QVariant>

class TORVTreeView : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int ImageRole = Qt::UserRole + 20;
    static constexpr int DataRole = Qt::UserRole + 21;

    explicit TORVTreeView(QWidget* parent = nullptr);

    void SetImages(const QList<QIcon>& images);
    const QList<QIcon>& Images() const { return images_; }

    // Adds a node under parent (top level for nullptr); image -1 = none.
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& text, int image = -1,
                             const QVariant& data = {});
    static int ImageIndex(const QTreeWidgetItem* item);
    static QVariant NodeData(const QTreeWidgetItem* item);
    void SetImageIndex(QTreeWidgetItem* item, int image);

    void ExpandTopLevel(bool expand);
    // Fixed-pitch font, so that padded texts line up in columns.
    void UseFixedFont();

private:
    QList<QIcon> images_;
};
