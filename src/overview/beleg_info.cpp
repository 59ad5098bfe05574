#include "overview/beleg_info.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/services/orv_utils.h"
#include "platform/store/record_files.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/german_format.h"

namespace {

TORVColumn Spalte(const char* name, const char* caption, bool rechts = false) {
    TORVColumn c;
    c.name = QString::fromUtf8(name);
    c.caption = QString::fromUtf8(caption);
    if (rechts) c.alignment = Qt::AlignRight;
    return c;
}

QString Q(const std::string& s) { return QString::fromStdString(s).trimmed(); }

}  // namespace

TBelegInfoFrm::TBelegInfoFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BelegInfoFrm"));
    setWindowTitle(QStringLiteral("Beleginformation"));
    resize(760, 520);
    auto* l = new QVBoxLayout(this);
    lblKopf = new QLabel(this);
    lblKopf->setObjectName(QStringLiteral("lblKopf"));
    lblKopf->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->addWidget(lblKopf);
    l->addWidget(new QLabel(QStringLiteral("Positionen"), this));
    mdlPositionen = new TORVDataModel(this);
    for (const auto& c : {Spalte("POSNR", "Pos."), Spalte("ART", "Art"), Spalte("ARTIKELNR", "Artikelnummer"),
                          Spalte("MENGE", "Menge", true), Spalte("ISTVK", "IstVk", true),
                          Spalte("SOLLVK", "SollVk", true)})
        mdlPositionen->AddColumn(c);
    grdPositionen = new TORVDataGrid(this);
    grdPositionen->setObjectName(QStringLiteral("grdPositionen"));
    grdPositionen->SetDataModel(mdlPositionen);
    l->addWidget(grdPositionen, 2);
    l->addWidget(new QLabel(QStringLiteral("Zahlungen"), this));
    mdlZahlungen = new TORVDataModel(this);
    for (const auto& c : {Spalte("ZMKZ", "Zahlungsmittel"), Spalte("KONTO", "Konto"), Spalte("BETRAG", "Betrag", true),
                          Spalte("GUTSCHEINNR", "Gutschein")})
        mdlZahlungen->AddColumn(c);
    grdZahlungen = new TORVDataGrid(this);
    grdZahlungen->setObjectName(QStringLiteral("grdZahlungen"));
    grdZahlungen->SetDataModel(mdlZahlungen);
    l->addWidget(grdZahlungen, 1);
}

bool TBelegInfoFrm::Laden(const QString& belegArt, int32_t belegLnr, int32_t belegRnr) {
    kis::store::Tlfnrfile lfnr;
    lfnr.OpenOut();
    lfnr.ClearKeysAndFilters();
    lfnr.SelectIndex("BELEG");
    lfnr.Feld("BELEGART").SetFilterMinMax(belegArt.toStdString(), belegArt.toStdString());
    lfnr.Feld("BELEGLNR").SetFilterMinMax(belegLnr, belegLnr);
    lfnr.Feld("BELEGRNR").SetFilterMinMax(belegRnr, belegRnr);
    const bool gefunden = lfnr.Get_ge();
    if (!gefunden) {
        lblKopf->setText(QStringLiteral("Beleg %1 %2-%3 nicht gefunden.").arg(belegArt).arg(belegRnr).arg(belegLnr));
        mdlPositionen->Clear();
        mdlZahlungen->Clear();
        return Zeigen(false);
    }
    const int32_t rnr = lfnr.Feld("RNR").AsInt(), lnr = lfnr.Feld("LNR").AsInt();
    const TIntPair kunde = lfnr.Feld("KUNDE").AsPair();
    lblKopf->setText(QStringLiteral("Beleg %1 %2-%3 vom %4\nKunde %5/%6   Summe %7")
                         .arg(belegArt)
                         .arg(belegRnr)
                         .arg(belegLnr)
                         .arg(Q(orv_DateToStr(lfnr.Feld("DATUM").AsDate())))
                         .arg(kunde.Lnr)
                         .arg(kunde.Rnr)
                         .arg(Q(kis::services::FormatNumber("%9.2n", lfnr.Feld("SUMME").AsFloat()))));
    lfnr.ResultClear();

    std::vector<QVariantList> positionen;
    kis::store::Tlstfile lst;
    lst.OpenOut();
    lst.ClearKeysAndFilters();
    lst.SelectIndex("KEY");
    lst.Feld("MANDANT").SetFilterMinMax(ORVProgramm().GetAktMandant(), ORVProgramm().GetAktMandant());
    lst.Feld("RNR").SetFilterMinMax(rnr, rnr);
    lst.Feld("LNR").SetFilterMinMax(lnr, lnr);
    for (bool ok = lst.Get_ge(); ok; ok = lst.Next())
        positionen.push_back({lst.Feld("POSNR").AsInt(), Q(lst.Feld("ART").AsString()),
                              Q(lst.Feld("ARTIKELNR").AsTrio().ToString()), lst.Feld("MENGE").AsInt(),
                              double(lst.Feld("ISTVK").AsFloat()), double(lst.Feld("SOLLVK").AsFloat())});
    mdlPositionen->SetRows(std::move(positionen));

    std::vector<QVariantList> zahlungen;
    kis::store::Tzmfile zm;
    zm.OpenOut();
    zm.ClearKeysAndFilters();
    zm.SelectIndex("KEY");
    zm.Feld("MANDANT").SetFilterMinMax(ORVProgramm().GetAktMandant(), ORVProgramm().GetAktMandant());
    zm.Feld("RNR").SetFilterMinMax(rnr, rnr);
    zm.Feld("LNR").SetFilterMinMax(lnr, lnr);
    for (bool ok = zm.Get_ge(); ok; ok = zm.Next())
        zahlungen.push_back({Q(zm.Feld("ZMKZ").AsString()), Q(zm.Feld("KONTO").AsString()),
                             double(zm.Feld("BETRAG").AsFloat()), Q(zm.Feld("GUTSCHEINNR").AsString())});
    mdlZahlungen->SetRows(std::move(zahlungen));
    return Zeigen(true);
}

bool TBelegInfoFrm::LadenNachSchluessel(int32_t rnr, int32_t lnr) {
    kis::store::Tlfnrfile lfnr;
    lfnr.OpenOut();
    lfnr.ClearKeysAndFilters();
    lfnr.SelectIndex("RNRLNR");
    lfnr.Feld("RNR").SetFilterMinMax(rnr, rnr);
    lfnr.Feld("LNR").SetFilterMinMax(lnr, lnr);
    // The first receipt or invoice of that key.
    for (bool ok = lfnr.Get_ge(); ok; ok = lfnr.Next()) {
        const std::string art = Q(lfnr.Feld("BELEGART").AsString()).toStdString();
        if (art == "BO" || art == "RG") {
            const int32_t belegLnr = lfnr.Feld("BELEGLNR").AsInt(), belegRnr = lfnr.Feld("BELEGRNR").AsInt();
            lfnr.ResultClear();
            return Laden(QString::fromStdString(art), belegLnr, belegRnr);
        }
    }
    return false;
}

bool TBelegInfoFrm::Zeigen(bool gefunden) {
    grdPositionen->ApplyColumnLayout();
    grdZahlungen->ApplyColumnLayout();
    return gefunden;
}
