#pragma once
// The entries of a button menu: headlines and buttons, in order, each with a name (the
// button's objectName), a caption and an enabled state. The index of an entry counts
// headlines too, so it matches the entry table a window is designed with.
#include <QObject>
#include <QString>
#include <vector>

class TBtnCollection : public QObject {
    Q_OBJECT

public:
    enum class Kind { Headline, Button };
    struct Item {
        Kind kind = Kind::Button;
        QString name;
        QString caption;
        bool enabled = true;
        bool visible = true;
    };

    explicit TBtnCollection(QObject* parent = nullptr);

    int AddHeadline(const QString& name, const QString& caption);
    int AddButton(const QString& name, const QString& caption, bool enabled = true);
    void Clear();

    int Count() const { return int(items_.size()); }
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
    // The entry; an empty headline for an index out of range.
    const Item& At(int index) const;
    // Index of the entry of that name, case ignored; -1 when none.
    int IndexOf(const QString& name) const;

    void SetEnabled(int index, bool on);
    void SetVisible(int index, bool on);
    void SetCaption(int index, const QString& caption);

signals:
    void ItemChanged(int index);
    void ItemsReset();

private:
    int Add(Item item);

    std::vector<Item> items_;
};
