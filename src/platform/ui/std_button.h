#pragma once
// The standard buttons of the windows with their fixed captions and pictures. A caption that
// ends in a function-key name ("Buchen - F5", "Details aus - F6") makes that key the button's
// shortcut; SetCaption keeps caption and shortcut together.
#include <QPushButton>

class TORVStdButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE SetCaption)

public:
    enum class Kind { Custom, Ende, Zurueck, MaskeLeeren, Buchen, Abbrechen };

    explicit TORVStdButton(Kind kind, QWidget* parent = nullptr);
    explicit TORVStdButton(const QString& caption, QWidget* parent = nullptr);

    Kind GetKind() const { return kind_; }
    // Sets the caption and the shortcut its function-key name gives (none without).
    void SetCaption(const QString& caption);

    static QString CaptionOf(Kind kind);

private:
    Kind kind_;
};
