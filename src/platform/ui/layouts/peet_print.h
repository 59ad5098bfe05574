#pragma once
// The card and label printer: collects the customers of a print with their master data and
// draws them per layout, one label after the other (row by row, page by page), or one card per
// page. The page size comes from the layout, so a PDF or a printer gets exactly its sheet.
#include <string>
#include <vector>

#include "platform/base/keys.h"
#include "platform/layouts/kund_layout.h"
#include "platform/layouts/kunden_felder.h"
#include "platform/partners/gp_data.h"

class QPagedPaintDevice;
class QPrinter;

class TPEETPrint {
public:
    explicit TPEETPrint(kis::layouts::TKundLayout layout);

    const kis::layouts::TKundLayout& Layout() const { return FLayout; }
    // The client company's name, for "#MANDANT#".
    void SetMandant(const std::string& mandant) { FMandant = mandant; }

    // Reads the customer's master data and adds him to the print; false (and nothing added)
    // when there is no such customer.
    bool AddKunde(const TIntPair& kunde);
    void AddKunde(kis::layouts::TKundenDaten kunde);
    void Clear() { FKunden.clear(); }
    int Anzahl() const { return int(FKunden.size()); }
    int Seiten() const { return kis::layouts::SeitenAnzahl(FLayout, Anzahl()); }

    // Gives the printer the layout's page (size, no margins, full page).
    void SeiteEinrichten(QPrinter& printer) const;
    // Draws every page onto the device (its page is set first); false when the device cannot
    // be painted on or there is nothing to print.
    bool Drucken(QPagedPaintDevice& device) const;

private:
    kis::layouts::TKundLayout FLayout;
    std::string FMandant;
    std::vector<kis::layouts::TKundenDaten> FKunden;
    TGpData FGpData;
};
