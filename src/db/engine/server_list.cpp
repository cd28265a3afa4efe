#include "db/engine/server_list.h"

#include <algorithm>
#include <cctype>

namespace db {
namespace {

constexpr std::string_view kDefaultPort = "5432";

bool validPort(std::string_view port) {
  if (port.empty() || port.size() > 5) return false;
  if (!std::all_of(port.begin(), port.end(), [](unsigned char c) { return std::isdigit(c); })) return false;
  const long value = std::stol(std::string(port));
  return value >= 1 && value <= 65535;
}

// One "host[:port]" or "[ipv6][:port]" of the list.
bool parseServer(std::string_view text, Server& out) {
  std::string_view host = text, port = kDefaultPort;
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return false;
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return false;
      port = rest.substr(1);
    }
  } else if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
    // A second colon means an IPv6 address without brackets: its last
    // group could be a port or not, so it is refused rather than guessed.
    if (text.find(':', colon + 1) != std::string_view::npos) return false;
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
  }
  if (host.empty() || !validPort(port)) return false;
  out.host = host;
  out.port = port;
  return true;
}

}  // namespace

bool ParseServerList(std::string_view target, ServerList& out) {
  out = ServerList();
  const std::size_t slash = target.find('/');
  if (slash == std::string_view::npos || slash + 1 == target.size()) return false;
  out.dbname = target.substr(slash + 1);
  std::string_view servers = target.substr(0, slash);
  for (;;) {
    const std::size_t comma = servers.find(',');
    Server server;
    if (!parseServer(servers.substr(0, comma), server)) return false;
    out.servers.push_back(std::move(server));
    if (comma == std::string_view::npos) return true;
    servers.remove_prefix(comma + 1);
  }
}

std::string ServerName(const std::string& host, const std::string& port) {
  const bool ipv6 = host.find(':') != std::string::npos;
  return (ipv6 ? "[" + host + "]" : host) + ":" + port;
}

}  // namespace db
