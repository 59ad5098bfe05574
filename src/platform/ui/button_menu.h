#pragma once
// The button menu of a main window: headlines and buttons with a check-mark picture, laid
// out top to bottom with the metrics below. A click on an enabled button calls OnClick and
// emits Clicked with the entry's index and name. Arrow keys move between the buttons.
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/ui/btn_collection.h"

class QAbstractButton;
class QLabel;
class QVBoxLayout;

class TORVStdButtonMenu : public QWidget {
    Q_OBJECT

public:
    struct Metrics {
        int buttonHeight = 25;
        int headlineHeight = 30;
        int headlineOffset = 20;  // room above every headline but the first
        int glyphMargin = 10;     // between the picture and the caption
        int leftMargin = 30;
        int rightMargin = 15;
    };

    explicit TORVStdButtonMenu(QWidget* parent = nullptr);

    TBtnCollection* Buttons() const { return buttons_; }
    void SetMetrics(const Metrics& metrics);
    const Metrics& GetMetrics() const { return metrics_; }

    // Shortcuts over the collection.
    int AddHeadline(const QString& name, const QString& caption) { return buttons_->AddHeadline(name, caption); }
    int AddButton(const QString& name, const QString& caption, bool enabled = true) {
        return buttons_->AddButton(name, caption, enabled);
    }
    int IndexOf(const QString& name) const { return buttons_->IndexOf(name); }
    void SetEnabled(const QString& name, bool on) { buttons_->SetEnabled(IndexOf(name), on); }
    bool IsEnabled(const QString& name) const { return buttons_->At(IndexOf(name)).enabled; }

    // The widget of an entry (a button or a headline label); nullptr when out of range.
    QWidget* EntryWidget(int index) const;
    // Clicks an entry as the user would: only an enabled, visible button reacts.
    bool ClickEntry(int index);

    std::function<void(int index, const QString& name)> OnClick;

    // The check-mark picture of the buttons.
    static QIcon CheckMarkIcon();

signals:
    void Clicked(int index, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild();
    void UpdateEntry(int index);
    void MoveFocus(int from, int step);

    TBtnCollection* buttons_;
    Metrics metrics_;
    QVBoxLayout* layout_;
    std::vector<QWidget*> widgets_;  // one per entry
};
