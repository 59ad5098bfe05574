#include "platform/ui/check_list_box.h"

#include <QMouseEvent>
#include <QResizeEvent>

namespace {
constexpr int kKeyRole = Qt::UserRole + 1;
}

TORVCheckListBox::TORVCheckListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setFlow(QListView::TopToBottom);
    setResizeMode(QListView::Adjust);
    setWrapping(false);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        emit CheckStateChanged(row(item), item->checkState() == Qt::Checked);
    });
}

void TORVCheckListBox::SetColumns(int columns) {
    columns_ = qMax(1, columns);
    setWrapping(columns_ > 1);
    UpdateGrid();
}

void TORVCheckListBox::mouseReleaseEvent(QMouseEvent* event) {
    // A click on the caption toggles the item too, not only a click on the small box (which
    // the item delegate handles itself).
    QListWidgetItem* it = itemAt(event->position().toPoint());
    if (it && event->button() == Qt::LeftButton && isEnabled()) {
        QStyleOptionViewItem opt;
        initViewItemOption(&opt);
        opt.rect = visualItemRect(it);
        opt.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, this);
        if (!box.contains(event->position().toPoint())) {
            it->setCheckState(it->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
    }
    QListWidget::mouseReleaseEvent(event);
}

void TORVCheckListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    UpdateGrid();
}

void TORVCheckListBox::UpdateGrid() {
    if (columns_ <= 1) {
        setGridSize(QSize());
        return;
    }
    // Columns share the viewport width; rows fill top to bottom before wrapping.
    const int rowHeight = fontMetrics().height() + 6;
    const int width = qMax(20, viewport()->width() / columns_);
    setGridSize(QSize(width, rowHeight));
}

int TORVCheckListBox::AddItem(const QString& caption, const QString& key) {
    auto* item = new QListWidgetItem(caption);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(kKeyRole, key);
    {
        const QSignalBlocker block(this);  // adding is no user change
        addItem(item);
    }
    return count() - 1;
}

QString TORVCheckListBox::Caption(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

QString TORVCheckListBox::Key(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->data(kKeyRole).toString() : QString();
}

QString TORVCheckListBox::KeyOf(int index, KeySource source) const {
    return source == KeySource::Key ? Key(index) : Caption(index).trimmed();
}

QStringList TORVCheckListBox::Captions() const {
    QStringList out;
    for (int i = 0; i < count(); ++i) out << item(i)->text();
    return out;
}

int TORVCheckListBox::IndexOfKey(const QString& key, KeySource source) const {
    if (key.isEmpty()) return -1;
    for (int i = 0; i < count(); ++i)
        if (KeyOf(i, source) == key) return i;
    return -1;
}

bool TORVCheckListBox::IsChecked(int index) const {
    const QListWidgetItem* it = item(index);
    return it && it->checkState() == Qt::Checked;
}

void TORVCheckListBox::SetChecked(int index, bool on) {
    if (QListWidgetItem* it = item(index)) it->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void TORVCheckListBox::CheckAll(bool on) {
    for (int i = 0; i < count(); ++i) SetChecked(i, on);
}

void TORVCheckListBox::InvertAll() {
    for (int i = 0; i < count(); ++i) SetChecked(i, !IsChecked(i));
}

int TORVCheckListBox::CheckedCount() const {
    int n = 0;
    for (int i = 0; i < count(); ++i) n += IsChecked(i) ? 1 : 0;
    return n;
}

QStringList TORVCheckListBox::StateLines(KeySource source) const {
    QStringList out;
    for (int i = 0; i < count(); ++i) {
        const QString key = KeyOf(i, source);
        if (!key.isEmpty()) out << key + (IsChecked(i) ? QStringLiteral("=1") : QStringLiteral("=0"));
    }
    return out;
}

void TORVCheckListBox::ApplyStateLines(const QStringList& lines, KeySource source) {
    QHash<QString, QString> values;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const QString key = line.left(eq).trimmed();
        if (!values.contains(key)) values.insert(key, line.mid(eq + 1).trimmed());
    }
    for (int i = 0; i < count(); ++i) {
        const QString key = KeyOf(i, source);
        SetChecked(i, !key.isEmpty() && values.value(key) == QLatin1String("1"));
    }
}

QString TORVCheckListBox::StateCommaText(KeySource source) const {
    return StateLines(source).join(QLatin1Char(','));
}
