#include "db/schema.h"

namespace db::schema {

// Index parts that hold date texts are written exactly like the cursors'
// selections, so that the date ranges and the newest-first order of the
// booking cursors are served by the index itself.
#define MEL_MOMENT_PARTS "TO_CHAR(KeyDat,'yyyymmdd'), TO_CHAR(KeyUhr,'HH24MISS'), KeySek"

const std::vector<Table>& bookingTables() {
  static const std::vector<Table> tables = {
      {"Kvs560Mel",
       "KeyBnr I, KeyLfn I, ObjTyp T4, KeyPnr T9, KeyApl T11, KeyApk T13, KeyApp T6, Sts00E T2, Sts00R T2, "
       "Sts00A T2, Sts00U T2, Sts00S T2, Sts006 T2, Sts007 T2, Sts008 T2, Sts009 T2, Sts010 T2, Sts011 T2, "
       "Sts012 T2, Sts013 T2, Sts014 T2, Sts015 T2, Sts016 T2, KeyDat D, KeyUhr D, KeySek T3, KeyUbg T6, "
       "KeyAug T5, MelMsk T4, MelAwn T9, MelFcd T4, MelTrm T3, MelOff T2, MelFnr I, MelGum F, MelFam F, "
       "MelMam F, MelNam F, MelZt1 F, MelZt2 F, MelZt3 F, MelMee T4, MelAec T2, MelTrc T2, MelErf T9, "
       "MelKsb T9, MelKdt D, MelKfc T4, MelKgm F, MelKfm F, MelKmm F, MelKnm F, KeyTnr T21, MelDat D",
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
      {"Kvs565Map",
       "MapBnr I, MapObj T4, MapPnr T9, MapApl T11, MapApk T13, MapApp T6, Map00E T2, Map00R T2, Map00A T2, "
       "Map00U T2, Map00S T2, Map006 T2, Map007 T2, Map008 T2, Map009 T2, Map010 T2, Map011 T2, Map012 T2, "
       "Map013 T2, Map014 T2, Map015 T2, Map016 T2, MapMdt D, MapMzt D, MapErf T9, MapSts T2, MapUbg T6, "
       "MapTnr T21, MapDat D",
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
      {"Kvs563Mrk",
       "MrkKng T4, MrkApl T11, MrkApk T13, MrkApp T6, MrkPnr T9, MrkBnr I, MrkMdt D, MrkDat D, MrkObj T4, "
       "MrkEsb T9",
       {
           {"Kvs563Mrk_kng", "MrkKng, MrkApl, MrkApk, MrkApp, MrkMdt"},
           {"Kvs563Mrk_key", "MrkKng, MrkApl, MrkApk, MrkApp, MrkPnr, MrkBnr"},
       }},
      {"Kvs554Err",
       "ErrErf T9, ErrEdt D, ErrBer T4, ErrPnr T9, ErrApl T11, ErrApk T13, ErrApp T6, ErrFnr I, ErrBnr I, "
       "ErrPgm T11, ErrFun T4, ErrDat D, ErrObj T4",
       {}},
      // Written for another program; it stores its dates and times as text.
      {"Kvs580Pps",
       "PpsDat T15, PpsLfn I, PpsVkz T4, PpsFcd T4, PpsPnr T9, PpsApl T11, PpsApk T13, PpsApp T6, PpsAwn T9, "
       "PpsMdt T9, PpsMzt T7, PpsUbg T6, PpsAug T5, PpsSts I, PpsSto T2, PpsGum F, PpsFam F, PpsMam F, "
       "PpsNam F, PpsMee T4, PpsZt1 F, PpsZt2 F, PpsZt3 F, PpsZf1 T11, PpsZf2 T21, PpsZf3 T31",
       {}},
  };
  return tables;
}

}  // namespace db::schema
