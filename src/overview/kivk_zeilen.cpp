#include "overview/kivk_zeilen.h"

#include <QDate>
#include <QString>

#include "engine/merova_query.h"
#include "overview/datei_quelle.h"
#include "overview/uebersicht_spalten.h"
#include "overview/uebersicht_texte.h"
#include "platform/base/kunde_text.h"
#include "platform/store/record_files.h"
#include "platform/ui/german_format.h"

namespace kis::overview {

namespace {

std::unique_ptr<kis::store::Tkivkfile> Oeffnen() {
    auto f = std::make_unique<kis::store::Tkivkfile>();
    f->SetFileNameRel(TMerovaQuery::KivkFileName());
    f->OpenOut();
    f->ClearKeysAndFilters();
    f->SelectIndex("KUNDE");
    return f;
}

QString Text(kis::store::TQEL_DBFile& f, const char* feld) {
    return QString::fromStdString(f.Feld(feld).AsString()).trimmed();
}

QVariant Datum(kis::store::TQEL_DBFile& f) {
    const QDate d = kis::ui::ToQDate(f.Feld("DATUM").AsDate());
    return d.isValid() ? QVariant(d) : QVariant();
}

}  // namespace

std::unique_ptr<TORVRowSource> BelegQuelle(const TIntPair& kunde) {
    auto f = Oeffnen();
    if (kunde.IsDefined()) f->Feld("KUNDE").SetFilterMinMax(kunde, kunde);
    else f->Feld("ARTIKELNR").SetFilterMinMax(TInt32Trio(), TInt32Trio());
    f->Feld("ART").SetFilterMinMax(std::string("NR"), std::string("NR"));
    return std::make_unique<TDateiQuelle>(std::move(f), [](kis::store::TQEL_DBFile& d, QVariantList& row) {
        for (int i = 0; i < bsAnzahl; ++i) row.append(QVariant());
        const int32_t rnr = d.Feld("RNR").AsInt(), lnr = d.Feld("LNR").AsInt();
        const int32_t belegRnr = d.Feld("BELEGRNR").AsInt(), belegLnr = d.Feld("BELEGLNR").AsInt();
        const std::string art = d.Feld("BELEGART").AsString();
        row[bsBELEG] = QString::fromStdString(BelegText(art, rnr, lnr, belegRnr, belegLnr));
        row[bsDATUM] = Datum(d);
        row[bsISTVK] = double(d.Feld("ISTVK").AsFloat());
        row[bsMENGE] = d.Feld("MENGE").AsInt();
        row[bsRNR] = rnr;
        row[bsLNR] = lnr;
        row[bsKUNDE] = QString::fromStdString(kis::keys::KundeAlsText(d.Feld("KUNDE").AsPair()));
        row[bsBELEGART] = QString::fromStdString(art).trimmed();
        row[bsBELEGLNR] = belegLnr;
        row[bsBELEGRNR] = belegRnr;
        return true;
    });
}

std::unique_ptr<TORVRowSource> PositionenQuelle(const TIntPair& kunde, int32_t rnr, int32_t lnr) {
    auto f = Oeffnen();
    if (kunde.IsDefined()) f->Feld("KUNDE").SetFilterMinMax(kunde, kunde);
    f->Feld("ART").SetFilterMinMax(std::string("A7"), std::string("A9"));
    if (rnr != 0 || lnr != 0) {
        f->Feld("RNR").SetFilterMinMax(rnr, rnr);
        f->Feld("LNR").SetFilterMinMax(lnr, lnr);
    }
    return std::make_unique<TDateiQuelle>(std::move(f), [](kis::store::TQEL_DBFile& d, QVariantList& row) {
        for (int i = 0; i < psAnzahl; ++i) row.append(QVariant());
        const std::string art = d.Feld("ART").AsString();
        const TInt32Trio produkt = d.Feld("ARTIKELNR").AsTrio();
        row[psARTIKELNR] = art == "A7" || art == "A8" ? QStringLiteral("Gutschein")
                                                      : QString::fromStdString(produkt.ToString());
        row[psLIEFERANT] = Text(d, "LIEFNAME");
        row[psLIEFARTNR] = Text(d, "LIEFART");
        for (int m = 0; m < 6; ++m)
            row[psMERKMAL1 + m] = Text(d, ("MERKMAL" + std::to_string(m + 1)).c_str());
        row[psGROESSE] = Text(d, "GROESSE");
        row[psISTVK] = double(d.Feld("ISTVK").AsFloat());
        row[psSOLLVK] = double(d.Feld("SOLLVK").AsFloat());
        row[psMENGE] = d.Feld("MENGE").AsInt();
        row[psVKKZ] = Text(d, "VKKZ");
        row[psDATUM] = Datum(d);
        row[psFILIALE] = d.Feld("FILIALE").AsInt();
        row[psPRODUKTID] = QString::fromStdString(produkt.ToString());
        return true;
    });
}

}  // namespace kis::overview
