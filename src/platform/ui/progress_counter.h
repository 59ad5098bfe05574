#pragma once
// One named counter of the progress dialog: a caption and either a number (Increment, Reset)
// or a text (SetText). Changes only mark the counter dirty; the dialog writes dirty counters
// into their labels on its repaint timer, so a run that counts a million rows does not pay
// for a million repaints.
#include <QObject>
#include <QString>

class QLabel;

class TORVProgressCounter : public QObject {
    Q_OBJECT

public:
    enum class Kind { Number, Text };

    TORVProgressCounter(const QString& name, const QString& caption, Kind kind, QLabel* captionLabel,
                        QLabel* valueLabel, QObject* parent);

    QString Name() const { return objectName(); }
    Kind GetKind() const { return kind_; }

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    qint64 Value() const { return value_; }
    void SetValue(qint64 value);
    void Increment(qint64 by = 1) { SetValue(value_ + by); }
    // Number counter: 0; text counter: empty text.
    void Reset();

    QString Text() const { return text_; }
    void SetText(const QString& text);

    // What the value label shows: the grouped number ("1.234") or the text.
    QString DisplayText() const;
    bool IsDirty() const { return dirty_; }
    // Writes caption and value into the labels now.
    void Flush();

private:
    void MarkDirty() { dirty_ = true; }

    Kind kind_;
    QString caption_;
    qint64 value_ = 0;
    QString text_;
    bool dirty_ = true;
    QLabel* captionLabel_;
    QLabel* valueLabel_;
};
