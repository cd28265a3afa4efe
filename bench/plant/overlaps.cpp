#include "plant/overlaps.h"

#include "db/engine/access.h"

namespace plant {

std::map<int, std::int64_t> CountOverlaps() {
  // b starts inside a and has a length of its own. Period rows of persons
  // always carry all four keys, so plain equality matches them.
  static db::Query q("Plant_Overlaps",
                     "select a.NzaSa, count(*) from Kvs590Nza a join Kvs590Nza b on b.NzaSa=a.NzaSa and "
                     "b.NzaApl=a.NzaApl and b.NzaApk=a.NzaApk and b.NzaApp=a.NzaApp and b.NzaPnr=a.NzaPnr and "
                     "b.NzaDtm>a.NzaDtm and b.NzaDtm<a.NzaEdt and b.NzaDtm<b.NzaEdt "
                     "where a.NzaEnd=1 and b.NzaEnd=1 group by a.NzaSa order by a.NzaSa");
  std::map<int, std::int64_t> pairs;
  db::Cursor c(q);
  if (c.open({}) != 0) return {{0, -1}};
  for (db::Row row; c.fetchRow(row) == 0;) pairs[static_cast<int>(row[0].asInt())] = row[1].asInt();
  c.close();
  return pairs;
}

}  // namespace plant
