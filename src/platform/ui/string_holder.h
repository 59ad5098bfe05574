#pragma once
// A named, invisible list of text lines that a window puts into its form store beside its
// controls ("strlFilialen.Items"), for state that no single control property carries.
#include <QObject>
#include <QStringList>

class TORVStringHolder : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)

public:
    explicit TORVStringHolder(const QString& name, QObject* parent = nullptr) : QObject(parent) {
        setObjectName(name);
    }

    QStringList Items() const { return items_; }
    void SetItems(const QStringList& items) { items_ = items; }
    void Clear() { items_.clear(); }

    // The value of the first line "name=value"; empty when there is none.
    QString Value(const QString& name) const {
        const QString prefix = name + QLatin1Char('=');
        for (const QString& line : items_)
            if (line.startsWith(prefix)) return line.mid(prefix.size());
        return {};
    }

private:
    QStringList items_;
};
