// kis-bench: measures the evaluation against the database's own aggregate on demo databases
// of the sizes medium and large. Every run happens in a fresh child process (this program
// started again with --child=...), alternating and repeated; the medians are reported.
// Exit status: 0 done, 1 the evaluation and the SQL aggregate disagree or a run failed,
// 2 bad command line.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bonus_bench.h"
#include "child_runs.h"
#include "machine.h"
#include "measure.h"
#include "options.h"
#include "overview_bench.h"
#include "report.h"

int main(int argc, char** argv) {
    using namespace kis::bench;
    BenchOptions o;
    std::string error;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), o, error)) {
        std::cerr << "kis-bench: " << error << "\n" << kUsage;
        return 2;
    }
    if (o.child == "eval") return RunEvaluationChild(o);
    if (o.child == "anchor") return RunAnchorChild(o);
    if (o.child == "bonus") return RunBonusChild(o);
    if (o.bonus) return RunBonusBench(o);
    if (o.overview) return RunOverviewBench(o, argc, argv);

    std::vector<SizeMeasurement> all;
    std::FILE* csv = nullptr;
    try {
        std::filesystem::create_directories(o.dir);
        if (!o.csv.empty() && !(csv = std::fopen(o.csv.c_str(), "w")))
            throw std::runtime_error("Die CSV-Datei " + o.csv + " kann nicht geschrieben werden.");
        if (csv) std::fprintf(csv, "size;run;round;ms;cpu_ms;hwm_kb;child_maxrss_kb;finished\n");
        std::cout << "Rechner: " << MachineDescription() << std::endl;
        for (const auto& size : o.sizes) {
            std::cout << "\nGröße " << size << ":" << std::endl;
            all.push_back(MeasureSize(o, size, csv));
            PrintSize(all.back());
        }
    } catch (const std::exception& e) {
        if (csv) std::fclose(csv);
        std::cerr << "kis-bench: " << e.what() << "\n";
        return 1;
    }
    if (csv) std::fclose(csv);
    return PrintVerdict(all) ? 0 : 1;
}
