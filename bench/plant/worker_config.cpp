#include "plant/worker_config.h"

#include <fstream>

#include "base/config.h"

namespace plant {

WorkerLogin LoginOf(const std::string& service) {
  WorkerLogin l{"", "", service};
  const std::string scheme = "postgresql://";
  if (l.net8.rfind(scheme, 0) != 0) return l;
  std::string rest = l.net8.substr(scheme.size());
  rest = rest.substr(0, rest.find('?'));
  if (const std::size_t at = rest.rfind('@'); at != std::string::npos) {
    const std::string credentials = rest.substr(0, at);
    const std::size_t colon = credentials.find(':');
    l.login = credentials.substr(0, colon);
    l.pass = colon == std::string::npos ? "" : credentials.substr(colon + 1);
    rest = rest.substr(at + 1);
  }
  l.net8 = rest;
  return l;
}

void WriteWorkerConfig(const std::string& path, const WorkerLogin& l) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "[db];BDE;\n1;LOGIN;" << Wert_Verschluesseln(l.login, kIniKey) << "\n[db];BDE;\n2;PASS;"
      << Wert_Verschluesseln(l.pass, kIniKey) << "\n[db];BDE;\n3;NET8;" << Wert_Verschluesseln(l.net8, kIniKey)
      << "\n";
}

}  // namespace plant
