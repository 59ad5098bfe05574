#include "bonus/programm_selektion.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const kBoxen[3][4] = {
    {"GPSelAdrBox", "GPSelErwBox", "GPSelMerkmBox", "GPSelNrBox"},
    {"VkSelBonBox", "VkSelPosBox", nullptr, nullptr},
    {"SumSelVkBox", "SumSelOPBox", nullptr, nullptr},
};
constexpr const char* kNichtVerrechnet = "VkSelPosBox.chbNichtBonusVerrechnet";
constexpr const char* kVerrechnet = "VkSelPosBox.chbBonusVerrechnet";

std::string BoxName(const std::string& zeile) {
    const size_t eq = zeile.find('=');
    const std::string name = zeile.substr(0, eq);
    return name.substr(0, name.find('.'));
}

// Position of a box within its tab (lines are written box by box).
int BoxRang(const std::string& zeile) {
    const std::string box = BoxName(zeile);
    for (const auto& tab : kBoxen)
        for (int i = 0; i < 4; ++i)
            if (tab[i] && box == tab[i]) return i;
    return 4;
}

bool IstSperrzeile(const std::string& zeile) {
    return zeile.rfind(std::string(kNichtVerrechnet) + "=", 0) == 0 ||
           zeile.rfind(std::string(kVerrechnet) + "=", 0) == 0;
}

}  // namespace

TProgrammSelektion::TProgrammSelektion(const QString& prefix, QWidget* parent) : QObject(parent), prefix_(prefix) {
    const char* titel[3] = {"Selektion Kunde", "Selektion Verkauf", "Selektion Gesamtdaten"};
    const char* namen[3] = {"tshSelKunde", "tshSelVerkauf", "tshSelGesamt"};
    QWidget** tabs[3] = {&tshKunde, &tshVerkauf, &tshGesamtdaten};
    for (int i = 0; i < 3; ++i) {
        auto* w = new QWidget(parent);
        w->setObjectName(prefix + QString::fromLatin1(namen[i]));
        w->setWindowTitle(QString::fromUtf8(titel[i]));
        auto* l = new QVBoxLayout(w);
        l->addWidget(new QLabel(QStringLiteral("Gespeicherte Kriterien:"), w));
        anzeige_[i] = new QPlainTextEdit(w);
        anzeige_[i]->setObjectName(prefix + QStringLiteral("memKriterien") + QString::number(i));
        anzeige_[i]->setReadOnly(true);
        l->addWidget(anzeige_[i], 1);
        *tabs[i] = w;
    }
    Clear();
}

std::vector<std::string> TProgrammSelektion::Sperrzeilen(const QString&) {
    return {std::string(kNichtVerrechnet) + "=1", std::string(kVerrechnet) + "=0"};
}

int TProgrammSelektion::TabVon(const std::string& zeile) {
    const std::string box = BoxName(zeile);
    if (box.rfind("GPSel", 0) == 0) return 0;
    if (box.rfind("VkSel", 0) == 0) return 1;
    if (box == "SumSelEVBox") return -1;
    if (box.rfind("SumSel", 0) == 0) return 2;
    return 0;  // criteria of the customer boxes without a box prefix
}

void TProgrammSelektion::Clear() {
    for (auto& z : zeilen_) z.clear();
    zeilen_[1] = Sperrzeilen();
    Anzeigen();
}

void TProgrammSelektion::EnabledSetzen(bool on) {
    for (auto* a : anzeige_) a->setEnabled(on);
}

void TProgrammSelektion::BoxesGet(const std::vector<std::string>& zeilen) {
    Clear();
    for (const auto& z : zeilen) {
        if (z.empty() || IstSperrzeile(z)) continue;
        const int tab = TabVon(z);
        if (tab >= 0) zeilen_[tab].push_back(z);
    }
    for (auto& tab : zeilen_)
        std::stable_sort(tab.begin(), tab.end(),
                         [](const std::string& a, const std::string& b) { return BoxRang(a) < BoxRang(b); });
    Anzeigen();
}

std::vector<std::string> TProgrammSelektion::BoxesPut() const {
    std::vector<std::string> out;
    for (const auto& tab : zeilen_) out.insert(out.end(), tab.begin(), tab.end());
    return out;
}

void TProgrammSelektion::Anzeigen() {
    for (int i = 0; i < 3; ++i) {
        QStringList l;
        for (const auto& z : zeilen_[i]) l << QString::fromStdString(z);
        anzeige_[i]->setPlainText(l.join(QLatin1Char('\n')));
    }
}
