#include "scenario_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "db/engine/access.h"
#include "db/engine/field.h"
#include "db/tables/nzp.h"
#include "db/tables/rcv.h"
#include "db_fixture.h"
#include "intake/receive.h"
#include "base/msglog.h"

namespace scenario {
namespace {

void Check(int rc, std::string_view what) { EXPECT_EQ(0, rc) << what; }

}  // namespace

// ---- master data -------------------------------------------------------

std::string DayFromToday(int days) {
  return testdb::QueryText("select TO_CHAR(ADD_DAYS(trunc(sysdate),:b0),'yyyymmdd')", {db::Value::integer(days)});
}

FzuSatz FunctionCode(std::string_view fcd, std::string_view mld, int upl, int gen, int art) {
  FzuSatz f;
  f.FzuFcd = fcd;
  f.FzuMld = mld;
  f.FzuBez = fcd;
  f.FzuArt = art;
  f.FzuObj = 1;
  f.FzuUpl = upl;
  f.FzuGen = gen;
  f.FzuSta = 1;
  f.FzuErf = "test";
  return f;
}

std::vector<FzuSatz> StandardFunctionCodes() {
  return {FunctionCode("A01", "RB", 1, 1), FunctionCode("A02", "RE", 1, 1), FunctionCode("A03", "AB", 1, 1),
          FunctionCode("A04", "AU", 1, 1), FunctionCode("A05", "AW", 1, 1), FunctionCode("A06", "ZM", 1, 0),
          FunctionCode("A07", "AE", 1, 1), FunctionCode("P01", "MA", 0, 0), FunctionCode("P04", "ME", 0, 0),
          FunctionCode("P05", "PA", 0, 1), FunctionCode("P06", "PU", 0, 0), FunctionCode("P07", "PW", 0, 0),
          FunctionCode("P08", "PE", 0, 1), FunctionCode("M01", "FS", 0, 0), FunctionCode("M02", "FF", 0, 0),
          FunctionCode("M03", "BS", 0, 1), FunctionCode("M04", "ES", 0, 1), FunctionCode("Z01", "SZ", 1, 0, 2)};
}

void LoadFunctionCodes(const std::vector<FzuSatz>& codes) {
  for (const FzuSatz& f : codes) Check(Fzu_PKeyIns(&f, "0"), f.FzuFcd.view());
}

void LoadStandardFunctionCodes() { LoadFunctionCodes(StandardFunctionCodes()); }

ApkSatz Order(std::string_view apk, std::int16_t operations, std::int32_t completionRule) {
  ApkSatz o;
  o.ApkApk = apk;
  o.ApkBz1 = "Gear housing";
  o.ApkSts = 1;
  o.ApkAfo = operations;
  o.ApkTnr = "PART-4711";
  o.ApkSme = 100;
  o.ApkMee = "ST";
  o.ApkErf = "test";
  o.ApkAba = completionRule;
  return o;
}

AppSatz Operation(std::string_view apk, std::string_view app, std::string_view successor) {
  AppSatz o;
  o.AppApk = apk;
  o.AppApp = app;
  o.AppVaf = "00000";
  o.AppNaf = successor;
  o.AppBz1 = "Milling";
  o.AppSts = 0;
  o.AppSme = 100;
  o.AppMee = "ST";
  o.AppErf = "test";
  return o;
}

AplSatz WorkPlace(std::string_view apl) {
  AplSatz w;
  w.AplApl = apl;
  w.AplBez = "Milling centre";
  w.AplApg = "GRP1";
  w.AplSts = 1;
  w.AplUbg = "0000";
  w.AplErf = "test";
  return w;
}

PrvSatz Person(std::string_view pnr, std::string_view badge) {
  PrvSatz p;
  p.PrvPnr = pnr;
  p.PrvAwn = badge;
  p.PrvGvo = DayFromToday(-30);
  p.PrvNam = "Worker";
  return p;
}

void Insert(const ApkSatz& apk) { Check(Apk_PKeyIns(&apk), apk.ApkApk.view()); }
void Insert(const AppSatz& app) { Check(App_PKeyIns(&app), app.AppApp.view()); }
void Insert(const AplSatz& apl) { Check(Apl_PKeyIns(&apl), apl.AplApl.view()); }
void Insert(const PrvSatz& prv) { Check(Prv_PKeyIns(&prv), prv.PrvPnr.view()); }

void SetNoteSwitch(int kind, bool notes) {
  testdb::Exec("delete from Kvs591Nzp where NzpAkz=:b0", {db::Value::integer(kind)});
  NzpSatz nzp;
  nzp.NzpAkz = kind;
  nzp.NzpGvn = DayFromToday(-10);
  nzp.NzpGbi = DayFromToday(10);
  nzp.NzpAak = 1;
  nzp.NzpMrk = notes ? 1 : 0;
  Check(Nzp_PKeyIns(&nzp), "Nzp_PKeyIns");
}

// ---- telegrams ---------------------------------------------------------

std::string Telegram(std::string_view fcd, std::string_view date, std::string_view time, std::string_view data) {
  std::string t = Fixed("TERMINAL-HEAD", 52);
  t += "1";                   // TelKz1
  t += "0";                   // TelOff
  t += "T1";                  // terminal
  t += "0";                   // TelKz2
  t += date.substr(2, 6);     // yymmdd
  t += Fixed(time, 6);
  t += "00";                  // TelKz3
  t += Fixed(fcd, 3);
  t += data;
  return t;
}

std::string OrderData(std::string_view badge, std::string_view apk, std::string_view app, std::string_view apl) {
  return Fixed(badge, 8) + Fixed(apk, 12) + Fixed(app, 5) + Fixed(apl, 10);
}

std::string QuantityData(std::string_view badge, std::string_view apk, std::string_view app, std::string_view apl,
                         double good, double reject) {
  return OrderData(badge, apk, app, apl) + Quantity(good) + Quantity(reject) + Quantity(0) + Quantity(0);
}

std::string InterruptionData(std::string_view badge, std::string_view apk, std::string_view app,
                             std::string_view apl, std::string_view reason) {
  return QuantityData(badge, apk, app, apl, 0) + " " + Fixed(reason, 4) + "   ";
}

std::string EndData(std::string_view badge, std::string_view apk, std::string_view app, std::string_view apl,
                    double good, char finished) {
  return QuantityData(badge, apk, app, apl, good) + std::string(1, finished) + " " + "0000";
}

std::string WorkPlaceData(std::string_view badge, std::string_view apl) {
  return Fixed(badge, 8) + Fixed(apl, 10) + Fixed("", 11);
}

std::string WorkPlaceReasonData(std::string_view badge, std::string_view apl, std::string_view reason) {
  return Fixed(badge, 8) + Fixed(apl, 10) + " " + Fixed(reason, 4);
}

std::string PersonReasonData(std::string_view badge, std::string_view apk, std::string_view app,
                             std::string_view apl, std::string_view reason) {
  return OrderData(badge, apk, app, apl) + " " + Fixed(reason, 4) + Fixed("", 11);
}

std::string PersonEndData(std::string_view badge, std::string_view apk, std::string_view app,
                          std::string_view apl, double good) {
  return OrderData(badge, apk, app, apl) + Fixed("", 11) + Quantity(good) + Quantity(0) + Quantity(0) +
         Quantity(0) + " " + "0000";
}

std::string SpecialData(std::string_view badge, std::string_view pnr, std::string_view apk, std::string_view app,
                        std::string_view apl, double hoursMinutes) {
  char value[16];
  std::snprintf(value, sizeof value, "%09lld", static_cast<long long>(std::llround(hoursMinutes * 100)));
  return Fixed(badge, 8) + Fixed(pnr, 8) + Fixed(apk, 12) + Fixed(app, 5) + Fixed(apl, 10) + value;
}

// ---- a small shop floor -------------------------------------------------

void LoadShopFloor() {
  LoadStandardFunctionCodes();
  Insert(WorkPlace(kWp));
  Insert(WorkPlace(kWp2));
  for (const Worker& w : {kAnna, kBen, kCara, kDan}) Insert(Person(w.pnr, w.badge));
  Insert(Order("ORD000000001", 2, 1));
  Insert(Operation("ORD000000001", "00010", "00020"));
  Insert(Operation("ORD000000001", "00020", "00000"));
}

std::string OrderTelegram(std::string_view fcd, std::string_view time, const Worker& w, std::string_view apk,
                          std::string_view app, std::string_view apl) {
  return Telegram(fcd, kDay, time, OrderData(w.badge, apk, app, apl));
}

std::string QuantityTelegram(std::string_view fcd, std::string_view time, const Worker& w, std::string_view apk,
                             std::string_view app, double good, double reject) {
  return Telegram(fcd, kDay, time, QuantityData(w.badge, apk, app, kWp, good, reject));
}

std::string InterruptTelegram(std::string_view time, const Worker& w, std::string_view apk, std::string_view app,
                              std::string_view reason) {
  return Telegram("A04", kDay, time, InterruptionData(w.badge, apk, app, kWp, reason));
}

std::string EndTelegram(std::string_view time, const Worker& w, std::string_view apk, std::string_view app,
                        double good, char finished) {
  return Telegram("A07", kDay, time, EndData(w.badge, apk, app, kWp, good, finished));
}

std::string PersonTelegram(std::string_view fcd, std::string_view time, const Worker& w, std::string_view apl) {
  return Telegram(fcd, kDay, time, WorkPlaceData(w.badge, apl));
}

std::string WorkPlaceTelegram(std::string_view fcd, std::string_view time, const Worker& w,
                              std::string_view reason, std::string_view apl) {
  return Telegram(fcd, kDay, time, WorkPlaceReasonData(w.badge, apl, reason));
}

std::string PersonReasonTelegram(std::string_view fcd, std::string_view time, const Worker& w,
                                 std::string_view apk, std::string_view app, std::string_view reason) {
  return Telegram(fcd, kDay, time, PersonReasonData(w.badge, apk, app, kWp, reason));
}

std::string PersonEndTelegram(std::string_view time, const Worker& w, std::string_view apk, std::string_view app,
                              double good) {
  return Telegram("P08", kDay, time, PersonEndData(w.badge, apk, app, kWp, good));
}

// ---- feeding -----------------------------------------------------------

void Queue(const std::string& telegram) {
  static unsigned serial = 0;
  ++serial;
  RcvSatz rcv;
  char moment[32];
  // Distinct arrival moments keep the queue in the order of queueing.
  const unsigned second = serial % 86400;
  std::snprintf(moment, sizeof moment, "20260101%02u%02u%02u", second / 3600, second / 60 % 60, second % 60);
  rcv.RcvMdt = moment;
  rcv.RcvLfn = static_cast<std::int32_t>(serial);
  rcv.RcvDta = telegram;
  rcv.RcvEsb = "test";
  Check(Rcv_PKeyIns(&rcv), "Rcv_PKeyIns");
}

void BookQueue() {
  Input_Buchung();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv")) << "every queued telegram is booked";
}

void Book(const std::string& telegram) {
  Queue(telegram);
  BookQueue();
}

// ---- reading back ------------------------------------------------------

std::vector<MelSatz> BookingsOf(std::int32_t keyBnr) {
  std::vector<MelSatz> out;
  for (const db::Row& r : testdb::Query("select KeyLfn from Kvs560Mel where KeyBnr=:b0 order by KeyLfn",
                                        {db::Value::integer(keyBnr)})) {
    MelSatz mel;
    mel.KeyBnr = keyBnr;
    mel.KeyLfn = static_cast<std::int32_t>(r[0].asInt());
    EXPECT_EQ(0, Mel_PKeyReadk(&mel));
    out.push_back(mel);
  }
  return out;
}

std::vector<MelSatz> Bookings() {
  std::vector<MelSatz> out;
  for (const db::Row& r : testdb::Query("select KeyBnr, KeyLfn from Kvs560Mel order by KeyBnr, KeyLfn")) {
    MelSatz mel;
    mel.KeyBnr = static_cast<std::int32_t>(r[0].asInt());
    mel.KeyLfn = static_cast<std::int32_t>(r[1].asInt());
    EXPECT_EQ(0, Mel_PKeyReadk(&mel));
    out.push_back(mel);
  }
  return out;
}

std::vector<MelSatz> LastTelegramBookings() {
  std::int64_t last = testdb::QueryInt("select max(KeyBnr) from Kvs560Mel");
  return BookingsOf(static_cast<std::int32_t>(last));
}

MelSatz LastTelegramBooking() {
  std::vector<MelSatz> booked = LastTelegramBookings();
  if (booked.empty()) {
    ADD_FAILURE() << "no booking";
    return MelSatz();
  }
  return booked.front();
}

std::optional<MapSatz> Vector(std::string_view obj, std::string_view apl, std::string_view apk,
                              std::string_view app, std::string_view pnr) {
  MapSatz map;
  map.MapObj = obj;
  map.MapApl = apl;
  map.MapApk = apk;
  map.MapApp = app;
  map.MapPnr = pnr;
  int rc = Map_PKeyReadk(&map);
  EXPECT_TRUE(rc == 0 || rc == 1403) << rc;
  if (rc != 0) return std::nullopt;
  return map;
}

std::optional<MapSatz> WorkPlaceOrderVector(std::string_view apl, std::string_view apk, std::string_view app) {
  return Vector("M_A", Fixed(apl, 10), Fixed(apk, 12), Fixed(app, 5), "00000000");
}

std::optional<MapSatz> PersonOrderVector(std::string_view apl, std::string_view apk, std::string_view app,
                                         std::string_view pnr) {
  return Vector("MPA", Fixed(apl, 10), Fixed(apk, 12), Fixed(app, 5), pnr);
}

std::int64_t VectorCount() { return testdb::CountRows("Kvs565Map"); }

ApkSatz ReadOrder(std::string_view apk) {
  ApkSatz o;
  o.ApkApk = apk;
  EXPECT_EQ(0, Apk_PKeyReadk(&o)) << apk;
  return o;
}

AppSatz ReadOperation(std::string_view apk, std::string_view app) {
  AppSatz o;
  o.AppApk = apk;
  o.AppApp = app;
  EXPECT_EQ(0, App_PKeyReadk(&o)) << apk << "/" << app;
  return o;
}

AplSatz ReadWorkPlace(std::string_view apl) {
  AplSatz w;
  w.AplApl = apl;
  EXPECT_EQ(0, Apl_PKeyReadk(&w)) << apl;
  return w;
}

std::vector<std::string> NoteKinds() {
  std::vector<std::string> out;
  for (const db::Row& r : testdb::Query("select MrkKng from Kvs563Mrk")) out.push_back(r[0].asText());
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<MerkSatz> NotesOfKind(std::string_view kind) {
  std::vector<MerkSatz> out;
  Mrk_MrkKng notes;
  if (notes.Open(std::string(kind).c_str()) != 0) {
    ADD_FAILURE() << "Mrk_MrkKng_Open";
    return out;
  }
  MerkSatz mrk;
  while (notes.Read(&mrk) == 0) out.push_back(mrk);
  return out;
}

std::vector<PpsSatz> Uploads() {
  static constexpr db::Field kRow[] = {
      DB_FIELD(PpsSatz, PpsDat), DB_FIELD(PpsSatz, PpsLfn), DB_FIELD(PpsSatz, PpsVkz), DB_FIELD(PpsSatz, PpsFcd),
      DB_FIELD(PpsSatz, PpsPnr), DB_FIELD(PpsSatz, PpsApl), DB_FIELD(PpsSatz, PpsApk), DB_FIELD(PpsSatz, PpsApp),
      DB_FIELD(PpsSatz, PpsAwn), DB_FIELD(PpsSatz, PpsMdt), DB_FIELD(PpsSatz, PpsMzt), DB_FIELD(PpsSatz, PpsUbg),
      DB_FIELD(PpsSatz, PpsAug), DB_FIELD(PpsSatz, PpsSts), DB_FIELD(PpsSatz, PpsSto), DB_FIELD(PpsSatz, PpsGum),
      DB_FIELD(PpsSatz, PpsFam), DB_FIELD(PpsSatz, PpsMam), DB_FIELD(PpsSatz, PpsNam), DB_FIELD(PpsSatz, PpsMee),
      DB_FIELD(PpsSatz, PpsZt1), DB_FIELD(PpsSatz, PpsZt2), DB_FIELD(PpsSatz, PpsZt3), DB_FIELD(PpsSatz, PpsZf1),
      DB_FIELD(PpsSatz, PpsZf2), DB_FIELD(PpsSatz, PpsZf3)};
  std::vector<PpsSatz> out;
  for (const db::Row& r :
       testdb::Query("select PpsDat,PpsLfn,PpsVkz,PpsFcd,PpsPnr,PpsApl,PpsApk,PpsApp,PpsAwn,PpsMdt,PpsMzt,PpsUbg,"
                     "PpsAug,PpsSts,PpsSto,PpsGum,PpsFam,PpsMam,PpsNam,PpsMee,PpsZt1,PpsZt2,PpsZt3,PpsZf1,PpsZf2,"
                     "PpsZf3 from Kvs580Pps order by PpsLfn")) {
    PpsSatz pps;
    db::setFields(&pps, kRow, r);
    out.push_back(pps);
  }
  return out;
}

std::string Flags(const MelSatz& mel) {
  return mel.Sts00E.str() + mel.Sts00R.str() + mel.Sts00A.str() + mel.Sts00U.str() + mel.Sts00S.str();
}

std::string Flags(const MapSatz& map) {
  return map.Map00E.str() + map.Map00R.str() + map.Map00A.str() + map.Map00U.str() + map.Map00S.str();
}

// ---- message log -------------------------------------------------------

LogCapture::LogCapture() {
  static int serial = 0;
  file_ = testdb::ScratchDir() + "/scenario-" + std::to_string(++serial) + ".txt";
  std::remove(file_.c_str());
  MsgOpen(kMsgDebug | kMsgSystem | kMsgError, file_);  // as the worker opens it
}

std::string LogCapture::Text() const {
  std::ifstream in(file_, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int LogCapture::Count(std::string_view function, std::string_view message) const {
  const std::string text = Text();
  int count = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t next = text.find('\xFE', start + 1);
    std::string entry = text.substr(start, next == std::string::npos ? std::string::npos : next - start);
    if (entry.find("Message____: " + std::string(message) + "\r\n") != std::string::npos &&
        entry.find("Funktion___: " + std::string(function) + "\r\n") != std::string::npos)
      ++count;
    if (next == std::string::npos) break;
    start = next;
  }
  return count;
}

}  // namespace scenario
