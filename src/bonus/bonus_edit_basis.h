#pragma once
// The common frame of the bonus processing windows (close, mark used / cancel, convert to
// vouchers): a filter header, a search that fills the marked grid grdBoni, the marking keys,
// and a booking step over the marked rows after which the same filter is searched again.
//
// Keys: Enter searches (also from the grid), F5 books, Einfg toggles the current row's mark
// and moves down (staying on the last row), F7 marks all, F8 inverts, Esc cancels.
// During a search the window is disabled and shows the hourglass; both come back also when
// the search fails. Every row owns a key text in the hidden column "SCHLUESSEL".
//
// A window derives, adds its columns and extra filter rows in its constructor, and fills
// Suchen() and Buchen(). Booking reports (bonuses not booked and why) are collected and shown
// in one message box at the end of the booking step.
#include <QDialog>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/keys.h"
#include "platform/bonus/bonus_suche.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QWidget;
class TBonusRechner;
class TORVDataGrid;
class TORVDataModel;
class TORVDateEdit;
class TORVFloatEdit;
class TORVFormStoreBinding;
class TORVIntegerEdit;
class TORVStdButton;

struct TBonusSpalte {
    QString name;
    QString caption;
    int width = 0;
};

class TBonusEditBasis : public QDialog {
    Q_OBJECT

public:
    ~TBonusEditBasis() override;

    // Filter header.
    QWidget* pnlKopf = nullptr;
    QLabel* lblBonusprogramm = nullptr;
    QComboBox* cmbBonusTyp = nullptr;   // item data: the programme kind
    QComboBox* cmbBonusName = nullptr;
    QLabel* lblDatum = nullptr;         // "Datum von / bis"
    TORVDateEdit* edtDatumVon = nullptr;
    TORVDateEdit* edtDatumBis = nullptr;
    QToolButton* spbDatumVon = nullptr;
    QToolButton* spbDatumBis = nullptr;
    QToolButton* spbKunde = nullptr;
    QLabel* lblKunde = nullptr;          // the chosen customer's name
    TORVFloatEdit* edtBonusWertMin = nullptr;
    TORVFloatEdit* edtBonusWertMax = nullptr;
    TORVIntegerEdit* edtBonusLenMin = nullptr;
    TORVIntegerEdit* edtBonusLenMax = nullptr;

    TORVDataGrid* grdBoni = nullptr;
    TORVDataModel* mdlBoni = nullptr;

    TORVStdButton* btnSuchen = nullptr;
    TORVStdButton* btnBuchen = nullptr;
    TORVStdButton* btnMarkieren = nullptr;
    TORVStdButton* btnMarkierenAlle = nullptr;
    TORVStdButton* btnMarkierenUm = nullptr;
    TORVStdButton* btnAbbrechen = nullptr;

    // The chosen customer; 0/0 for all customers.
    TIntPair FKunde;

    // Chooses the customer for spbKunde; default: the data module's customer entry dialog in
    // selection mode. Returns false when nothing was chosen. Tests replace it.
    std::function<bool(TIntPair& kunde, QString& name)> KundeWaehlen;

    void btnSuchenClick();
    void btnBuchenClick();
    void btnMarkierenClick();
    void btnMarkierenAlleClick();
    void btnMarkierenUmClick();
    void spbKundeClick();
    void SetKunde(const TIntPair& kunde, const QString& name);
    void grdBoni_Leeren();

    // Empties the filter fields, the customer and the grid (what showing the window does).
    void FilterLeeren();
    // The common part of the filter as the header holds it now: client company, customer,
    // dates, value and length bounds, the chosen type's programme id and the chosen name
    // (only when one is chosen). The statuses stay at the filter's defaults.
    TBonusSuchFilter FilterLesen() const;
    // The programme id of the chosen type ("BONUSPASS", "BONUSUMSA" ...); none without a type.
    std::optional<std::string> GewaehlteProgrammId() const;

    // The key text a row owns; empty for an unknown row.
    QString ZeilenSchluessel(int row) const;
    // What the last search left out and the last booking step refused.
    const std::vector<std::string>& Meldungen() const { return meldungen_; }

protected:
    // formName: objectName and class name of error texts; maske: form-store mask; properties:
    // the stored properties ("cmbBonusTyp.Text", ...).
    TBonusEditBasis(const QString& formName, const QString& caption, const std::string& maske,
                    const QStringList& properties, QWidget* parent);

    // Construction helpers for the derived windows.
    void SpaltenSetzen(const std::vector<TBonusSpalte>& spalten);
    // Fills the type list from the bonus calculator; kind 4 (discount coupons) left out
    // unless mitRabattschein; an empty first entry when leererEintrag.
    void TypListeFuellen(bool mitRabattschein, bool leererEintrag);
    // Restores the stored properties; the derived constructor calls it last.
    void MaskeLaden();
    // A row of the filter header below the common ones: caption (may be empty) and content.
    void KopfZeile(const QString& caption, QWidget* inhalt);
    QHBoxLayout* KnopfLeiste() const { return knoepfe_; }
    TBonusRechner& Rechner();

    // Appends a grid row: values of the visible data columns in order, and the row's key.
    int ZeileAnhaengen(const QVariantList& werte, const QString& schluessel);
    QString KundenName(const TIntPair& kunde) const;
    // Registers e under "<formName>.<method>".
    void Register(const char* method, const std::exception& e) const;

    // The search: fill the grid for the filter the header holds. Runs with the window
    // disabled; reasons for bonuses left out go to meldungen.
    virtual void Suchen(std::vector<std::string>& meldungen) = 0;
    // After the window is enabled again (the close window marks all rows here).
    virtual void NachSuche() {}
    // Asks before booking; false skips the booking.
    virtual bool BuchenBestaetigt() { return true; }
    // Books the marked rows; each refused bonus adds a line to meldungen.
    virtual void Buchen(const std::vector<int>& zeilen, std::vector<std::string>& meldungen) = 0;

    // Lets window events run during long loops.
    static void Nachrichten();

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void KopfBauen();
    void GridUndKnoepfeBauen();
    void Verbinden();
    // The data module's customer entry dialog in selection mode.
    static bool KundeAusDialog(TIntPair& kunde, QString& name);
    void Suche(std::vector<std::string>& meldungen);
    void MeldungenZeigen(const QString& kopf);
    void cmbBonusTypChange();
    static QToolButton* Knopf(const QString& name, const QString& text, QWidget* parent);

    QString formName_;
    std::string maske_;
    std::unique_ptr<TORVFormStoreBinding> binding_;
    std::unique_ptr<TBonusRechner> eigenerRechner_;
    QGridLayout* kopf_ = nullptr;
    QHBoxLayout* knoepfe_ = nullptr;
    std::vector<std::string> meldungen_;
    bool sucheLaeuft_ = false;
};
