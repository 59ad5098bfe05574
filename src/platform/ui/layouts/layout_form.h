#pragma once
// The layout dialog of cards and labels: the layouts of one kind in the layout folder on the
// left, the settings of the chosen one in the middle, a live preview on the right. The user
// chooses a layout to print ("Drucken - F5"), or, in editing mode, only creates, changes and
// deletes layouts. Changes are saved with "Speichern - F2"; leaving a changed layout asks
// whether to save it. The standard layouts are created in the folder when they are missing.
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "platform/layouts/kund_layout.h"
#include "platform/layouts/kunden_felder.h"
#include "platform/layouts/layout_ablage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class TLayoutEditor;
class TLayoutVorschau;

// What the caller hands the dialog.
struct TLayoutformEingaben {
    QString Titel;            // window title, e.g. "Ausdruck Kundendaten"
    QString Gruppe;           // caption of the layout list, e.g. "Gestaltungsstypen"
    QString Einstellungen;    // caption of the settings, e.g. "Einstellungen"
    QString Praefix;          // e.g. "KUND_"
    QString Ordner;           // the layout folder
    int Art = 0;              // kind code written into new layouts; others are not listed
    int Flag = 1;             // 1: layouts may be changed; 0: choose only
};

class TLayoutform : public QDialog {
    Q_OBJECT

public:
    explicit TLayoutform(QWidget* parent = nullptr);

    // Shows the dialog modally. Choosing: true when the user chose a sound layout to print
    // (Layout() gives it). Editing only (nurBearbeiten): no print button; true when closed.
    bool Ausfuehren(const TLayoutformEingaben& eingaben, bool nurBearbeiten = false);
    // The layout chosen (as shown, also when its changes were not saved).
    const kis::layouts::TKundLayout& Layout() const { return FGewaehlt; }

    // The customer the preview shows (a sample customer by default).
    void SetVorschauKunde(const kis::layouts::TKundenDaten& kunde);

    // Prepares the dialog without showing it (Ausfuehren calls it; tests call it directly).
    void Vorbereiten(const TLayoutformEingaben& eingaben, bool nurBearbeiten);
    // Selects a layout of the list by name; false when it is not listed.
    bool LayoutWaehlen(const QString& name);
    QString AktuellerName() const;
    bool IstGeaendert() const { return FGeaendert; }

    // The handlers of the buttons (public for tests).
    bool Speichern();
    void Neu();
    void Loeschen();
    void Drucken();

    // Questions the dialog asks; tests replace them. Frage answers QMessageBox::Yes, No or
    // Cancel; NameFragen returns the name typed or an empty text for cancel.
    std::function<int(const QString& text)> Frage;
    std::function<QString(const QString& vorschlag)> NameFragen;

    QGroupBox* grpLayouts;
    QListWidget* lstLayouts;
    QGroupBox* grpEinstellungen;
    TLayoutEditor* Editor;
    TLayoutVorschau* Vorschau;
    QCheckBox* chbEinEtikett;
    QLabel* lblFehler;
    QPushButton* btnNeu;
    QPushButton* btnLoeschen;
    QPushButton* btnSpeichern;
    QPushButton* btnDrucken;
    QPushButton* btnSchliessen;

protected:
    void reject() override;

private:
    void ListeLaden(const QString& waehlen);
    void EintragGewechselt(int row);
    // Shows the current entry in the settings and the preview.
    void Anzeigen();
    void EditorGeaendert();
    void FehlerZeigen();
    // Asks about unsaved changes; false when the user cancelled.
    bool AenderungenKlaeren();
    const kis::layouts::TLayoutEintrag* AktuellerEintrag() const;

    TLayoutformEingaben FEingaben;
    bool FNurBearbeiten = false;
    std::vector<kis::layouts::TLayoutEintrag> FEintraege;
    int FAktuell = -1;
    bool FGeaendert = false;
    bool FWechsel = false;  // the list is being changed by the dialog itself
    kis::layouts::TKundLayout FGewaehlt;
    QString FLetzterName;  // the layout chosen last time, selected again
};
