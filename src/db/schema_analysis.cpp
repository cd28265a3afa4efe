#include "db/schema.h"

namespace db::schema {

// Index parts on date texts are written exactly as the statements write
// them, so that a TO_CHAR selection is served by the index.
const std::vector<Table>& analysisTables() {
  static const std::vector<Table> tables = {
      {"Kvs590Nza",
       "NzaSa I, NzaApl T11, NzaApk T13, NzaApp T6, NzaPnr T11, NzaDtm D, NzaBeg I, NzaBbn I, NzaBln I, "
       "NzaBmk T4, NzaEdt D, NzaEnd I, NzaEbn I, NzaEln I, NzaEmk T4, NzaUbg T6, NzaRau I, NzaVar I, Nza00A I, "
       "Nza00U I, Nza00S I, NzaEmo T11, NzaWtg I, NzaJtg I, NzaTtp T4, NzaJwo T5, NzaWoc I, NzaPzm I, NzaMaz I, "
       "NzaNzr F, NzaBzr F, NzaUzr F, NzaPzr F, NzaRbz F, NzaNza F, NzaBza F, NzaUza F, NzaPza F, NzaAbz F, "
       "NzaNzu F, NzaBzu F, NzaPzu F, NzaUbz F, NzaSol F, NzaIst F, NzaPau F, NzaRf1 F, NzaRf2 F, NzaRf3 F, "
       "NzaFnr I, NzaErf T9, NzaGum F, NzaAum F, NzaTnr T21, NzaDat D",
       {// The key. An empty key text is NULL, and NULLs never clash in a
        // unique index; the key counts an empty text as one value, so that
        // a second period of a work place without person is a duplicate too.
        {"Kvs590Nza_key",
         "NzaSa, coalesce(NzaApl,''), coalesce(NzaApk,''), coalesce(NzaApp,''), coalesce(NzaPnr,''), NzaDtm",
         true},
        // Keyed reads, updates and the start-window cursors.
        {"Kvs590Nza_start", "NzaSa, NzaApl, NzaApk, NzaApp, NzaPnr, TO_CHAR(NzaDtm,'yyyymmddHH24MISS')"},
        // The work periods of a person.
        {"Kvs590Nza_person", "NzaSa, NzaPnr, TO_CHAR(NzaDtm,'yyyymmddHH24MISS')"}}},
      {"Kvs561Mlt",
       "MltErf T9, MltDat T15, MltLfn I, MltObj T4, MltPnr T9, MltApl T11, MltApk T13, MltApp T6, Mlt00E T2, "
       "Mlt00R T2, Mlt00A T2, Mlt00U T2, Mlt00S T2, MltBkg T2, MltPbe T2, MltArg T11, MltEmo T11, MltTtp T4, "
       "MltWoc I, MltWtg I, MltJtg I, MltJwo T5, MltMdt D, MltUbg T6",
       {{"Kvs561Mlt_key", "MltErf, MltDat, MltLfn", true}}},
      {"Kvs327Tag", "TagPnr T9, TagTag D, TagVon D, TagUhr D, TagBis D, TagEnd D, TagTgb T6, TagOne I",
       {{"Kvs327Tag_key", "TagPnr, TO_CHAR(TagTag,'yyyymmdd')", true}}},
      {"Kvs328Bup",
       "BupPnr T9, BupVon D, BupUhr D, BupFkt I, BupBis D, BupEnd D, BupFfk I, BupTvo I, BupTbi I, BupAvo I, "
       "BupAbi I, BupWzv I, BupWzb I",
       {{"Kvs328Bup_start", "BupPnr, (TO_CHAR(BupVon,'yyyymmdd')||TO_CHAR(BupUhr,'HH24MISS'))"}}},
      {"Kvs143Pse", "PseNum T6, PseLfd I, PseVon I, PseBis I, PseMin I, PseMax I, PseInt I, PsePse I",
       {{"Kvs143Pse_key", "PseNum, PseLfd", true}}},
      {"Kvs323Gps",
       "GpsPnr T9, GpsDtm D, GpsLfd I, GpsVon I, GpsBis I, GpsMin I, GpsMax I, GpsInt I, GpsPse I",
       {{"Kvs323Gps_key", "GpsPnr, TO_CHAR(GpsDtm,'yyyymmdd'), GpsLfd", true}}},
      {"Kvs322Gaz",
       "GazPnr T9, GazDtm D, GazMav I, GazMab I, GazNov I, GazNob I, GazKev I, GazGlv I, GazGlb I, GazKeb I, "
       "GazSol I",
       {{"Kvs322Gaz_key", "GazPnr, TO_CHAR(GazDtm,'yyyymmdd')", true}}},
  };
  return tables;
}

}  // namespace db::schema
