#include "db/schema.h"

namespace db::schema {

// Master data belongs to other programs; these are the columns the worker
// reads, selects on or writes, with the keys those programs keep unique.
// Every keyed read and every cursor of the worker is served by an index.
const std::vector<Table>& masterTables() {
  static const std::vector<Table> tables = {
      {"Kvs133Bak", "BakDtm D, BakJhr I, BakMon I, BakTag I, BakWch I, BakWtg I, BakJtg I",
       {{"Kvs133Bak_key", "BakDtm", true},
        {"Kvs133Bak_day", "TO_CHAR(BakDtm,'yyyymmdd')"}},
       true},
      {"Kvs133Kal", "KalNum T6, KalDtm D, KalBtp T4",
       {{"Kvs133Kal_key", "KalNum, TO_CHAR(KalDtm,'yyyymmdd')", true}},
       true},
      {"Kvs591Nzp",
       "NzpAkz I, NzpGvn D, NzpGbi D, NzpAak I, NzpAwt I, NzpKjh I, NzpKmn I, NzpKwo I, NzpKtg I, NzpAan I, "
       "NzpVfh I, NzpNfh I, NzpAus T9, NzpMrk I",
       {{"Kvs591Nzp_key", "NzpAkz, NzpGvn", true}}},
      {"Kvs501Apk",
       "ApkApk T13, ApkBz1 T31, ApkBz2 T31, ApkTxt T11, ApkSts I, ApkSis I, ApkKun T8, ApkKb1 T31, ApkKb2 T31, "
       "ApkBgs D, ApkEns D, ApkAfo I, ApkEaf I, ApkTnr T21, ApkTb1 T31, ApkTb2 T31, ApkSme F, ApkIme F, "
       "ApkMee T4, ApkBdi D, ApkEdi D, ApkFbe T11, ApkKst T11, ApkZf1 T31, ApkZf2 T31, ApkZf3 T31, ApkKnz T2, "
       "ApkSsn I, ApkDna T4, ApkDwn T9, ApkSta I, ApkErf T9, ApkAba I, ApkDat D",
       {{"Kvs501Apk_key", "ApkApk", true}}},
      {"Kvs504App",
       "AppApk T13, AppApp T6, AppVaf T6, AppNaf T6, AppBz1 T31, AppBz2 T31, AppTxt T11, AppSts I, AppSis I, "
       "AppBdi D, AppBds D, AppSbd D, AppEdi D, AppEds D, AppSed D, AppRad D, AppRed D, AppAgs I, AppAbs I, "
       "AppAes I, AppSme F, AppIme F, AppAme F, AppMee T4, AppSza F, AppStr F, AppSte F, AppIta F, AppItr F, "
       "AppIte F, AppApg T11, AppApl T11, AppKt1 T16, AppKz1 T4, AppKt2 T16, AppKz2 T4, AppKt3 T16, AppKz3 T4, "
       "AppKt4 T16, AppKz4 T4, AppFbe T11, AppKst T11, AppZf1 T31, AppZf2 T31, AppZf3 T31, AppKnz T2, AppSsn I, "
       "AppDna T4, AppDwn T9, AppSta I, AppDat D, AppErf T9",
       {{"Kvs504App_key", "AppApk, AppApp", true}, {"Kvs504App_zf2", "AppZf2"}}},
      {"Kvs531Apl",
       "AplApl T11, AplBez T31, AplTxt T11, AplApg T11, AplFbe T11, AplSts I, AplSis I, AplApr I, AplAaf I, "
       "AplUbg T5, AplUdt D, AplTag I, AplVrf F, AplRsp F, AplRsi F, AplAfp F, AplAfi F, AplPau F, AplUnt F, "
       "AplIak F, AplAvt I, AplKap F, AplAvr F, AplAvp F, AplSt1 T11, AplSt2 T11, AplSt3 T11, AplSf1 F, "
       "AplSf2 F, AplSf3 F, AplZf1 T31, AplZf2 T31, AplZf3 T31, AplDna T4, AplDwn T9, AplSta I, AplErf T9, "
       "AplDat D",
       {{"Kvs531Apl_key", "AplApl", true}}},
      {"Kvs510Prv",
       "PrvPnr T9, PrvGvo D, PrvGbi D, PrvBer I, PrvKst T11, PrvFbe T11, PrvMmb I, PrvZf1 T31, PrvZf2 T31, "
       "PrvZf3 T31, PrvSta I, PrvErf T9, PrvDna T4, PrvDwn T9, PrvAwn T9, PrvAwa I, PrvAnw I, PrvApl I, "
       "PrvApp I, PrvPzm I, PrvAvn D, PrvAbi D, PrvNam T51, PrvStr T51, PrvOrt T51",
       {{"Kvs510Prv_key", "PrvPnr", true}, {"Kvs510Prv_awn", "PrvAwn, PrvGvo"}}},
      {"Kvs553Fzu",
       "FzuFcd T4, FzuMld T4, FzuBez T31, FzuTxt T11, FzuArt I, FzuObj I, FzuUpl I, FzuGen I, FzuZf1 T31, "
       "FzuZf2 T31, FzuZf3 T31, FzuSta I, FzuErf T9, FzuAec T2",
       {{"Kvs553Fzu_key", "FzuFcd, FzuAec", true}}},
      {"Kvs532Aem",
       "AemApg T11, AemKng I, AemEmo T11, AemGvo D, AemGbi D, AemBez T31, AemTxt T11, AemKal T6, AemLkz I, "
       "AemVzt I, AemEzt I, AemPrz I, AemAfz I, AemApz I, AemPrp I, AemAfp I, AemApp I, AemMaz I",
       {{"Kvs532Aem_key", "AemApg, AemKng, AemGvo", true}}},
      {"Kvs533Emo", "EmoEmo T11, EmoTtp T4, EmoTxt T11, EmoBeg I, EmoEnd I, EmoArt I, EmoPmo T11",
       {{"Kvs533Emo_key", "EmoEmo, EmoTtp, EmoBeg", true}}},
      {"Kvs536Pmz", "PmzPmo T11, PmzPms T6, PmzGvo D, PmzGbi D",
       {{"Kvs536Pmz_key", "PmzPmo, PmzPms, PmzGvo", true}}},
      {"Kvs535Pms", "PmsNum T6, PmsBeg I, PmsEnd I, PmsInt I, PmsPse I, PmsBzt I, PmsPrz I",
       {{"Kvs535Pms_key", "PmsNum", true}}},
      {"Kvs329Ztg", "ZtgPnr T9, ZtgVon D, ZtgAzt T8, ZtgAgr T6, ZtgTtp T4",
       {{"Kvs329Ztg_key", "ZtgPnr, TO_CHAR(ZtgVon,'yyyymmdd')", true}}},
      {"Kvs140Azv",
       "AzvNum T8, AzvGvo D, AzvPsm T6, AzvMav I, AzvMab I, AzvNov I, AzvNob I, AzvGlv I, AzvGlb I, AzvKev I, "
       "AzvKeb I, AzvSol I",
       {{"Kvs140Azv_key", "AzvNum, AzvGvo", true}}},
  };
  return tables;
}

}  // namespace db::schema
