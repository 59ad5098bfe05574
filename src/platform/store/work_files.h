#pragma once
// Per-process work files ("KISUFILE.", "KIVKFILE.", "BONUTMP." + process id) in the work
// directory. One SQLite file each, so several processes evaluate side by side; the files of
// processes that no longer run are removed at start, a process removes its own at its end.
#include <memory>
#include <string>
#include <vector>

namespace kis::store {

class Database;

// The work directory ("STATEMP"); default: the system's temporary directory + "/kis".
void SetWorkDir(const std::string& dir);
std::string WorkDir();
// Named directories of the suite; "STATEMP" is the work directory, others the data folder.
std::string GetDirWwsByName(const std::string& name);

// The process id as it appears in work-file names.
std::string FormattedProcessId();
std::string WorkFileName(const std::string& prefix);  // e.g. "KISUFILE." + id

// A shared connection to a work file by relative name; create = start it empty.
std::shared_ptr<Database> WorkFileConnection(const std::string& relativeName, bool create);

// Removes work files whose process no longer runs; returns the removed names.
std::vector<std::string> RemoveStaleWorkFiles();
// Removes this process's work files (normal end).
void RemoveOwnWorkFiles();

}  // namespace kis::store
