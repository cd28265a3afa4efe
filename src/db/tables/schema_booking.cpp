#include "db/tables/schema.h"

#include "db/tables/tables.h"

namespace db::schema {

// Index parts that hold date texts are written exactly like the cursors'
// selections, so that the date ranges and the newest-first order of the
// booking cursors are served by the index itself.
#define MEL_MOMENT_PARTS "TO_CHAR(KeyDat,'yyyymmdd'), TO_CHAR(KeyUhr,'HH24MISS'), KeySek"

const std::vector<Table>& bookingTables() {
  static const std::vector<Table> tables = {
      {"Kvs560Mel", db::tables::Mel().schemaColumns(),
       {
           {"Kvs560Mel_key", "KeyBnr, KeyLfn", true},
           // Mel_MVon: the bookings of an object kind at a work place.
           {"Kvs560Mel_apl", "ObjTyp, KeyApl, " MEL_MOMENT_PARTS},
           // Mel_MAVon and Mel_PrfRdBck_MA: an order operation at a work place.
           {"Kvs560Mel_app", "ObjTyp, KeyApl, KeyApk, KeyApp, " MEL_MOMENT_PARTS},
           // Mel_MPAVon and Mel_PrfRdBck_MPA: a person on it.
           {"Kvs560Mel_pnr", "ObjTyp, KeyApl, KeyApk, KeyApp, KeyPnr, " MEL_MOMENT_PARTS},
           // Mel_PrfRdBck_M: the bookings of one function code at a work
           // place, whose history grows with the table.
           {"Kvs560Mel_fcd", "ObjTyp, MelFcd, KeyApl, " MEL_MOMENT_PARTS},
       }},
      {"Kvs565Map", db::tables::Map().schemaColumns(),
       {
           // The key; also serves Map_AppPnr and Map_AplApp.
           {"Kvs565Map_key", "MapObj, MapApl, MapApk, MapApp, MapPnr", true},
           // An empty key part is stored as NULL, and NULLs never collide in
           // a unique index; this one keeps a key with empty parts unique too.
           {"Kvs565Map_keytext",
            "coalesce(MapObj,''), coalesce(MapApl,''), coalesce(MapApk,''), coalesce(MapApp,''), "
            "coalesce(MapPnr,'')",
            true},
           {"Kvs565Map_aplpnr", "MapObj, MapApl, MapPnr"},
           {"Kvs565Map_pnr", "MapObj, MapPnr, TO_CHAR(MapMdt,'yyyymmdd'), TO_CHAR(MapMzt,'HH24MISS')"},
       }},
      // Two notes may differ only in MrkMdt: no unique key.
      {"Kvs563Mrk", db::tables::Mrk().schemaColumns(),
       {
           {"Kvs563Mrk_kng", "MrkKng, MrkApl, MrkApk, MrkApp, MrkMdt"},
           {"Kvs563Mrk_key", "MrkKng, MrkApl, MrkApk, MrkApp, MrkPnr, MrkBnr"},
       }},
      {"Kvs554Err", db::tables::Err().schemaColumns(),
       {}},
      // Written for another program; it stores its dates and times as text.
      {"Kvs580Pps", db::tables::Pps().schemaColumns(),
       {}},
  };
  return tables;
}

}  // namespace db::schema
