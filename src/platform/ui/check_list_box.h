#pragma once
// Check list with an attached key per item (a payment means' short code, an open-item type):
// the caption is what the user sees, the key is what filters, masks and presets carry.
// Items are laid out in `Columns` columns, top to bottom.
//
// State lines have the form "key=1" / "key=0"; items without key are left out. Lists whose
// caption is their key (branch numbers) use KeySource::Caption.
#include <QListWidget>
#include <QStringList>

class TORVCheckListBox : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(QStringList Items READ Captions)
    Q_PROPERTY(int ItemIndex READ currentRow WRITE setCurrentRow)

public:
    enum class KeySource { Key, Caption };

    explicit TORVCheckListBox(QWidget* parent = nullptr);

    int Columns() const { return columns_; }
    void SetColumns(int columns);

    // Appends an unchecked item; returns its index.
    int AddItem(const QString& caption, const QString& key = QString());
    void ClearItems() { clear(); }
    int Count() const { return count(); }

    QString Caption(int index) const;
    QString Key(int index) const;
    QStringList Captions() const;
    // Index of the first item with that key (or caption); -1 when none.
    int IndexOfKey(const QString& key, KeySource source = KeySource::Key) const;

    bool IsChecked(int index) const;
    void SetChecked(int index, bool on);
    void CheckAll(bool on = true);
    void InvertAll();
    int CheckedCount() const;
    bool AllChecked() const { return CheckedCount() == count(); }

    // "key=1"/"key=0" for every item that has a key, in list order.
    QStringList StateLines(KeySource source = KeySource::Key) const;
    // Checks exactly the items whose key has the value "1" in `lines`; items missing from the
    // lines, items without key and unreadable lines leave their item unchecked.
    void ApplyStateLines(const QStringList& lines, KeySource source = KeySource::Key);
    // The same lines joined with commas, as preset lines carry them.
    QString StateCommaText(KeySource source = KeySource::Key) const;

signals:
    void CheckStateChanged(int index, bool checked);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateGrid();
    QString KeyOf(int index, KeySource source) const;

    int columns_ = 1;
};
