#pragma once
// The result window of an evaluation: one row per selected customer with selected and total
// sales, bonus values and open-item balances, plus the totals row, and detail pages for the
// customer under the cursor ("Kunde - Umsatz", "Kunde - offene Posten", "Kunde - Bonus",
// "Kunde - erledigte Vorgänge") and the legend of the bonus pictures.
//
// Rows come from the run's customer sums file in the order of the chosen index and are read as
// the grid scrolls; the detail grids read only the current customer's rows.
//
// The selection form creates the window once and calls Ausfuehren after each successful run.
#include <QDialog>
#include <QIcon>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/kis_types.h"
#include "platform/base/keys.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTreeWidgetItem;
class QWidget;
class TBelegInfoFrm;
class TBonusTabellen;
class Tfrmbonusmaneing;
class TGepView;
class TLayoutform;
class TOPTabellen;
class TORVDataGrid;
class TORVDataModel;
class TORVTreeView;
class TGPSerBrief;
namespace kis::store {
class Tkisufile;
}
class Tgpdochost;
struct TDocPlatzhalter;

struct TIdent;

enum class TFuellStatus { fsUnbekannt, fsLeer, fsFertig };

class TUebersichtFrm : public QDialog {
    Q_OBJECT

public:
    explicit TUebersichtFrm(QWidget* parent = nullptr);
    ~TUebersichtFrm() override;

    // Shows the window modally in the given mode; the result is that of the dialog.
    int Ausfuehren(TSelektionFrmModus modus);
    void SetModus(TSelektionFrmModus modus) { FModus = modus; }
    TSelektionFrmModus Modus() const { return FModus; }
    TIntPair AktGepNr() const { return FAktGepNr; }

    // The eight optional position columns in the order of the stored layout.
    static const char* const kOptionaleSpalten[8];

    // --- components (named as their objectName) ------------------------------------------
    QMenuBar* mnuHaupt;
    QTabWidget* pgcKunde;
    QWidget* tshUebersicht;
    QWidget* tshKundeUmsatz;
    QWidget* tshKundeOP;
    QWidget* tshKundeBonus;
    QWidget* tshKundeErledigt;
    QWidget* tshLegende;
    TORVDataGrid* grdKISU;
    TORVDataModel* mdlKISU;
    TORVDataGrid* grdKIVKBons;
    TORVDataModel* mdlKIVKBons;
    TORVDataGrid* grdKIVKUmsatzArtikel;
    TORVDataModel* mdlKIVKUmsatzArtikel;
    QLabel* imgArtikel;
    TORVTreeView* tvOP;
    TORVTreeView* tvBonus;
    TGepView* gvUmsatz;
    TGepView* gvOP;
    TGepView* gvBonus;
    TGepView* gvErledigt;
    QLabel* lblWert;
    QLabel* lblBonus;
    QLabel* lblWertNeu;
    QLabel* lblBonusNeu;
    QLabel* lblWertNeuCaption;
    QLabel* lblBonusNeuCaption;
    QPushButton* btnExpand;
    QPushButton* btnKundeBearbeiten;
    QPushButton* btnDrucken;
    QPushButton* btnSerBrief;
    QPushButton* btnKarteDrucken;
    QPushButton* btnABC;
    QPushButton* btnMessageCenter;
    QPushButton* btnZurueck;
    QPushButton* btnBONUBuchen;
    QPushButton* btnBONUManuell;
    QPushButton* btnBONUVerwendet;
    QPushButton* btnBONUStorno;
    QPushButton* btnExcelExportGridOben;
    QPushButton* btnExcelExportGridUnten;
    QPushButton* btnBelegDetail;
    QAction* actDetails;
    QAction* actSumBONUNeu;
    QAction* actBONUBuchen;
    QAction* actBONULoeschen;
    QAction* actVorheriger;
    QAction* actNaechster;
    QAction* actDrucken;
    QMenu* mnuSortierung;
    QMenu* mnuBONUBuchen;
    QMenu* mnuBONULoeschen;
    QAction* actSortierung[5];
    QAction* actSpalte[8];

    // --- operations (public for the functions of the other overview parts and for tests) --
    void Sortierung(int index);
    void SelektPrev();
    void SelektNext();
    void btnZurueckClick();
    void btnExpandClick();
    void OptionaleSpalteClick(int spalte, bool checked);
    void SpaltenLayoutSpeichern();
    void SpaltenLayoutLaden();
    // Writes the documents (oben) or positions grid as a file for a German spreadsheet.
    void btnExcelExportGridObenClick();
    void btnExcelExportGridUntenClick();
    // "Übersicht drucken": the print preview of the overview grid.
    void btnDruckenClick();
    void btnKundeBearbeitenClick();
    // Reloads the overview grid (row 1 selected when there is more than the totals row).
    void GridNeuLaden();
    // "Berechneten Bonus verbuchen" for every listed customer (Ctrl+F5, and at once in the
    // unattended road) and for the selected one (F5). Each customer is one booking of type 44
    // that writes his new bonuses with all their places and marks their sales; a customer
    // whose sales another run has marked meanwhile, or whose booking fails, is skipped and
    // reported. False when any customer could not be booked or the run was stopped.
    bool BONUBuchenAlleClick();
    bool BuchungfrdenselektiertenKunden1Click();
    // "Bonus manuell vergeben" (uebersicht_manuell.cpp): the grant dialog for the selected
    // customer (F2; from the bonus page's button only that page is rebuilt) and for every
    // listed customer (Ctrl+F2, each customer one booking, the run can be aborted). False
    // when cancelled, when a booking failed or when the run was stopped.
    bool BONUBucheManuellClick(bool nurBonusSeite = false);
    bool BONUBucheManuellAlleClick();

    // ABC classification and attributes (uebersicht_abc.cpp, uebersicht_merkmal.cpp):
    // "ABC-Kennzeichen" (Shift+F1), true when the customers were classified; "Merkmal setzen"
    // for the selected customer (F3) and for all listed customers (Ctrl+F3: one booking,
    // progress with abort), true when every customer got the value.
    bool btnABCClick();
    bool BuchungfrdenselektiertenKunden3Click();
    bool BuchungfralleKunden3Click();
    // Number of rows the overview grid has read so far.
    int GeleseneZeilen() const;
    // Totals over all customers (F8, Shift+F8) and deleting the selected customer's bonuses
    // (uebersicht_summen.cpp, uebersicht_bonus_loeschen.cpp). False when stopped or failed.
    bool SumBONUNeuClick();
    bool SumOPTabClick();
    bool BONUDeleteClick();
    long double BonusSumme() const { return BonusSumWert; }
    const std::map<std::string, std::string>& OPSummen() const { return OPSumList; }
    // The common frame of the runs over all customers (uebersicht_summen.cpp): window disabled,
    // progress dialog, `arbeit` for every customer of the result file in key order, window
    // enabled and dialog closed on every way out. False when the user stopped it.
    bool AlleKundenLauf(const QString& caption, int intervall,
                        const std::function<void(const TIntPair&, const std::string&)>& arbeit);
    // Reloads the grid and selects the given row again when it still exists.
    void GridNeuLadenZeile(int zeile);
    // Back on the list page after a run over customers: focus on the list, rows read again.
    void UebersichtNeuLaden();

    // Bonus page: mark the chosen bonus as used or cancel it (uebersicht_verwendung.cpp).
    // BonusAusgewaehlt reads the reference of the tree's current bonus node and answers true
    // only for a stored bonus that is still unused; otherwise it shows why (1030-1034).
    bool BonusAusgewaehlt(TIdent& ident);
    bool btnBONUVerwendetClick() { return BonusVerwendungBuchen(true); }
    bool btnBONUStornoClick() { return BonusVerwendungBuchen(false); }
    // Asks, books through the shared bonus window and rebuilds the bonus page; true when the
    // bonus was changed.
    bool BonusVerwendungBuchen(bool alsVerwendet);

    // Cards and labels (uebersicht_karten.cpp): print the listed customers per chosen layout
    // (false when cancelled or nothing was printed), and edit the layouts.
    bool btnKarteDruckenClick();
    void LayoutKarteClick();
    TLayoutform* LayoutForm = nullptr;  // the layout dialog, created on first use

    // "Message Center" (uebersicht_messagecenter.cpp): the message-center host over the listed
    // customers, created on first use; the callbacks it is given; the menu entry's guard.
    void btnMessageCenterClick();
    void mnuMessageCenterClick();
    Tgpdochost& DocHost();
    bool GPDocHost_First(TIntPair& kunde);
    bool GPDocHost_Next(TIntPair& kunde);
    std::vector<TDocPlatzhalter> GPDocHost_Platzhalter();
    QString GPDocHost_Exchange(const TIntPair& kunde, const QString& text);

    // The document information window, created on first use.
    TBelegInfoFrm* BelegInfo = nullptr;

    // Hooks (tests and tools replace them): the save dialog of the exports, the print preview,
    // and the end of the application after the unattended road.
    std::function<QString(const QString& vorschlag)> DateiNameFragen;
    std::function<void(const std::function<void(QPrinter*)>& zeichnen)> DruckVorschau;
    std::function<void(int status, const QString& text)> AnwendungBeenden;

    // Serial letter "Serienbrief ..." (uebersicht_serienbrief.cpp). False when nothing was
    // written (cancel, no customer, failure). The hook runs before each letter (tests set the
    // target files there so that no dialog opens).
    bool btnSerBriefClick();
    std::function<void(TGPSerBrief&)> SerBriefVorbereiten;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    // Building (uebersicht_aufbau.cpp).
    void Aufbauen();
    QWidget* UebersichtSeite();
    QWidget* UmsatzSeite();
    QWidget* OPSeite();
    QWidget* BonusSeite();
    QWidget* ErledigtSeite();
    QWidget* LegendeSeite();
    void MenueAufbauen();
    void SpaltenAnlegen();
    static QList<QIcon> BonusBilder();

    // The list (uebersicht_liste.cpp).
    void FormShow();
    void FormHide();
    void grdKISUSelect(int sourceRow);
    void KopfIndexWechsel(int section);
    void AktiveSeiteNeu();
    void Bewegen(int schritt);

    // Detail pages (uebersicht_seiten.cpp).
    void tshKundeUmsatzShow();
    void tshKundeUmsatzHide();
    void grdKIVKBonsSelect(int sourceRow);
    void grdKIVKUmsatzArtikelSelect(int sourceRow);
    void tshKundeOPShow();
    void tshKundeBonusShow();
    void tshKundeErledigtShow();
    void SeiteGewechselt(int index);
    bool SpalteFuellen(int spalte);

    // Outputs (uebersicht_ausgabe.cpp).
    void GridExportieren(TORVDataGrid* grid, const QString& vorschlag, const char* handler);
    void BelegAnzeigen(const QString& art, int32_t nr1, int32_t nr2);
    void tvOPDetail(QTreeWidgetItem* item, bool doppelklick);
    void tvBonusDetail(QTreeWidgetItem* item);

    void Registrieren(const char* handler, const std::exception& e);

    // Serial letter (uebersicht_serienbrief.cpp). Shared pointers, so that this header needs
    // the two types only declared.
    bool SerBriefKunde(TIntPair& kunde, bool erster);
    bool SerBriefZeileFuellen(const TIntPair& kunde);
    std::shared_ptr<TGPSerBrief> GPSerBrief;      // created on first use
    std::shared_ptr<kis::store::Tkisufile> SerbKISU;  // private view of the result file
    std::shared_ptr<TBonusTabellen> SerbBonus;
    std::shared_ptr<TOPTabellen> SerbOP;
    int GPSerbTab[15] = {};
    bool FNegBonusExportieren = false;
    bool FWgNegBonusGefragt = false;

    // Manual grant (uebersicht_manuell.cpp): the shared dialog, and the row of a customer
    // selected again after the list was reloaded.
    Tfrmbonusmaneing* BonusManDialog();
    void KundeWiederWaehlen(const TIntPair& kunde);

    // --- window state ---------------------------------------------------------------------
    TIntPair FAktGepNr;
    bool FEventVerarbeiten = false;
    TSelektionFrmModus FModus = TSelektionFrmModus::smKundeninfoSelektion;
    std::unique_ptr<TBonusTabellen> BonusTabellen;
    long double BonusSumWert = 0;
    std::unique_ptr<TOPTabellen> OPTabellen;
    std::map<std::string, std::string> OPSumList;
    TFuellStatus FLieferantGefuellt = TFuellStatus::fsUnbekannt;
    TFuellStatus FMerkmaleGefuellt = TFuellStatus::fsUnbekannt;
    int FIndex = 0;  // current sort order (index of kKisuIndizes)
    int FSpaltenBreite[8] = {};  // widths of the optional position columns
    QWidget* FLetzteSeite = nullptr;
    bool FGezeigt = false;

    // Message center state (uebersicht_messagecenter.cpp): the host, the private views of the
    // result file for the walk and for the exchange, and the sets of the exchanged customer.
    // Held by shared_ptr so that the rest of the window needs none of its types.
    struct TMessageCenter;
    std::shared_ptr<TMessageCenter> FMessageCenter;
    TMessageCenter& MessageCenter();
};
