#pragma once
// The selection window of "Selektion und Auswertung" and of the bonus calculation: nine
// criteria boxes on the pages "Kunde", "Verkauf" and "Gesamtdaten", a button menu that
// shows or hides each box, and the commands to start the evaluation (F5), clear the boxes
// (F9) and load, save and delete named masks (Alt+F9, Shift+F9, Ctrl+F9).
//
// Only visible boxes contribute to the evaluation. In bonus mode the programme's preset
// lines (FModusListe) are applied at every show: the named boxes are shown and their menu
// buttons disabled, the named controls are set and locked, so neither "Maske leeren" nor a
// loaded mask changes what the programme prescribes.
#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "app/kis_types.h"
#include "selection/masken_dialog.h"

class QAction;
class QMenuBar;
class QScrollArea;
class QTabWidget;
class TDM;
class TGPSelAdrBox;
class TGPSelErwBox;
class TGPSelMerkmBox;
class TGPSelNrBox;
class TORVStdButton;
class TORVStdButtonMenu;
class TSelBox;
class TSumSelEVBox;
class TSumSelOPBox;
class TSumSelVkBox;
class TVkSelBonBox;
class TVkSelPosBox;
namespace kis::services {
class FormStore;
}

class TSelektionFrm : public QDialog {
    Q_OBJECT

public:
    explicit TSelektionFrm(TDM* dm, QWidget* parent = nullptr);
    ~TSelektionFrm() override;

    QString FMaskeName;
    TSelektionFrmModus FModus = TSelektionFrmModus::smKundeninfoSelektion;
    QStringList FModusListe;

    // Components.
    QTabWidget* pgcSelektionsdaten = nullptr;
    TORVStdButtonMenu* bmnSelektionModi = nullptr;
    TORVStdButton* btnZurueck = nullptr;
    TORVStdButton* btnClear = nullptr;
    TORVStdButton* btnSelektion = nullptr;
    TGPSelAdrBox* GPSelAdrBox = nullptr;
    TGPSelErwBox* GPSelErwBox = nullptr;
    TGPSelMerkmBox* GPSelMerkmBox = nullptr;
    TGPSelNrBox* GPSelNrBox = nullptr;
    TVkSelBonBox* VkSelBonBox = nullptr;
    TVkSelPosBox* VkSelPosBox = nullptr;
    TSumSelVkBox* SumSelVkBox = nullptr;
    TSumSelOPBox* SumSelOPBox = nullptr;
    TSumSelEVBox* SumSelEVBox = nullptr;

    // Opening in one of the two modes (the main menu and the bonus generation call these).
    int AusfuehrenKundeninfo();
    int AusfuehrenBonus(const QStringList& modusListe);

    // The nine boxes in form order.
    std::vector<TSelBox*> Boxen() const;
    TSelBox* Box(const QString& name) const;
    // The menu button of a box shows the check mark.
    bool Haekchen(const QString& buttonName) const;

    // Commands.
    void btnSelektionClick();
    void btnClearClick();
    void MaskeLaden();
    void MaskeSpeichern();
    void MaskeLoeschen();
    // Loads a named mask into the boxes and the box visibility (the commands' second half).
    void MaskeLadenName(const QString& name);
    void MaskeSpeichernName(const QString& name);
    void MaskeLoeschenName(const QString& name);
    void bmnSelektionModiClick(int index, const QString& name);
    void GridAktion(int aktion);  // 0 "Wert gefüllt", 1 "Wert leer", 2 "Wert vergleichen"
    void ElementePositionieren();
    void ParseBoxes();

    // Fills the filter from the visible boxes (as F5 does before the run).
    void FilterSetzen(class TMerovaFilter& filter) const;

    // The mask dialog; tests replace it. Gets the kind and the stored names, returns the
    // chosen name (empty: cancelled).
    std::function<QString(TMaskenDialog::Art, const QStringList&)> OnMaskenDialog;
    // Store of the window (box visibility) for the current mode.
    kis::services::FormStore& FormStore() const;

    // The mask name under which the window keeps its last layout when it closes.
    static QString AutoMaske();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void FormCreate();
    void FormShow();
    void FormShow_ModusListe();
    void FormShow_AutoBGModus();
    void BuildMenu();
    QWidget* BuildPages();
    void SeiteFuer(TSelBox* box);
    void SichtbarkeitSpeichern(const QString& maske);
    void SichtbarkeitLaden(const QString& maske);
    void MenueSperren(const QString& boxName);
    QString MaskenDialog(TMaskenDialog::Art art);
    // Opens the overview of a successful run.
    void UebersichtOeffnen();

    TDM* dm_;
    std::unique_ptr<kis::services::FormStore> store_;
    std::vector<QScrollArea*> seiten_;
    QMenuBar* menu_ = nullptr;
};
