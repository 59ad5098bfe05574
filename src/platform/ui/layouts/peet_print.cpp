#include "platform/ui/layouts/peet_print.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include "platform/ui/layouts/karten_zeichner.h"

using namespace kis::layouts;

TPEETPrint::TPEETPrint(TKundLayout layout) : FLayout(std::move(layout)) {}

bool TPEETPrint::AddKunde(const TIntPair& kunde) {
    TKundenDaten d;
    if (!FGpData.Get(kunde, d.Satz)) return false;
    d.Mandant = FMandant;
    FKunden.push_back(std::move(d));
    return true;
}

void TPEETPrint::AddKunde(TKundenDaten kunde) {
    if (kunde.Mandant.empty()) kunde.Mandant = FMandant;
    FKunden.push_back(std::move(kunde));
}

void TPEETPrint::SeiteEinrichten(QPrinter& printer) const {
    printer.setFullPage(true);
    printer.setPageLayout(kis::ui::SeitenLayout(FLayout));
}

bool TPEETPrint::Drucken(QPagedPaintDevice& device) const {
    if (FKunden.empty()) return false;
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) SeiteEinrichten(*printer);
    else device.setPageLayout(kis::ui::SeitenLayout(FLayout));
    QPainter p;
    if (!p.begin(&device)) return false;
    int seite = 0;
    for (int i = 0; i < Anzahl(); ++i) {
        const TEtikettStelle s = EtikettStelle(FLayout, i);
        for (; seite < s.Seite; ++seite)
            if (!device.newPage()) {
                p.end();
                return false;
            }
        kis::ui::EtikettZeichnen(p, FLayout, s.X, s.Y, FKunden[size_t(i)]);
    }
    return p.end();
}
