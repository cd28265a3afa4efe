// What the worker wrote into its message log, counted by kind of entry, so
// that a run on a whole plant can be summed up or compared with another.
#pragma once

#include <map>
#include <string>

namespace plant {

// Adds the error entries of the log file `path` (and of its backup, which a
// rotation may have filled) to `counts`, keyed "function | message | code",
// then removes both files so that the next pass starts on an empty log.
void TakeLogEntries(const std::string& path, const std::string& backupPath, std::map<std::string, int>& counts);

}  // namespace plant
