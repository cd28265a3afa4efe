#include "db/tables/schema.h"

#include "db/tables/tables.h"

namespace db::schema {

// Index parts on date texts are written exactly as the statements write
// them, so that a TO_CHAR selection is served by the index.
const std::vector<Table>& analysisTables() {
  static const std::vector<Table> tables = {
      {"Kvs590Nza", db::tables::Nza().schemaColumns(),
       {// The key. An empty key text is NULL, and NULLs never clash in a
        // unique index; the key counts an empty text as one value, so that
        // a second period of a work place without person is a duplicate too.
        {"Kvs590Nza_key",
         "NzaSa, coalesce(NzaApl,''), coalesce(NzaApk,''), coalesce(NzaApp,''), coalesce(NzaPnr,''), NzaDtm",
         true},
        // Keyed reads, updates and the start-window cursors.
        {"Kvs590Nza_start", "NzaSa, NzaApl, NzaApk, NzaApp, NzaPnr, TO_CHAR(NzaDtm,'yyyymmddHH24MISS')"},
        // The work periods of a person, and those that end in a window:
        // only work periods are ever looked for by person, so the rows of
        // every other kind stay out (and cost no upkeep).
        {"Kvs590Nza_person", "NzaPnr, TO_CHAR(NzaDtm,'yyyymmddHH24MISS')", false, "NzaSa=1"},
        {"Kvs590Nza_person_end", "NzaPnr, TO_CHAR(NzaEdt,'yyyymmddHH24MISS')", false, "NzaSa=1"}}},
      {"Kvs561Mlt", db::tables::Mlt().schemaColumns(),
       {{"Kvs561Mlt_key", "MltErf, MltDat, MltLfn", true}}},
      {"Kvs327Tag", db::tables::Tag().schemaColumns(),
       {{"Kvs327Tag_key", "TagPnr, TO_CHAR(TagTag,'yyyymmdd')", true}}},
      {"Kvs328Bup", db::tables::Bup().schemaColumns(),
       {{"Kvs328Bup_start", "BupPnr, (TO_CHAR(BupVon,'yyyymmdd')||TO_CHAR(BupUhr,'HH24MISS'))"}}},
      {"Kvs143Pse", db::tables::Pse().schemaColumns(),
       {{"Kvs143Pse_key", "PseNum, PseLfd", true}}},
      {"Kvs323Gps", db::tables::Gps().schemaColumns(),
       {{"Kvs323Gps_key", "GpsPnr, TO_CHAR(GpsDtm,'yyyymmdd'), GpsLfd", true}}},
      {"Kvs322Gaz", db::tables::Gaz().schemaColumns(),
       {{"Kvs322Gaz_key", "GazPnr, TO_CHAR(GazDtm,'yyyymmdd')", true}}},
  };
  return tables;
}

}  // namespace db::schema
