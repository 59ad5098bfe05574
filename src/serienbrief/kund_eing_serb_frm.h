#pragma once
// "Selektion für Kundenserienbriefe": selects customers by their master data and, optionally,
// by whether they bought in a period, lists them, and hands the list to the serial letter,
// the message center, or sets all listed customers passive. A second instance, switched once
// with setControlsForBonus, grants a manual bonus or discount coupon to every listed customer
// ("Selektion für manuelle Bonusvergabe").
//
// The list is the process's result file ("KISUFILE." + process id): F5 builds it anew,
// Ctrl+F5 adds the customers of another selection to it. The follow-up functions work only
// after a successful selection in the current opening; each showing empties the list.
// Masks: load Ctrl+F9, save Shift+F9, delete Alt+F9 (slot "KNDSBSEL").
#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "platform/base/keys.h"
#include "selection/masken_dialog.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QTabWidget;
class QToolButton;
class TDM;
class TGPSelAdrBox;
class TGPSelErwBox;
class TGPSelMerkmBox;
class TGPSelNrBox;
class TGPSerBrief;
class Tgpdochost;
class TMerovaFilter;
class TORVDataGrid;
class TORVDataModel;
class TORVDateEdit;
class TORVStdButton;
class TRadioGruppe;
class TSelBox;
namespace kis::store {
class Tkisufile;
}
namespace kis::services {
class FormStore;
}

class TKundEingSerbFrm : public QDialog {
    Q_OBJECT

public:
    explicit TKundEingSerbFrm(TDM* dm, QWidget* parent = nullptr);
    ~TKundEingSerbFrm() override;

    // Switches this instance to the bonus grant (once, right after creation).
    void setControlsForBonus();
    bool BonusVergabe() const { return FBonusVergabe; }

    QString FMaskeName;
    std::unique_ptr<TGPSerBrief> GPSerBrief;  // on first use
    std::unique_ptr<Tgpdochost> GPDocHost;    // on first use

    // --- components (named as their objectName) ------------------------------------------
    QTabWidget* pgcSelektion;
    QWidget* tshAdr;
    QWidget* tshErw;
    QWidget* tshMerkmale;
    QWidget* tshNr;
    QWidget* tshVerkaeufe;
    QWidget* tshSelektion;
    TGPSelAdrBox* GPSelAdrBox;
    TGPSelErwBox* GPSelErwBox;
    TGPSelMerkmBox* GPSelMerkmBox;
    TGPSelNrBox* GPSelNrBox;
    QToolButton* spbClearAdr;
    QToolButton* spbClearErw;
    QToolButton* spbClearMM;
    QToolButton* spbClearNr;
    TRadioGruppe* rgrpVerkaeufeJaNein;
    QGroupBox* grpbVonBis;
    QLabel* lblDatumVon;
    QLabel* lblDatumBis;
    TORVDateEdit* edtDatumVon;
    TORVDateEdit* edtDatumBis;
    QCheckBox* chbKeineOP;
    TORVDataGrid* grdSelektion;
    TORVDataModel* mdlSelektion;
    QLabel* lblSaetze;
    TORVStdButton* btnZurueck;
    TORVStdButton* btnClear;
    TORVStdButton* btnSpeichern;
    TORVStdButton* btnLaden;
    TORVStdButton* btnLoeschen;
    TORVStdButton* btnMessageCenter;
    TORVStdButton* btnSerBrief;
    TORVStdButton* btnAnhaengen;
    TORVStdButton* btnSelektion;
    QAction* actSelektion;
    QAction* actAnhaengen;
    QAction* actClear;
    QAction* actSerBrief;
    QAction* actSpeichern;
    QAction* actLaden;
    QAction* actLoeschen;
    QAction* actPassivieren;
    QAction* actZurueck;

    // The four customer boxes in page order.
    std::vector<TSelBox*> Boxen() const;

    // --- commands -------------------------------------------------------------------------
    void btnSelektionClick();
    void btnAnhaengenClick();
    // All criteria (F9); a page's clear button clears only its box.
    void btnClearClick();
    // "Serienbrief ..." (F10), in bonus use the bonus grant for all listed customers.
    void btnSerBriefClick();
    void btnMessageCenterClick();
    // "Selektion passivieren" (Shift+F8): every listed active customer becomes passive, one
    // booking of type 55 each; the window closes afterwards.
    void SelektionPassivieren();
    void MaskeLaden();
    void MaskeSpeichern();
    void MaskeLoeschen();
    void MaskeLadenName(const QString& name);
    void MaskeSpeichernName(const QString& name);
    void MaskeLoeschenName(const QString& name);
    void rgrpVerkaeufeJaNeinClick();
    // Leaving a date field: false when the field was refused (unreadable date, or from-date
    // after to-date: "AUSBEA" 1009 with the focus on the to-date).
    bool DatumVerlassen(TORVDateEdit* feld);

    // Writes the criteria into the filter; false (with a message and the focus on the
    // field) when a date cannot be read.
    bool FilterSetzen(TMerovaFilter& filter);

    // Customers listed (the totals record not counted) and the record-count text.
    int AnzahlKunden() const;
    QString SaetzeText() const;

    // The customer walk the serial letter, the message center and the bonus grant share:
    // the result file in key order, starting at the first customer (never the totals record).
    bool KundeErster(TIntPair& kunde);
    bool KundeNaechster(TIntPair& kunde);

    // The mask dialog; tests replace it. Gets the kind and the stored names.
    std::function<QString(TMaskenDialog::Art, const QStringList&)> OnMaskenDialog;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    QWidget* SeiteMitBox(const char* name, TSelBox* box, QToolButton*& clear, const char* clearName);
    QWidget* VerkaeufeSeite();
    QWidget* SelektionSeite();
    void AktionenAufbauen();
    void FormShow();
    void FolgeKnoepfe(bool an, bool anhaengen);
    void Ausfuehren(bool neu);
    void GridLaden();
    void GridAktion(int aktion);
    void BonusVergeben();
    void SerBriefExecute();
    QString MaskenDialog(TMaskenDialog::Art art);
    void Registrieren(const char* methode, const std::exception& e);

    TDM* dm_;
    bool FBonusVergabe = false;
    bool FDatumPruefung = false;  // a date check is showing its message
    std::unique_ptr<kis::services::FormStore> store_;    // "KNDSBSEL": the mask names, page
    std::unique_ptr<kis::services::FormStore> vkStore_;  // the sales page under the same names
    std::unique_ptr<kis::store::Tkisufile> kisufile_;    // the result file, walked by the callbacks
};
