#pragma once
// A customer box over a two-column grid: one row per name (attribute, number kind), the
// value column holds the criterion. F6/F7/F8 of the selection windows run the grid actions
// on the current row: "Wert gefüllt", "Wert leer", "Wert vergleichen".
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/sel_box.h"

class QTableWidget;

class TGPSelGridBox : public TSelBox {
    Q_OBJECT

public:
    QTableWidget* Grid() const { return grid_; }

    // Fills the rows from the database (once, at window creation).
    void Init() override;
    // Sets the rows directly (tests, callers with their own lists).
    void ZeilenSetzen(const std::vector<std::string>& namen);

    // The actions on the current row; false when there is none or its value is locked.
    bool WertGefuellt();
    bool WertLeer();
    bool WertVergleichen();
    // The action by its number in the forms' menus: 0 filled, 1 empty, else comparison.
    bool WertAktion(int aktion);

protected:
    TGPSelGridBox(const std::string& boxName, const QString& titel, const QString& gridName,
                  const QString& spalte0, std::function<std::vector<std::string>()> namen,
                  QWidget* parent);

private:
    bool Setze(const QString& wert, bool bearbeiten);

    QTableWidget* grid_;
    std::function<std::vector<std::string>()> namen_;
};

class TGPSelMerkmBox : public TGPSelGridBox {
    Q_OBJECT

public:
    explicit TGPSelMerkmBox(QWidget* parent = nullptr);
};

class TGPSelNrBox : public TGPSelGridBox {
    Q_OBJECT

public:
    explicit TGPSelNrBox(QWidget* parent = nullptr);
};
