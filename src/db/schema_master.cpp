#include "db/schema.h"

namespace db::schema {

const std::vector<Table>& masterTables() {
  static const std::vector<Table> tables = {
      {"Kvs133Bak", "BakDtm D, BakJhr I, BakMon I, BakTag I, BakWch I, BakWtg I, BakJtg I",
       {{"Kvs133Bak_key", "BakDtm", true}},
       true},
      {"Kvs591Nzp",
       "NzpAkz I, NzpGvn D, NzpGbi D, NzpAak I, NzpAwt I, NzpKjh I, NzpKmn I, NzpKwo I, NzpKtg I, NzpAan I, "
       "NzpVfh I, NzpNfh I, NzpAus T9, NzpMrk I",
       {{"Kvs591Nzp_akz", "NzpAkz, NzpGvn"}}},
  };
  return tables;
}

}  // namespace db::schema
