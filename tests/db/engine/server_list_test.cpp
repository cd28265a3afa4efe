// The servers of a connect target, read without a database: each
// "host[:port]" of the list kept apart, in its order.
#include "db/engine/server_list.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  const char* target;
  const char* servers;  // "host:port" joined by " | "; nullptr when refused
  const char* dbname;
};

std::string Shown(const db::ServerList& list) {
  std::string text;
  for (const db::Server& s : list.servers) text += (text.empty() ? "" : " | ") + s.host + ":" + s.port;
  return text;
}

TEST(ServerList, EachServerKeepsItsOwnPort) {
  const Case cases[] = {
      {"db1/bde", "db1:5432", "bde"},
      {"db1:5433/bde", "db1:5433", "bde"},
      {"127.0.0.1:1,127.0.0.1:54321/bde", "127.0.0.1:1 | 127.0.0.1:54321", "bde"},
      {"db1,db2:6000,db3/bde", "db1:5432 | db2:6000 | db3:5432", "bde"},
      {"[::1]:5433,[fe80::1]/bde", "::1:5433 | fe80::1:5432", "bde"},
      {"db1:65535/bde", "db1:65535", "bde"},
      // Refused: no database, no server, an empty server or port, a port
      // that is no number from 1 to 65535, an IPv6 address without brackets.
      {"db1:5433", nullptr, ""},
      {"db1/", nullptr, ""},
      {"/bde", nullptr, ""},
      {"db1,,db2/bde", nullptr, ""},
      {"db1,/bde", nullptr, ""},
      {",db1/bde", nullptr, ""},
      {"db1:/bde", nullptr, ""},
      {"db1:54x2/bde", nullptr, ""},
      {"db1:0/bde", nullptr, ""},
      {"db1:65536/bde", nullptr, ""},
      {"db1:5433:1/bde", nullptr, ""},
      {"::1/bde", nullptr, ""},
      {"[::1/bde", nullptr, ""},
      {"[]:5432/bde", nullptr, ""},
      {"[::1]5432/bde", nullptr, ""},
  };
  for (const Case& c : cases) {
    db::ServerList list;
    const bool parsed = db::ParseServerList(c.target, list);
    ASSERT_EQ(c.servers != nullptr, parsed) << c.target;
    if (!parsed) continue;
    EXPECT_EQ(c.servers, Shown(list)) << c.target;
    EXPECT_EQ(c.dbname, list.dbname) << c.target;
  }
  EXPECT_EQ("db1:5432", db::ServerName("db1", "5432"));
  EXPECT_EQ("[::1]:5433", db::ServerName("::1", "5433"));
}

}  // namespace
