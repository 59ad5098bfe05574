#pragma once
// The customer entry dialog. Execute() shows it modally in the mode set before:
//   1 (create)  an empty master-data form; "Speichern - F5" checks and books a new customer
//   3 (edit)    the form of GepNr; saving books the change
//   5 (find)    the search page; choosing a hit sets GepNr
//   6 (next)    the search page again with the last hits, the one after GepNr current
// Execute returns true when a customer was saved (1, 3) or chosen (5, 6). A failed check keeps
// the dialog open with a message and the focus on the field; a save is one booking.
#include <QDialog>

#include "platform/base/keys.h"
#include "platform/partners/customer_master.h"

class QLabel;
class QStackedWidget;
class TKundenFormular;
class TKundenSuche;
class TORVStdButton;
class QPushButton;

enum class TKundEingStartModus { ksSuche, ksNeuanlage };

class TKundEingDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kModusNeu = 1;
    static constexpr int kModusAendern = 3;
    static constexpr int kModusSuchen = 5;
    static constexpr int kModusWeiterSuchen = 6;

    explicit TKundEingDialog(QWidget* parent = nullptr);

    // Design-time options (kept for the callers; the dialog always works on its own data).
    bool Uebernahme = false;
    bool KundeninfoStartAllowed = true;
    bool UebernahmeSofort = false;
    TKundEingStartModus StartModus = TKundEingStartModus::ksSuche;

    void Init();
    void Clear();
    void Done();

    void SetModus(int modus) { modus_ = modus; }
    int Modus() const { return modus_; }
    void SetGepNr(const TIntPair& gepNr) { gepNr_ = gepNr; }
    TIntPair GepNr() const { return gepNr_; }
    // The kind of number offered as the first number row of a new customer.
    void SetGepNumBezeichnung(const QString& bezeichnung);

    bool Execute();

    // The record last shown or saved.
    const TKundenStamm& Stamm() const { return stamm_; }
    TKundenFormular* Formular() const { return formular_; }
    TKundenSuche* Suche() const { return suche_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ZeigeSuche();
    bool ZeigeFormular();
    void Speichern();
    void Uebernehmen(const TIntPair& kunde);
    void Meldung(const QString& text);

    int modus_ = kModusSuchen;
    TIntPair gepNr_;
    TKundenStamm stamm_;
    QLabel* lblTitel_;
    QStackedWidget* stack_;
    TKundenFormular* formular_;
    TKundenSuche* suche_;
    TORVStdButton* btnSpeichern_;
    QPushButton* btnUebernehmen_;
    TORVStdButton* btnAbbrechen_;
};
