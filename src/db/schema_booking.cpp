#include "db/schema.h"

namespace db::schema {

const std::vector<Table>& bookingTables() {
  static const std::vector<Table> tables = {
      {"Kvs563Mrk", "MrkKng T4, MrkApl T11, MrkApk T13, MrkApp T6, MrkPnr T9, MrkBnr I, MrkMdt D, MrkDat D, "
                    "MrkObj T4, MrkEsb T9",
       {{"Kvs563Mrk_kng", "MrkKng, MrkApl, MrkApk, MrkApp, MrkMdt"}}},
  };
  return tables;
}

}  // namespace db::schema
