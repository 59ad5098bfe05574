#pragma once
// The three selection tabs of a programme page ("Selektion Kunde", "Selektion Verkauf",
// "Selektion Gesamtdaten") with the boxes of the selection form, and the programme's
// selection lines ("Box.Control=value") they are written to and restored from.
//
// Lines are written box by box in the boxes' order; lines naming a box this page does not
// have are carried along unchanged, so loading and saving a programme never loses a
// criterion. The sales-position box's "noch nicht für Bonus verrechnet" stays checked and
// "bereits für Bonus verrechnet" unchecked, both locked, after every clear, restore and
// enable: a programme only ever selects sales not yet settled for a bonus.
#include <QObject>
#include <QStringList>
#include <string>
#include <vector>

class QWidget;
class TDM;
class TGPSelAdrBox;
class TGPSelErwBox;
class TGPSelMerkmBox;
class TGPSelNrBox;
class TSelBox;
class TSumSelEVBox;
class TSumSelOPBox;
class TSumSelVkBox;
class TVkSelBonBox;
class TVkSelPosBox;

class TProgrammSelektion : public QObject {
    Q_OBJECT

public:
    TProgrammSelektion(const QString& prefix, TDM* dm, QWidget* parent);
    ~TProgrammSelektion() override;

    QWidget* tshKunde = nullptr;
    QWidget* tshVerkauf = nullptr;
    QWidget* tshGesamtdaten = nullptr;

    TGPSelAdrBox* GPSelAdrBox = nullptr;
    TGPSelErwBox* GPSelErwBox = nullptr;
    TGPSelMerkmBox* GPSelMerkmBox = nullptr;
    TGPSelNrBox* GPSelNrBox = nullptr;
    TVkSelBonBox* VkSelBonBox = nullptr;
    TVkSelPosBox* VkSelPosBox = nullptr;
    TSumSelVkBox* SumSelVkBox = nullptr;
    TSumSelOPBox* SumSelOPBox = nullptr;
    TSumSelEVBox* SumSelEVBox = nullptr;  // present, always hidden, never written

    void Clear();
    void EnabledSetzen(bool on);
    // Restores the boxes from stored lines (after clearing them).
    void BoxesGet(const std::vector<std::string>& zeilen);
    // The lines of boxes 1 to 8 in their order, the two bonus flags locked.
    std::vector<std::string> BoxesPut() const;

    // The two lines every programme selection carries.
    static std::vector<std::string> Sperrzeilen();

private:
    std::vector<TSelBox*> Boxen() const;  // the eight written boxes, in order
    TSelBox* Box(const QString& name) const;
    void BonusSperre();

    QString prefix_;
    TDM* dm_;
    std::vector<std::string> fremd_;  // lines of boxes this page does not have
};
