// Every keyed read, write and cursor of the analysis tables finds its rows
// through an index on both backends, the date-text selections included.
// The selections are those of the access routines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db_fixture.h"

namespace {

class AnalysisIndexTest : public DbTest {};

struct Selection {
  const char* routine;
  const char* where;  // everything after the select list
  std::vector<db::Value> params;
};

db::Value T(const char* s) { return db::Value::text(s); }
db::Value I(int v) { return db::Value::integer(v); }

const char* kStart = "20261207000000";
const char* kEnd = "20261207235959";

std::vector<Selection> Selections() {
  const std::vector<db::Value> nzaKey = {I(1), T("APL1"), T("A1"), T("00010"), T("00004711")};
  auto withWindow = [](std::vector<db::Value> v) {
    v.push_back(T(kStart));
    v.push_back(T(kEnd));
    return v;
  };
  return {
      {"Nza_PKeyReadk",
       "from Kvs590Nza where ((((((NzaSa=:b0 and NzaApl=:b2) and NzaApk=:b4) and NzaApp=:b6) and NzaPnr=:b8) and "
       "TO_CHAR(NzaDtm,'yyyymmdd')=:b10) and TO_CHAR(NzaDtm,'HH24MISS')=:b12)",
       {I(1), T("APL1"), T("A1"), T("00010"), T("00004711"), T("20261207"), T("061500")}},
      {"Nza_PKeyUpd",
       "from Kvs590Nza where (((((NzaSa=:b0 and NzaApl=:b1) and NzaApk=:b2) and NzaApp=:b3) and NzaPnr=:b4) and "
       "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')=:b5)",
       {I(1), T("APL1"), T("A1"), T("00010"), T("00004711"), T(kStart)}},
      {"Nza_ReadSA_EH",
       "from Kvs590Nza where ((((NzaSa=:b0 and NzaApl=:b2) and NzaApk=:b4) and NzaApp=:b6) and NzaPnr=:b116)", nzaKey},
      {"Nza_PKeyVon",
       "from Kvs590Nza where ((((((NzaSa=:b0 and NzaApl=:b1) and NzaApk=:b2) and NzaApp=:b3) and NzaPnr=:b4) and "
       "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=:b5) and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<=:b6) "
       "order by NzaSa,NzaApl,NzaApk,NzaApp,NzaPnr,NzaDtm",
       withWindow(nzaKey)},
      {"Nza_Sa1Pnr (starts)",
       "from Kvs590Nza where ((NzaSa=1 and NzaPnr=:b0) and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=:b1 and "
       "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<=:b2)",
       {T("00004711"), T(kStart), T(kEnd)}},
      {"Nza_Sa1Pnr (ends)",
       "from Kvs590Nza where ((NzaSa=1 and NzaPnr=:b0) and TO_CHAR(NzaEdt,'yyyymmddHH24MISS')>=:b1 and "
       "TO_CHAR(NzaEdt,'yyyymmddHH24MISS')<=:b2 and (TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<:b1 or "
       "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>:b2))",
       {T("00004711"), T(kStart), T(kEnd)}},
      {"Nza_Sa2Von",
       "from Kvs590Nza where (((((NzaSa=2 and NzaApl=:b0) and NzaApk=:b1) and NzaApp=:b2) and NzaPnr=:b3) and "
       "((TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=:b4 and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<=:b5) or "
       "(TO_CHAR(NzaEdt,'yyyymmddHH24MISS')>=:b4 and TO_CHAR(NzaEdt,'yyyymmddHH24MISS')<=:b5))) order by NzaDtm",
       {T("APL1"), T("A1"), T("00010"), T("00004711"), T(kStart), T(kEnd)}},
      {"Mlt_PKeyDel", "from Kvs561Mlt  where ((MltErf=:b0 and MltDat=:b1) and MltLfn=:b2)",
       {T("Nza_MPA"), T(kStart), I(3)}},
      {"Mlt_MltErf",
       "from Kvs561Mlt where (MltErf=:b0 and MltDat=:b1) order by MltErf,MltDat,MltMdt nulls last,MltLfn",
       {T("Nza_MPA"), T(kStart)}},
      {"Tag_PKeyReadk", "from Kvs327Tag where (TagPnr=:b0 and TO_CHAR(TagTag,'yyyymmdd')=:b15)",
       {T("00004711"), T("20261207")}},
      {"Tag_Von",
       "from Kvs327Tag where (((TagPnr=:b0 and TO_CHAR(TagTag,'yyyymmdd')>=:b1) and "
       "TO_CHAR(TagTag,'yyyymmdd')<=:b2) and TAGONE=0) order by TagVon nulls last,TagUhr nulls last",
       {T("00004711"), T("20261207"), T("20261210")}},
      {"Bup_AbrTag",
       "from Kvs328Bup where ((BupPnr=:b0 and (TO_CHAR(BupVon,'yyyymmdd')||TO_CHAR(BupUhr,'HH24MISS'))>=:b1) and "
       "(TO_CHAR(BupBis,'yyyymmdd')||TO_CHAR(BupEnd,'HH24MISS'))<=:b2) "
       "order by BupPnr,BupVon nulls last,BupUhr nulls last",
       {T("00004711"), T("20261207"), T("20261208")}},
      {"Pse_PKey", "from Kvs143Pse where PseNum=:b0 order by PseNum,PseLfd", {T("M1")}},
      {"Gps_PKeyReadk",
       "from Kvs323Gps where ((GpsPnr=:b0 and TO_CHAR(GpsDtm,'yyyymmdd')=:b2) and GpsLfd=:b20)",
       {T("00004711"), T("20261207"), I(2)}},
      {"Gaz_PKeyReadk", "from Kvs322Gaz where (GazPnr=:b0 and TO_CHAR(GazDtm,'yyyymmdd')=:b2)",
       {T("00004711"), T("20261207")}},
  };
}

TEST_P(AnalysisIndexTest, EverySelectionUsesAnIndex) {
  const bool sqlite = GetParam() == testdb::Backend::Sqlite;
  for (const Selection& s : Selections()) {
    const std::string plan = testdb::QueryPlan(std::string("select 1 ") + s.where, s.params);
    ASSERT_FALSE(plan.empty()) << s.routine;
    EXPECT_EQ(std::string::npos, plan.find(sqlite ? "SCAN " : "Seq Scan")) << s.routine << "\n" << plan;
    EXPECT_NE(std::string::npos, plan.find(sqlite ? "INDEX" : "Index")) << s.routine << "\n" << plan;
  }
}

// True when the plan seeks (not merely filters) on a TO_CHAR expression.
bool SeeksOnDateText(const std::string& plan, bool sqlite) {
  std::size_t start = 0;
  while (start < plan.size()) {
    std::size_t end = plan.find('\n', start);
    const std::string line = plan.substr(start, end - start);
    if (sqlite ? line.find("SEARCH") != std::string::npos && line.find("<expr>") != std::string::npos
               : line.find("Index Cond") != std::string::npos && line.find("kvs_to_char") != std::string::npos)
      return true;
    start = end == std::string::npos ? plan.size() : end + 1;
  }
  return false;
}

TEST_P(AnalysisIndexTest, DateTextPartsOfTheKeysNarrowTheSearch) {
  const bool sqlite = GetParam() == testdb::Backend::Sqlite;
  for (const Selection& s : Selections()) {
    const std::string routine = s.routine;
    if (routine != "Nza_PKeyUpd" && routine != "Nza_PKeyVon" && routine.rfind("Nza_Sa1Pnr", 0) != 0 &&
        routine != "Tag_PKeyReadk" &&
        routine != "Tag_Von" && routine != "Bup_AbrTag" && routine != "Gps_PKeyReadk" && routine != "Gaz_PKeyReadk")
      continue;
    const std::string plan = testdb::QueryPlan(std::string("select 1 ") + s.where, s.params);
    EXPECT_TRUE(SeeksOnDateText(plan, sqlite)) << routine << "\n" << plan;
  }
}

INSTANTIATE_DB_TEST(AnalysisIndexTest);

}  // namespace
