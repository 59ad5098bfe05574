#pragma once
// A captioned group of radio buttons with an item index and a code per item, as the pages'
// option groups need them ("überlesen" / "mit negativem Wert bonifizieren" ...).
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;

class TRadioGruppe : public QGroupBox {
    Q_OBJECT

public:
    TRadioGruppe(const QString& name, const QString& caption, const QStringList& items, int columns,
                 QWidget* parent, std::vector<int> codes = {});

    int ItemIndex() const;
    void SetItemIndex(int index);
    // The code of the selected item (its index when no codes were given); -1 when none.
    int Code() const;
    // Selects the item carrying this code; false (selection unchanged) when none does.
    bool SetCode(int code);
    int Count() const;

signals:
    void Clicked(int index);

private:
    QButtonGroup* gruppe_;
    std::vector<int> codes_;
};
