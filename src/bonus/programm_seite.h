#pragma once
// One page of the programme editor: a name combo, the five data buttons and the editing cycle
// browse -> insert | update -> (Ok: save | Abbruch) -> browse; delete acts from browse.
// The kind pages fill in how a record becomes controls and back.
//
// Saving is one booking: main record, content and selection record together. A refused or
// failed save keeps the page in its edit state with the user's input, and the suppression of
// name events is lifted on every path.
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "platform/bonus/beta_programm.h"

class QComboBox;
class QPushButton;
class QVBoxLayout;
class TBonusRechner;
class TDM;
class TProgrammSelektion;

class TProgrammSeite : public QWidget {
    Q_OBJECT

public:
    enum Zustand { zsBlaettern = 1, zsEinfuegen = 2, zsAendern = 3 };

    // prefix: BETA, PASS, UMSA, RABS, UMZR; kind 1..5.
    TProgrammSeite(const QString& prefix, int kind, TBonusRechner& rechner, TDM* dm, QWidget* parent);

    const QString& Prefix() const { return prefix_; }
    int Kind() const { return kind_; }
    std::string TypKey() const;
    int Get_Bearbeitungszustand() const { return zustand_; }
    bool Bearbeitet() const { return zustand_ != zsBlaettern; }

    QComboBox* cmbName = nullptr;
    QPushButton* btnInsert = nullptr;
    QPushButton* btnUpdate = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnBuchen = nullptr;
    QPushButton* btnCancel = nullptr;
    // The selection tabs (kinds 2 to 5), null on the rules page.
    TProgrammSelektion* Selektion = nullptr;

    // The data buttons; each answers whether it acted.
    bool Einfuegen();
    bool Aendern();
    bool Loeschen();
    bool Buchen();
    void Abbrechen();

    // Show: browse, lists filled, first name selected and loaded.
    virtual void FormShow();
    // Refills the name list (names of this kind) keeping events suppressed meanwhile.
    void cmbFuellen();
    // Loads the record named in the combo, or empties the page.
    void NameGewaehlt();
    // The record currently shown (browse), if any.
    const std::optional<TBetaSatz>& Aktuell() const { return aktuell_; }

protected:
    // The five data buttons; each page calls this at the end of its constructor.
    void KnoepfeBauen();
    // Kind-specific: the controls of the content area are added to this layout.
    QVBoxLayout* Inhalt() const { return inhalt_; }
    // Fills the controls from a stored record (main record; content included).
    virtual void DatenGet(const TBetaSatz& satz) = 0;
    // Empties the content controls.
    virtual void FelderLeer() = 0;
    // Fills kind fields and content from the controls. Throws std::exception when the page
    // cannot be read (the save then stops and keeps what is stored).
    virtual void DatenPut(TBetaSatz& satz) = 0;
    // A German reason why the page cannot be saved, or empty.
    virtual QString Pruefen() const { return {}; }
    // Enables the content controls for the state; lists that depend on others are refilled.
    virtual void ZustandsWechsel() = 0;
    // Lists of the page (accounts, rules, coupon types); called by FormShow.
    virtual void ListenFuellen() {}
    // Before deleting: a German reason to refuse, or empty.
    virtual QString LoeschenVerweigert(const QString& /*name*/) const { return {}; }
    // The rule combos of a page get all calculation rules.
    void RegelnFuellen(QComboBox* combo);
    // Selects the combo entry with this text, or nothing (-1) when there is none.
    static void TextWaehlen(QComboBox* combo, const QString& text);
    // Reports a failure registered under "TBonusProgrammeFrm.<methode>".
    void Registrieren(const char* methode, const std::exception& e) const;

    TBonusRechner& rechner_;
    TDM* dm_;
    bool FEventVerarbeiten = true;

private:
    void SetZustand(Zustand z);
    void NameModus();

    QString prefix_;
    int kind_;
    Zustand zustand_ = zsBlaettern;
    std::optional<TBetaSatz> aktuell_;
    QVBoxLayout* inhalt_ = nullptr;
    QVBoxLayout* knoepfe_ = nullptr;
};
