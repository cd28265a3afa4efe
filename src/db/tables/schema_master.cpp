#include "db/tables/schema.h"

#include "db/tables/tables.h"

namespace db::schema {

// Master data belongs to other programs; these are the columns the worker
// reads, selects on or writes, with the keys those programs keep unique.
// Every keyed read and every cursor of the worker is served by an index.
const std::vector<Table>& masterTables() {
  static const std::vector<Table> tables = {
      {"Kvs133Bak", db::tables::Bak().schemaColumns(),
       {{"Kvs133Bak_key", "BakDtm", true},
        {"Kvs133Bak_day", "TO_CHAR(BakDtm,'yyyymmdd')"}},
       true},
      {"Kvs133Kal", db::tables::Kal().schemaColumns(),
       {{"Kvs133Kal_key", "KalNum, TO_CHAR(KalDtm,'yyyymmdd')", true}},
       true},
      {"Kvs591Nzp", db::tables::Nzp().schemaColumns(),
       {{"Kvs591Nzp_key", "NzpAkz, NzpGvn", true}}},
      {"Kvs501Apk", db::tables::Apk().schemaColumns(),
       {{"Kvs501Apk_key", "ApkApk", true}}},
      {"Kvs504App", db::tables::App().schemaColumns(),
       {{"Kvs504App_key", "AppApk, AppApp", true}, {"Kvs504App_zf2", "AppZf2"}}},
      {"Kvs531Apl", db::tables::Apl().schemaColumns(),
       {{"Kvs531Apl_key", "AplApl", true}}},
      {"Kvs510Prv", db::tables::Prv().schemaColumns(),
       {{"Kvs510Prv_key", "PrvPnr", true}, {"Kvs510Prv_awn", "PrvAwn, PrvGvo"}}},
      {"Kvs553Fzu", db::tables::Fzu().schemaColumns(),
       {{"Kvs553Fzu_key", "FzuFcd, FzuAec", true}}},
      {"Kvs532Aem", db::tables::Aem().schemaColumns(),
       {{"Kvs532Aem_key", "AemApg, AemKng, AemGvo", true}}},
      {"Kvs533Emo", db::tables::Emo().schemaColumns(),
       {{"Kvs533Emo_key", "EmoEmo, EmoTtp, EmoBeg", true}}},
      {"Kvs536Pmz", db::tables::Pmz().schemaColumns(),
       {{"Kvs536Pmz_key", "PmzPmo, PmzPms, PmzGvo", true}}},
      {"Kvs535Pms", db::tables::Pms().schemaColumns(),
       {{"Kvs535Pms_key", "PmsNum", true}}},
      {"Kvs329Ztg", db::tables::Ztg().schemaColumns(),
       {{"Kvs329Ztg_key", "ZtgPnr, TO_CHAR(ZtgVon,'yyyymmdd')", true}}},
      {"Kvs140Azv", db::tables::Azv().schemaColumns(),
       {{"Kvs140Azv_key", "AzvNum, AzvGvo", true}}},
  };
  return tables;
}

}  // namespace db::schema
