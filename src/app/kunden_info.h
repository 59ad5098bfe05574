#pragma once
// The main window: a button menu in three groups (customer administration, customer
// information, bonus administration) and "Ende". Every menu entry hides the window, opens its
// window or dialog and shows the main window again, also when the action failed.
//
// The actions are a dispatch table keyed by the upper-cased entry name, run in table order;
// later windows plug into their entry with SetAktion.
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QAction;
class QFrame;
class TDM;
class TORVStdButton;
class TORVStdButtonMenu;
class TSelektionFrm;
class TKundEingSerbFrm;

class TKundenInfo : public QWidget {
    Q_OBJECT

public:
    struct TAktion {
        QString key;           // upper-cased entry name
        QString registeredAs;  // "TKundenInfo.KundEingInsert" ...
        std::function<void()> run;
        bool hidesItself = false;  // the action hides and shows the window on its own
    };

    explicit TKundenInfo(TDM* dm, QWidget* parent = nullptr);

    QFrame* pnlHauptrahmen = nullptr;
    QFrame* pnlButtons = nullptr;
    TORVStdButtonMenu* bmnHaupt = nullptr;
    TORVStdButton* btnEnde = nullptr;
    QAction* actESC = nullptr;

    // The enabling rule of the menu entries for a workstation type.
    void EnabledSetzen(int rTyp);
    void bmnHauptClick(int buttonIndex, const QString& buttonName);
    void btnEndeClick();

    const std::vector<TAktion>& Aktionen() const { return aktionen_; }
    // Replaces the action of a key; false when the key is unknown.
    bool SetAktion(const QString& key, std::function<void()> run);
    // The selection window of "Selektion und Auswertung" (created on first use, kept).
    TSelektionFrm* SelektionFrm();

    // The serial-letter selection ("Serienbriefe") and its second instance for the manual
    // bonus grant (created on first use, kept).
    TKundEingSerbFrm* KundEingSerbFrm(bool bonus);

    // The key of the action run last (empty when none ran).
    QString LetzteAktion() const { return letzteAktion_; }

    // How the program ends ("Ende", Esc); default: the application's event loop quits.
    std::function<void()> OnEnde;
    // Seams of the windows of the bonus generation: the programme picker (true = OK, fills
    // bonus type and programme name) and the selection in bonus mode (gets the stored
    // selection lines of the programme).
    std::function<bool(QString& bonusTyp, QString& programmName)> ProgrammWahl;
    std::function<QStringList(const QString& bonusTyp, const QString& programmName)> ProgrammSelektion;
    std::function<void(const QStringList& modusListe)> BonusSelektion;

    // Bonus type short code of a bonus type name; the text itself when it names none of the
    // five programme kinds.
    static QString BonusKennungFuer(const QString& bonusTyp);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void BuildMenu();
    void ErsterMandant();
    void KundEingInsert();
    void KundEingEdit();
    void MerovaEinzel();
    void MerovaListe();
    void BonusGenerieren();

    TDM* dm_;
    TSelektionFrm* selektionFrm_ = nullptr;
    TKundEingSerbFrm* serbFrm_ = nullptr;
    TKundEingSerbFrm* serbFrmBonus_ = nullptr;
    std::vector<TAktion> aktionen_;
    QString letzteAktion_;
};
