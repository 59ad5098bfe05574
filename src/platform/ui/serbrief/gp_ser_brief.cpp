#include "platform/ui/serbrief/gp_ser_brief.h"

#include <utility>

TGPSerBrief::TGPSerBrief(QWidget* parent, QString programm, QString maske, KundeCallback first,
                         KundeCallback next)
    : FParent(parent), FProgramm(std::move(programm)), FMaske(std::move(maske)),
      FFirst(std::move(first)), FNext(std::move(next)) {}

TGPSerBrief::~TGPSerBrief() = default;

void TGPSerBrief::Clear() {
    FSpalten.clear();
    FGewaehlt.clear();
    FWerte.clear();
}

void TGPSerBrief::AddSpalte(const QString& name, const QString& caption, int art,
                            int ausrichtung, int breite, int format) {
    FSpalten.push_back({name, caption, art, ausrichtung, breite, format});
}

void TGPSerBrief::SetWert(const QString& spalte, const QString& wert) {
    for (auto& [name, text] : FWerte)
        if (name == spalte) {
            text = wert;
            return;
        }
    FWerte.emplace_back(spalte, wert);
}

// Not available yet: the dialog and the writers come with the serial-letter function.
bool TGPSerBrief::Init() { return false; }
bool TGPSerBrief::Execute() { return false; }
void TGPSerBrief::Done() { FWerte.clear(); }
