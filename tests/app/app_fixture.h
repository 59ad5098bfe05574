#pragma once
// A small suite database for the application-shell tests: two client companies, a few
// customers, bonus accounts; process-wide services reset, log in a temporary folder.
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QApplication>
#include <functional>
#include <memory>

#include "platform/partners/customer_master.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/record_files.h"

namespace kis::testing {

class AppDb {
public:
    AppDb() {
        ORVInfo().SetDataDir(dir_.path().toStdString());
        ORVInfo().SetPresenter(nullptr);
        ORVInfo().ClearEntries();
        ORVInfo().ResetErrorSpezNoWrite();
        ORVProgramm().SetSilentMode(false);
        ORVProgramm().SetAutoRun(false);
        ORVProgramm().SetAktMandant({});
        ORVProgramm().ReloadSettings();
        db_ = kis::store::Database::OpenMemory();
        kis::store::SetSuiteDb(db_.get());
        Mandant({1, 0}, "ZENTRALE", "Modehaus Zentrale");
        Mandant({2, 0}, "NORD", "Modehaus Nord");
    }
    ~AppDb() {
        kis::store::SetSuiteDb(nullptr);
        ORVInfo().SetDataDir({});
        ORVProgramm().ReloadSettings();
    }

    void Mandant(TIntPair nr, const char* bezeichnung, const char* name) {
        kis::store::BookingScope booking(1);
        kis::store::Tmandantfile f;
        f.OpenNew();
        f.ClearRecord();
        f.Feld("NR").SetWert(nr);
        f.Feld("BEZEICHNUNG").SetWert(bezeichnung);
        f.Feld("NAME").SetWert(name);
        f.Feld("WAEHRUNG").SetWert("EUR");
        f.Insert();
        booking.Commit();
    }

    void Konto(TIntPair mandant, const char* konto, const char* bezeichnung, int art) {
        kis::store::BookingScope booking(1);
        kis::store::Tkontofile f;
        f.OpenNew();
        f.ClearRecord();
        f.Feld("MANDANT").SetWert(mandant);
        f.Feld("KONTO").SetWert(konto);
        f.Feld("BEZEICHNUNG").SetWert(bezeichnung);
        f.Feld("KONTOART").SetWert(art);
        f.Insert();
        booking.Commit();
    }

    // A user-defined payment means (selector kind 2 with variant 1 or 2: a coupon type).
    void Zahlungsmittel(int nr, const char* kuerzel, const char* bezeichnung, int selektorArt, int variante) {
        kis::store::BookingScope booking(1);
        kis::store::Tzahlungsmittelfile f;
        f.OpenNew();
        f.ClearRecord();
        f.Feld("NR").SetWert(nr);
        f.Feld("KUERZEL").SetWert(kuerzel);
        f.Feld("BEZEICHNUNG").SetWert(bezeichnung);
        f.Feld("SELEKTORART").SetWert(selektorArt);
        f.Feld("VARIANTE").SetWert(variante);
        f.Insert();
        booking.Commit();
    }

    // A customer of client company 1/0 through the master-data service.
    TIntPair Kunde(const std::string& name, const std::string& name2, const std::string& vorname) {
        TKundenStamm k;
        k.Mandant = {1, 0};
        k.Name = name;
        k.Name2 = name2;
        k.Vorname = vorname;
        return kis::partners::TCustomerMaster().Speichern(k);
    }

    int64_t Count(const std::string& table) {
        kis::store::Statement& s = db_->Cached("SELECT COUNT(*) FROM " + table);
        s.Step();
        const int64_t n = s.ColumnInt(0);
        s.Reset();
        return n;
    }

    bool Registered(const std::string& text) const {
        for (const auto& e : ORVInfo().Entries())
            if (e.kind == kis::services::InfoEntry::Kind::Exception && e.text == text) return true;
        return false;
    }

    kis::store::Database& Db() { return *db_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<kis::store::Database> db_;
};

// Runs `step` on the modal dialog of the given class once it is shown (polling, so nested
// modal loops are served too).
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> step, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, step, waited, timeoutMs] {
        *waited += 20;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible()) {
                timer->stop();
                timer->deleteLater();
                step(d);
                return;
            }
        }
        if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

}  // namespace kis::testing
