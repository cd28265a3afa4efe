// Persons asked for one by one in a run of notes: on a server, after a few,
// one read of the whole table answers the rest; on the embedded database
// each key is read once. Either way the answers are exactly the keyed
// read's, and they hold for the run only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/calendar_reads.h"
#include "base/status.h"
#include "db/engine/dialect.h"
#include "db/engine/session.h"
#include "db_fixture.h"
#include "fault_injection.h"
#include "master_builders.h"

namespace {

class CalendarReadsTest : public DbTest {};

std::string Pnr(int k) { return "0000100" + std::to_string(k); }

// The keyed read's status and every field it leaves, as text.
std::string Answer(int (*read)(PrvSatz*), const std::string& pnr) {
  PrvSatz p;
  p.PrvPnr = pnr;
  p.PrvNam = "left over";
  const int rc = read(&p);
  return std::to_string(rc) + " " + p.PrvPnr.str() + " " + p.PrvNam.str() + " " + std::to_string(p.PrvPzm);
}

TEST_P(CalendarReadsTest, PersonsAreReadWholeOnAServerOnceAFewWereAskedAndAnsweredAsTheKeyedRead) {
  for (int k = 1; k <= 8; ++k) {
    PrvSatz p = master::Person(Pnr(k).c_str(), Pnr(k).c_str(), "20260101", "");
    p.PrvNam = "Person " + std::to_string(k);
    p.PrvPzm = k;
    ASSERT_EQ(0, Prv_PKeyIns(&p));
  }
  const std::vector<std::string> asked = {Pnr(1), Pnr(2), Pnr(1), Pnr(3), "00009999", Pnr(5), Pnr(6),
                                          "00009998", Pnr(8), ""};
  std::vector<std::string> fromTheDatabase;
  for (const std::string& pnr : asked) fromTheDatabase.push_back(Answer(Prv_PKeyReadk, pnr));

  testdb::FaultInjection counts;
  {
    const CalendarReads run;
    for (std::size_t k = 0; k < asked.size(); ++k) EXPECT_EQ(fromTheDatabase[k], Answer(PersonRead, asked[k])) << k;
    const bool server = db::statementsTravel(db::Session::get().dialect());
    // Four keys one by one, then the whole table; or every distinct key
    // once. The empty key is NULL and always asked.
    EXPECT_EQ(server ? 5 : 9, counts.Runs("Prv_PKeyReadk"));
    EXPECT_EQ(server ? 1 : 0, counts.Runs("Prv_Alle"));

    ASSERT_EQ(0, testdb::Exec("update Kvs510Prv set PrvNam='renamed' where PrvPnr=:b0", {db::Value::text(Pnr(2))}));
    EXPECT_EQ(fromTheDatabase[1], Answer(PersonRead, Pnr(2)));  // the run keeps what it read
  }
  EXPECT_EQ("0 " + Pnr(2) + " renamed 2", Answer(PersonRead, Pnr(2)));  // the next run reads anew
}

INSTANTIATE_DB_TEST(CalendarReadsTest);

}  // namespace
