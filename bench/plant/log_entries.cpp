#include "plant/log_entries.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace plant {
namespace {

// The text after `label` up to the end of its line.
std::string LineAfter(const std::string& entry, const std::string& label) {
  const std::size_t at = entry.find(label);
  if (at == std::string::npos) return "";
  const std::size_t from = at + label.size();
  return entry.substr(from, entry.find("\r\n", from) - from);
}

void Count(const std::string& path, std::map<std::string, int>& counts) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  std::stringstream text;
  text << in.rdbuf();
  const std::string all = text.str();
  for (std::size_t at = all.find('\xFE'); at != std::string::npos;) {
    const std::size_t next = all.find('\xFE', at + 1);
    const std::string entry = all.substr(at, next == std::string::npos ? std::string::npos : next - at);
    at = next;
    // Start, stop and lease entries only inform and carry a process id;
    // what a pass did wrong is in the error entries.
    if (LineAfter(entry, "MsgArt_____: ").rfind("SMSG", 0) == 0) continue;
    counts[LineAfter(entry, "Funktion___: ") + " | " + LineAfter(entry, "Message____: ") + " | " +
           LineAfter(entry, "ErrorCode__: ")]++;
  }
}

}  // namespace

void TakeLogEntries(const std::string& path, const std::string& backupPath, std::map<std::string, int>& counts) {
  Count(backupPath, counts);
  Count(path, counts);
  std::remove(backupPath.c_str());
  std::remove(path.c_str());
}

}  // namespace plant
