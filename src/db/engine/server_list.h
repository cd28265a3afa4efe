// The PostgreSQL servers a connect target names: "host[:port]/dbname", or
// several servers "host1[:port1],host2[:port2],.../dbname" of which the
// worker uses the one that accepts writes. An IPv6 address stands in
// brackets ("[::1]:5432"); a host without a port gets 5432.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace db {

struct Server {
  std::string host;
  std::string port;
};

struct ServerList {
  std::vector<Server> servers;
  std::string dbname;
};

// True with the servers in their order and the database name; false for
// a text that is not such a list (no database, an empty server, a port
// that is not a number from 1 to 65535, an IPv6 address without brackets).
bool ParseServerList(std::string_view target, ServerList& out);

// "host:port", an IPv6 host in brackets: how a server is shown to people.
std::string ServerName(const std::string& host, const std::string& port);

}  // namespace db
