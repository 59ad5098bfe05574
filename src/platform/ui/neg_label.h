#pragma once
// A caption label beside a criterion that the user can negate with a click. While negated it
// shows a red "≠ nicht" marker before the caption and the caption in red, so an inverted
// criterion is never overlooked. `Negated` is a Qt property, so the form store and preset lines
// reach it by name ("lblTxtDatum.Negated").
#include <QLabel>

class TORVAttachNegLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool Negated READ Negated WRITE SetNegated NOTIFY NegatedChanged)
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    explicit TORVAttachNegLabel(QWidget* parent = nullptr);
    TORVAttachNegLabel(const QString& caption, QWidget* parent = nullptr);

    bool Negated() const { return negated_; }
    void SetNegated(bool on);
    // Toggles the state, as a click does.
    void Toggle() { SetNegated(!negated_); }

    // The control the criterion belongs to; it gets the label as buddy for mnemonic focus.
    void Attach(QWidget* control);
    QWidget* AttachedControl() const { return buddy(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void NegatedChanged(bool negated);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString Marker() const;
    int MarkerWidth() const;

    bool negated_ = false;
};
