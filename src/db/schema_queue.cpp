#include "db/schema.h"

namespace db::schema {

const std::vector<Table>& queueTables() {
  static const std::vector<Table> tables = {
      {"Kvs570Rcv", "RcvMdt D, RcvLfn I, RcvDta T513, RcvEsb T9",
       {{"Kvs570Rcv_key", "RcvMdt, RcvLfn", true}}},
      {"Kvs571Rvs", "RvsMdt D, RvsMzt D, RvsLfn I, RvsVkz T4, RvsVdt D, RvsDta T513, RvsEsb T9",
       {{"Kvs571Rvs_key", "RvsMdt, RvsLfn", true}}},
      {"Kvs552Bnr", "BnrKey T8, BnrBnr I, BnrEdt D, BnrEsb T9", {{"Kvs552Bnr_key", "BnrKey", true}}},
  };
  return tables;
}

}  // namespace db::schema
