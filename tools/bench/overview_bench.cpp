#include "overview_bench.h"

#include <iostream>

#ifndef KIS_BENCH_OVERVIEW

namespace kis::bench {

int RunOverviewBench(const BenchOptions&, int, char**) {
    std::cerr << "kis-bench: --overview braucht die Fenster (Build mit KIS_WITH_GUI).\n";
    return 2;
}

}  // namespace kis::bench

#else

#include <QApplication>
#include <QPrinter>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/dm.h"
#include "demo_db.h"
#include "machine.h"
#include "overview/kisu_zeilen.h"
#include "overview/uebersicht_frm.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/database.h"
#include "platform/store/work_files.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"

namespace kis::bench {

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a) {
    return std::chrono::duration<double, std::milli>(Clock::now() - a).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int RunOverviewBench(const BenchOptions& o, int argc, char** argv) {
    if (!o.show) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        std::filesystem::create_directories(o.dir);
        std::cout << "Rechner: " << MachineDescription() << std::endl;
        for (const auto& size : o.sizes) {
            const std::string path = EnsureDemoDb(o.dir, size, o.seed);
            auto db = kis::store::Database::OpenSuite(path);
            kis::store::SetSuiteDb(db.get());
            const auto work = std::filesystem::path(path).parent_path() / "work";
            std::filesystem::create_directories(work);
            kis::store::SetWorkDir(work.string());
            kis::store::RemoveStaleWorkFiles();
            ORVInfo().SetDataDir(work);
            ORVProgramm().SetAktMandant(ORVProgramm().MandantErster());

            auto dm = std::make_unique<TDM>(kis::app::Arguments{});
            auto t = Clock::now();
            if (!dm->ExecuteKIQuery()) throw std::runtime_error("Die Auswertung ist fehlgeschlagen.");
            const double auswertung = Ms(t);
            const int64_t kunden = kis::overview::KisuAnzahl() - 1;

            auto frm = std::make_unique<TUebersichtFrm>();
            std::vector<double> oeffnen, sortieren[5], umsatz;
            for (int r = 0; r < o.repeat; ++r) {
                t = Clock::now();
                frm->show();
                app.processEvents();
                oeffnen.push_back(Ms(t));
                for (int i : {1, 2, 3, 4, 0}) {
                    t = Clock::now();
                    frm->Sortierung(i);
                    app.processEvents();
                    sortieren[i].push_back(Ms(t));
                }
                // Twenty customers on "Kunde - Umsatz": documents and positions of each.
                frm->pgcKunde->setCurrentWidget(frm->tshKundeUmsatz);
                t = Clock::now();
                for (int k = 0; k < 20; ++k) frm->SelektNext();
                app.processEvents();
                umsatz.push_back(Ms(t) / 20);
                frm->pgcKunde->setCurrentWidget(frm->tshUebersicht);
                frm->hide();
            }
            static const char* const kNamen[5] = {"Kundenname", "Umsatz", "Menge", "Gesamtumsatz", "Gesamtmenge"};
            std::printf("\nGröße %s: %lld Kunden, Auswertung %.0f ms\n", size.c_str(), (long long)kunden, auswertung);
            std::printf("  Übersicht öffnen (erste Zeilen)    %8.1f ms\n", Median(oeffnen));
            for (int i = 0; i < 5; ++i)
                std::printf("  Sortieren nach %-18s %8.1f ms\n", kNamen[i], Median(sortieren[i]));
            std::printf("  Kunde - Umsatz je Kunde            %8.1f ms\n", Median(umsatz));
            std::fflush(stdout);
            if (!o.pdf.empty()) {
                frm->DruckVorschau = [&o](const std::function<void(QPrinter*)>& zeichnen) {
                    QPrinter printer(QPrinter::HighResolution);
                    printer.setPageOrientation(QPageLayout::Landscape);
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(QString::fromStdString(o.pdf));
                    zeichnen(&printer);
                };
                frm->show();
                t = Clock::now();
                frm->btnDruckenClick();
                std::printf("  Übersicht drucken (PDF)            %8.1f ms\n", Ms(t));
                frm->hide();
                frm->DruckVorschau = nullptr;
            }
            if (o.show) frm->Ausfuehren(TSelektionFrmModus::smKundeninfoSelektion);
            frm.reset();
            dm.reset();
            kis::store::RemoveOwnWorkFiles();
            kis::store::SetSuiteDb(nullptr);
        }
    } catch (const std::exception& e) {
        std::cerr << "kis-bench: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace kis::bench

#endif
