#include "platform/ui/sel_box.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "platform/services/orv_info.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/form_store_binding.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/neg_label.h"
#include "platform/ui/string_holder.h"

using kis::selbox::BoxWerte;
using kis::selbox::ControlArt;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QString& s) {
    return s.toStdString();
}

const char* kCaptionIstKey = "captionIstKey";

TORVCheckListBox::KeySource QuelleVon(const QWidget* w) {
    return w->property(kCaptionIstKey).toBool() ? TORVCheckListBox::KeySource::Caption
                                                : TORVCheckListBox::KeySource::Key;
}

QString Zelle(const QTableWidget* g, int row, int col) {
    const QTableWidgetItem* it = g->item(row, col);
    return it ? it->text().trimmed() : QString();
}

}  // namespace

TSelBox::TSelBox(const std::string& boxName, const QString& titel, QWidget* parent)
    : QGroupBox(titel, parent), schema_(kis::selbox::SchemaFuer(boxName)) {
    static const kis::selbox::BoxSchema leer;
    if (!schema_) schema_ = &leer;
    setObjectName(Q(boxName));
    store_ = std::make_unique<kis::services::FormStore>(
        kis::services::FormStoreSlot{schema_->programm, "DEU", S(FMaskeOwner), "0"});
    for (const auto& c : schema_->controls)
        if (!c.holder.empty()) holder_[Q(c.holder)] = new TORVStringHolder(Q(c.holder), this);
}

TSelBox::~TSelBox() = default;

kis::services::FormStore& TSelBox::Store() const {
    store_->SetSlot(S(FMaskeOwner));
    return *store_;
}

QWidget* TSelBox::Control(const QString& name) const {
    return findChild<QWidget*>(name);
}

TORVAttachNegLabel* TSelBox::NegLabel(const QString& name, const QString& caption) {
    auto* l = new TORVAttachNegLabel(caption, this);
    l->setObjectName(name);
    return l;
}

TORVCheckListBox* TSelBox::CheckList(const QString& name, int spalten, bool captionIstKey) {
    auto* l = new TORVCheckListBox(this);
    l->setObjectName(name);
    l->SetColumns(spalten);
    l->setProperty(kCaptionIstKey, captionIstKey);
    return l;
}

QTableWidget* TSelBox::Grid(const QString& name, const QString& spalte0) {
    auto* g = new QTableWidget(0, 2, this);
    g->setObjectName(name);
    g->setHorizontalHeaderLabels({spalte0, QStringLiteral("Wert")});
    g->horizontalHeader()->setStretchLastSection(true);
    g->verticalHeader()->setVisible(false);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setTabKeyNavigation(false);
    return g;
}

QString TSelBox::Text(const kis::selbox::Control& c, QWidget* w) const {
    switch (c.art) {
        case ControlArt::Edit:
            if (auto* e = qobject_cast<TCustomORVMaskEdit*>(w)) return e->Text();
            if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
            if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
            return {};
        case ControlArt::Combo:
            if (auto* cb = qobject_cast<QComboBox*>(w)) return cb->currentText();
            return {};
        case ControlArt::Check:
            if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->isChecked() ? "1" : "0";
            return {};
        case ControlArt::NegLabel:
            if (auto* l = qobject_cast<TORVAttachNegLabel*>(w)) return l->Negated() ? "1" : "0";
            return {};
        case ControlArt::CheckList:
            if (auto* l = qobject_cast<TORVCheckListBox*>(w)) {
                std::vector<std::string> items;
                for (const QString& line : l->StateLines(QuelleVon(l))) items.push_back(S(line));
                return Q(kis::selbox::CommaText(items));
            }
            return {};
        case ControlArt::Grid:
            if (auto* g = qobject_cast<QTableWidget*>(w)) {
                std::vector<std::string> items;
                for (int r = 0; r < g->rowCount(); ++r)
                    items.push_back(S(Zelle(g, r, 0) + QLatin1Char('=') + Zelle(g, r, 1)));
                return Q(kis::selbox::CommaText(items));
            }
            return {};
    }
    return {};
}

void TSelBox::Setzen(const kis::selbox::Control& c, QWidget* w, const QString& wert,
                     bool nurGenannte) {
    switch (c.art) {
        case ControlArt::Edit:
            if (auto* e = qobject_cast<TCustomORVMaskEdit*>(w))
                e->SetText(wert);
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                e->setText(wert);
            else if (auto* l = qobject_cast<QLabel*>(w))
                l->setText(wert);
            return;
        case ControlArt::Combo:
            if (auto* cb = qobject_cast<QComboBox*>(w)) {
                const int i = cb->findText(wert.trimmed());
                if (i >= 0)
                    cb->setCurrentIndex(i);
                else if (cb->isEditable())
                    cb->setEditText(wert.trimmed());
            }
            return;
        case ControlArt::Check:
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                b->setChecked(wert.trimmed() == QLatin1String("1"));
            return;
        case ControlArt::NegLabel:
            if (auto* l = qobject_cast<TORVAttachNegLabel*>(w))
                l->SetNegated(wert.trimmed() == QLatin1String("1"));
            return;
        case ControlArt::CheckList:
            if (auto* l = qobject_cast<TORVCheckListBox*>(w)) {
                const auto paare = kis::selbox::Paare(S(wert));
                if (!nurGenannte) {
                    QStringList lines;
                    for (const auto& [k, v] : paare) lines << Q(k + "=" + kis::selbox::Trim(v));
                    l->ApplyStateLines(lines, QuelleVon(l));
                    return;
                }
                // Presets name items by caption; lists keyed apart from their caption also by key.
                for (const auto& [k, v] : paare) {
                    int i = l->IndexOfKey(Q(k), TORVCheckListBox::KeySource::Caption);
                    if (i < 0 && !w->property(kCaptionIstKey).toBool()) i = l->IndexOfKey(Q(k));
                    if (i >= 0) l->SetChecked(i, kis::selbox::Trim(v) != "0");
                }
            }
            return;
        case ControlArt::Grid:
            if (auto* g = qobject_cast<QTableWidget*>(w)) {
                std::map<QString, QString> werte;
                for (const auto& [k, v] : kis::selbox::Paare(S(wert)))
                    werte[Q(k)] = Q(kis::selbox::Trim(v));
                const QSet<QString>& gesperrt = gesperrteZeilen_[w->objectName()];
                for (int r = 0; r < g->rowCount(); ++r) {
                    const QString name = Zelle(g, r, 0);
                    const auto it = werte.find(name);
                    if (it == werte.end() && nurGenannte) continue;
                    if (!nurGenannte && gesperrt.contains(name))
                        continue;  // a preset row keeps its value
                    if (!g->item(r, 1)) g->setItem(r, 1, new QTableWidgetItem);
                    g->item(r, 1)->setText(it == werte.end() ? QString() : it->second);
                }
            }
            return;
    }
}

BoxWerte TSelBox::Werte() const {
    BoxWerte w;
    for (const auto& c : schema_->controls)
        if (QWidget* ctl = Control(Q(c.name))) w[c.name] = S(Text(c, ctl));
    return w;
}

QString TSelBox::Wert(const QString& control) const {
    const auto* c = schema_->Find(S(control));
    QWidget* w = Control(control);
    return c && w ? Text(*c, w) : QString();
}

bool TSelBox::WertSetzen(const QString& control, const QString& wert) {
    const auto* c = schema_->Find(S(control));
    QWidget* w = Control(control);
    if (!c || !w) return false;
    Setzen(*c, w, wert, false);
    AbhaengigeAktualisieren();
    return true;
}

bool TSelBox::PresetSetzen(const QString& control, const QString& wert) {
    const auto* c = schema_->Find(S(control));
    QWidget* w = Control(control);
    if (!c || !w) return false;
    Setzen(*c, w, wert, true);
    if (c->art == ControlArt::Grid) {
        // The named rows' value cells are locked; the grid itself stays usable.
        auto* g = qobject_cast<QTableWidget*>(w);
        QSet<QString>& zeilen = gesperrteZeilen_[control];
        for (const auto& [k, v] : kis::selbox::Paare(S(wert))) zeilen.insert(Q(k));
        for (int r = 0; g && r < g->rowCount(); ++r) {
            if (!zeilen.contains(Zelle(g, r, 0))) continue;
            if (!g->item(r, 1)) g->setItem(r, 1, new QTableWidgetItem);
            g->item(r, 1)->setFlags(g->item(r, 1)->flags() & ~Qt::ItemIsEditable);
        }
    } else {
        Sperren(control);
    }
    AbhaengigeAktualisieren();
    return true;
}

int TSelBox::PresetsAnwenden(const QStringList& zeilen, QStringList* uebrig) {
    int n = 0;
    for (const QString& zeile : zeilen) {
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (gleich <= 0) continue;
        QString name = zeile.left(gleich).trimmed();
        const qsizetype punkt = name.indexOf(QLatin1Char('.'));
        if (punkt > 0) {
            if (name.left(punkt).compare(objectName(), Qt::CaseInsensitive) != 0) continue;
            name = name.mid(punkt + 1).section(QLatin1Char('.'), 0, 0);
        }
        if (PresetSetzen(name, zeile.mid(gleich + 1)))
            ++n;
        else if (uebrig)
            *uebrig << zeile;
    }
    return n;
}

void TSelBox::Sperren(const QString& control) {
    if (QWidget* w = Control(control)) w->setEnabled(false);
    gesperrt_.insert(control);
}

void TSelBox::AbhaengigSetzen(const QString& control, bool an, bool leeren) {
    if (gesperrt_.contains(control)) return;
    QWidget* w = Control(control);
    const auto* c = schema_->Find(S(control));
    if (!w || !c) return;
    w->setEnabled(an && enabled_);
    if (!an && leeren)
        Setzen(*c, w, c->art == ControlArt::Check || c->art == ControlArt::NegLabel ? "0" : "",
               false);
}

void TSelBox::Clear() {
    try {
        const BoxWerte vorgaben = schema_->Vorgaben(Schluessel());
        for (const auto& c : schema_->controls) {
            const QString name = Q(c.name);
            QWidget* w = Control(name);
            if (!w || gesperrt_.contains(name)) continue;
            const auto it = vorgaben.find(c.name);
            Setzen(c, w, it == vorgaben.end() ? QString() : Q(it->second), false);
        }
        AbhaengigeAktualisieren();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(S(objectName()) + ".Clear", e, 1);
    }
}

void TSelBox::EnabledSetzen(bool on) {
    enabled_ = on;
    if (on) {
        gesperrt_.clear();
        for (auto& [grid, zeilen] : gesperrteZeilen_) {
            if (auto* g = findChild<QTableWidget*>(grid))
                for (int r = 0; r < g->rowCount(); ++r)
                    if (QTableWidgetItem* it = g->item(r, 1))
                        it->setFlags(it->flags() | Qt::ItemIsEditable);
        }
        gesperrteZeilen_.clear();
    }
    for (const auto& c : schema_->controls)
        if (QWidget* w = Control(Q(c.name))) w->setEnabled(on);
    AbhaengigeAktualisieren();
}

std::map<std::string, std::vector<std::string>> TSelBox::Schluessel() const {
    std::map<std::string, std::vector<std::string>> out;
    for (const auto& c : schema_->controls) {
        QWidget* w = Control(Q(c.name));
        if (auto* l = qobject_cast<TORVCheckListBox*>(w)) {
            auto& keys = out[c.name];
            for (int i = 0; i < l->Count(); ++i) {
                const QString k = QuelleVon(l) == TORVCheckListBox::KeySource::Caption
                                      ? l->Caption(i).trimmed()
                                      : l->Key(i);
                if (!k.isEmpty()) keys.push_back(S(k));
            }
        } else if (auto* g = qobject_cast<QTableWidget*>(w)) {
            auto& keys = out[c.name];
            for (int r = 0; r < g->rowCount(); ++r) keys.push_back(S(Zelle(g, r, 0)));
        }
    }
    return out;
}

void TSelBox::HolderFuellen() {
    for (const auto& c : schema_->controls) {
        if (c.holder.empty()) continue;
        TORVStringHolder* h = holder_[Q(c.holder)];
        QWidget* w = Control(Q(c.name));
        if (!h || !w) continue;
        QStringList lines;
        for (const auto& [k, v] : kis::selbox::Paare(S(Text(c, w)))) lines << Q(k + "=" + v);
        h->SetItems(lines);
    }
}

bool TSelBox::MaskeVorhanden(const QString& maskeName) const {
    return Store().Exists(S(maskeName.trimmed()));
}

bool TSelBox::MaskeSpeichern(const QString& maskeName) {
    try {
        HolderFuellen();
        QStringList props;
        for (const auto& p : schema_->MaskenProperties()) props << Q(p);
        TORVFormStoreBinding binding(this, props);
        return binding.Store(Store(), S(maskeName.trimmed()));
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(S(objectName()) + ".MaskeSpeichern", e, 1);
        return false;
    }
}

bool TSelBox::MaskeLaden(const QString& maskeName) {
    try {
        kis::services::FormStore& store = Store();
        const std::string name = S(maskeName.trimmed());
        if (!store.Exists(name)) return false;
        const kis::services::FormProperties maske = store.Restore(name);
        // Controls locked by a preset keep the programme's value.
        QStringList props;
        for (const auto& c : schema_->controls) {
            if (!c.maske || !c.holder.empty() || gesperrt_.contains(Q(c.name))) continue;
            const char* prop = c.art == ControlArt::Check      ? ".Checked"
                               : c.art == ControlArt::NegLabel ? ".Negated"
                                                               : ".Text";
            props << Q(c.name + prop);
        }
        TORVFormStoreBinding(this, props).Apply(maske);
        for (const auto& c : schema_->controls) {
            if (c.holder.empty() || gesperrt_.contains(Q(c.name))) continue;
            const auto it = maske.find(c.holder + ".Items");
            QWidget* w = Control(Q(c.name));
            if (it == maske.end() || !w) continue;
            std::vector<std::string> items;
            for (const QString& line : Q(it->second).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                items.push_back(S(line));
            holder_[Q(c.holder)]->SetItems(
                Q(it->second).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
            Setzen(c, w, Q(kis::selbox::CommaText(items)), false);
        }
        AbhaengigeAktualisieren();
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(S(objectName()) + ".MaskeLaden", e, 1);
        return false;
    }
}

bool TSelBox::MaskeLoeschen(const QString& maskeName) {
    try {
        kis::services::FormStore& store = Store();
        const std::string name = S(maskeName.trimmed());
        if (!store.Exists(name)) return false;
        return store.Delete(name);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(S(objectName()) + ".MaskeLoeschen", e, 1);
        return false;
    }
}

void TSelBox::ChangedItemsGet(const QString& name, QStringList& liste) const {
    try {
        for (const std::string& line : kis::selbox::ChangedItems(*schema_, Werte(), S(name)))
            liste << Q(line);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(S(objectName()) + ".ChangedItemsGet", e, 1);
    }
}
