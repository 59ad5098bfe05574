#include "demo_db.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "child_process.h"

namespace kis::bench {

namespace fs = std::filesystem;

std::string DemoDbPath(const std::string& dir, const std::string& size, uint64_t seed) {
    return (fs::path(dir) / ("demo-" + size + "-" + std::to_string(seed) + ".kis")).string();
}

std::string EnsureDemoDb(const std::string& dir, const std::string& size, uint64_t seed) {
    const std::string path = DemoDbPath(dir, size, seed);
    // kis-demo writes a temporary file and renames it at the end: a file under this name
    // is complete.
    if (fs::exists(path)) {
        std::cout << "Demodatenbank " << path << " wird wiederverwendet." << std::endl;
        return path;
    }
    const std::string demo = (fs::path(SelfFolder()) / "kis-demo").string();
    if (!fs::exists(demo))
        throw std::runtime_error("kis-demo fehlt im Programmordner (" + demo + ").");
    std::cout << "Demodatenbank " << path << " wird angelegt (" << size << ", Startwert " << seed
              << ") ..." << std::endl;
    const auto start = std::chrono::steady_clock::now();
    const ChildOutcome c = RunChild(
        demo, {"--db=" + path, "--size=" + size, "--seed=" + std::to_string(seed), "--quiet"}, false);
    if (!c.exited || c.status != 0 || !fs::exists(path))
        throw std::runtime_error("kis-demo konnte die Demodatenbank " + path + " nicht anlegen.");
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "  angelegt in " << int(s) << " s." << std::endl;
    return path;
}

}  // namespace kis::bench
