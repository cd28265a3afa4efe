// Every keyed read and cursor of the master tables is served by an index:
// the plans of their selections contain no full table scan on either
// backend. The selections are those of the access routines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db_fixture.h"

namespace {

class MasterIndexTest : public DbTest {};

struct Selection {
  const char* routine;
  const char* sql;
  std::vector<db::Value> params;
};

db::Value T(const char* s) { return db::Value::text(s); }

std::vector<Selection> Selections() {
  return {
      {"Apk_PKeyReadk", "select ApkBz1 from Kvs501Apk where ApkApk=:b0", {T("A1")}},
      {"Apk_PKeyUpd", "update Kvs501Apk set ApkSts=1 where ApkApk=:b0", {T("A1")}},
      {"App_PKeyReadk", "select AppBz1 from Kvs504App where (AppApk=:b0 and AppApp=:b2)", {T("A1"), T("00010")}},
      {"App_PKeyUpd", "update Kvs504App set AppSts=1 where (AppApk=:b0 and AppApp=:b1)", {T("A1"), T("00010")}},
      {"App_Zf2", "select AppApk from Kvs504App where AppZf2=:b0 order by AppZf2", {T("key")}},
      {"Apl_PKeyReadk", "select AplBez from Kvs531Apl where AplApl=:b0", {T("WP1")}},
      {"Apl_PKeyUpd", "update Kvs531Apl set AplSts=1 where AplApl=:b0", {T("WP1")}},
      {"Prv_PKeyReadk", "select PrvAwn from Kvs510Prv where PrvPnr=:b0", {T("1")}},
      {"Awn_PKeyRead",
       "select PrvPnr from Kvs510Prv where ((PrvAwn=:b28 and PrvGvo<=trunc(sysdate)) and "
       "(PrvGbi>=trunc(sysdate) or PrvGbi is null )) order by PrvPnr",
       {T("B1")}},
      {"Fcd_PKeyReadk", "select FzuArt from Kvs553Fzu where (FzuFcd=:b0 and FzuAec=:b27)", {T("A01"), T("0")}},
      {"Aem_Schicht",
       "select AemEmo ,KalBtp ,BakWtg from Kvs532Aem ,KvSystem.Kvs133Kal ,KvSystem.Kvs133Bak ,Kvs533Emo "
       "where ((((((((AemApg=:b0 and AemKng=:b1) and TO_CHAR(AemGvo,'yyyymmdd')<=:b2) and "
       "(TO_CHAR(AemGbi,'yyyymmdd')>=:b2 or AemGbi is null )) and AemKal=KalNum) and "
       "TO_CHAR(KalDtm,'yyyymmdd')=:b2) and TO_CHAR(BakDtm,'yyyymmdd')=:b2) and AemEmo=EmoEmo) "
       "and EmoTtp=KalBtp) order by EmoBeg",
       {T("GRP1"), db::Value::integer(1), T("20261207")}},
      {"Aem_Count", "select count(*)  from Kvs532Aem where (AemApg=:b1 and AemKng=2)", {T("WP1")}},
      {"Emo_Schicht", "select EmoTxt from Kvs533Emo where (EmoEmo=:b0 and EmoTtp=:b1) order by EmoBeg",
       {T("SM1"), T("AT")}},
      {"Emo_Pausen",
       "select EmoTxt ,PmsBeg from Kvs533Emo ,Kvs536Pmz ,Kvs535Pms "
       "where (((((EmoEmo=:b0 and EmoTtp=:b1) and EmoPmo=PmzPmo) and PmzPms=PmsNum) and "
       "TO_CHAR(PmzGvo,'yyyymmdd')<=:b2) and TO_CHAR(PmzGbi,'yyyymmdd')>=:b2) order by EmoBeg ,PmsBeg",
       {T("SM1"), T("AT"), T("20261207")}},
      {"Bak_PKeyReadk", "select BakJhr from KvSystem.Kvs133Bak where BakDtm=ADD_DAYS(TO_DATE(:b14,'yyyymmdd'),:b15)",
       {T("20261207"), db::Value::integer(1)}},
      {"Bak_Count",
       "select count(*)  from KvSystem.Kvs133Bak where (BakDtm>TO_DATE(:b1,'yyyymmdd') and "
       "BakDtm<=TO_DATE(:b2,'yyyymmdd'))",
       {T("20261207"), T("20261208")}},
      {"Bak_Von",
       "select BakJhr from KvSystem.Kvs133Bak where (TO_CHAR(BakDtm,'yyyymmdd')>=:b0 and "
       "TO_CHAR(BakDtm,'yyyymmdd')<=:b1) order by BakDtm",
       {T("20261207"), T("20261208")}},
      {"Bak_Datum", "select BakJhr from KvSystem.Kvs133Bak where TO_CHAR(BakDtm,'yyyymmdd')=:b0", {T("20261207")}},
      {"Nzp_PKeyReadk",
       "select NzpAak from Kvs591Nzp where ((NzpAkz=:b0 and NzpGvn<trunc(sysdate)) and NzpGbi>trunc(sysdate))",
       {db::Value::integer(1)}},
      {"Ztg_Pnr",
       "select AzvSol ,BakWtg from Kvs329Ztg ,Kvs140Azv ,KvSystem.Kvs133Bak "
       "where ((((ZtgPnr=:b0 and TO_CHAR(ZtgVon,'yyyymmdd')=:b1) and "
       "TO_CHAR(BakDtm,'yyyymmdd')=:b1) and AzvNum=ZtgAzt) and TO_CHAR(AzvGvo,'yyyymmdd')<=:b1) "
       "order by AzvGvo desc",
       {T("00000042"), T("20261207")}},
  };
}

TEST_P(MasterIndexTest, NoSelectionScansAWholeTable) {
  const bool sqlite = GetParam() == testdb::Backend::Sqlite;
  for (const Selection& s : Selections()) {
    const std::string plan = testdb::QueryPlan(s.sql, s.params);
    ASSERT_FALSE(plan.empty()) << s.routine;
    const char* fullScan = sqlite ? "SCAN " : "Seq Scan";
    EXPECT_EQ(std::string::npos, plan.find(fullScan)) << s.routine << "\n" << plan;
  }
}

INSTANTIATE_DB_TEST(MasterIndexTest);

}  // namespace
