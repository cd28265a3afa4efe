#include "db/tables/schema.h"

#include "db/tables/tables.h"

namespace db::schema {

const std::vector<Table>& queueTables() {
  static const std::vector<Table> tables = {
      {"Kvs570Rcv", db::tables::Rcv().schemaColumns(),
       {{"Kvs570Rcv_key", "RcvMdt, RcvLfn", true}}},
      {"Kvs571Rvs", db::tables::Rvs().schemaColumns(),
       {{"Kvs571Rvs_key", "RvsMdt, RvsLfn", true}}},
      {"Kvs552Bnr", db::tables::Bnr().schemaColumns(), {{"Kvs552Bnr_key", "BnrKey", true}}},
  };
  return tables;
}

}  // namespace db::schema
