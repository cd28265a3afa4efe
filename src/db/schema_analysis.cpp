#include "db/schema.h"

namespace db::schema {

const std::vector<Table>& analysisTables() {
  static const std::vector<Table> tables = {};
  return tables;
}

}  // namespace db::schema
