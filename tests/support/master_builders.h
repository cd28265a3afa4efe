// Small builders of master data rows for the database tests: each returns
// a plausible filled record that a test then adjusts.
#pragma once

#include <cstdio>
#include <string>

#include "base/civil_date.h"
#include "db/tables/master_records.h"
#include "db/engine/date_text.h"
#include "db_fixture.h"

namespace master {

// The database's today plus `days`, as yyyymmdd.
inline std::string DayFromToday(int days) {
  return testdb::QueryText("select TO_CHAR(ADD_DAYS(trunc(sysdate),:b0),'yyyymmdd')", {db::Value::integer(days)});
}

inline std::string ShiftDay(const std::string& date, int days) {
  const int y = std::stoi(date.substr(0, 4)), m = std::stoi(date.substr(4, 2)), d = std::stoi(date.substr(6, 2));
  int yy, mm, dd;
  CivilFromDays(DaysFromCivil(y, m, d) + days, yy, mm, dd);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", yy, mm, dd);
  return buf;
}

inline BakSatz CalendarDay(const std::string& date) {
  const int y = std::stoi(date.substr(0, 4)), m = std::stoi(date.substr(4, 2)), d = std::stoi(date.substr(6, 2));
  const auto days = DaysFromCivil(y, m, d);
  BakSatz bak;
  bak.BakDtm = date;
  bak.BakJhr = y;
  bak.BakMon = m;
  bak.BakTag = d;
  bak.BakJtg = static_cast<std::int32_t>(days - DaysFromCivil(y, 1, 1) + 1);
  bak.BakWch = (bak.BakJtg - 1) / 7 + 1;
  bak.BakWtg = static_cast<std::int32_t>((days + 3) % 7 + 1);  // Monday 1 ... Sunday 7
  return bak;
}

// One calendar row for every day from `from` to `to`, both included.
inline void FillCalendar(const std::string& from, const std::string& to) {
  for (std::string day = from; day <= to; day = ShiftDay(day, 1)) {
    BakSatz bak = CalendarDay(day);
    ASSERT_EQ(0, Bak_PKeyIns(&bak)) << day;
  }
}

inline ApkSatz Order(const char* apk) {
  ApkSatz o;
  o.ApkApk = apk;
  o.ApkBz1 = "Gear housing";
  o.ApkTxt = "txt";
  o.ApkSts = 1;
  o.ApkKun = "K1";
  o.ApkBgs = "20261201";
  o.ApkEns = "20261224";
  o.ApkAfo = 3;
  o.ApkTnr = "PART-4711";
  o.ApkSme = 100;
  o.ApkMee = "ST";
  o.ApkKnz = "A";
  o.ApkErf = "master";
  o.ApkAba = 1;
  return o;
}

inline AppSatz Operation(const char* apk, const char* app) {
  AppSatz o;
  o.AppApk = apk;
  o.AppApp = app;
  o.AppVaf = "00000";
  o.AppNaf = "00000";
  o.AppBz1 = "Milling";
  o.AppSts = 0;
  o.AppSme = 100;
  o.AppMee = "ST";
  o.AppStr = 1.30;
  o.AppApg = "GRP1";
  o.AppApl = "WP1";
  o.AppErf = "master";
  return o;
}

inline AplSatz WorkPlace(const char* apl) {
  AplSatz w;
  w.AplApl = apl;
  w.AplBez = "Milling centre";
  w.AplApg = "GRP1";
  w.AplSts = 1;
  w.AplUbg = "0000";
  w.AplKap = 8.5;
  w.AplErf = "master";
  return w;
}

inline PrvSatz Person(const char* pnr, const char* awn, const std::string& gvo, const std::string& gbi) {
  PrvSatz p;
  p.PrvPnr = pnr;
  p.PrvAwn = awn;
  p.PrvGvo = gvo;
  p.PrvGbi = gbi;
  p.PrvPzm = 1;
  p.PrvNam = "Mustermann";
  return p;
}

inline FzuSatz FunctionCode(const char* fcd, std::int32_t art) {
  FzuSatz f;
  f.FzuFcd = fcd;
  f.FzuMld = fcd;
  f.FzuBez = "code";
  f.FzuArt = art;
  f.FzuObj = 1;
  f.FzuUpl = 1;
  f.FzuGen = 1;
  f.FzuSta = 1;
  f.FzuErf = "master";
  return f;
}

inline AemSatz Assignment(const char* apg, const char* emo, const std::string& gvo, const char* kal) {
  AemSatz a;
  a.AemApg = apg;
  a.AemEmo = emo;
  a.AemGvo = gvo;
  a.AemBez = "assignment";
  a.AemKal = kal;
  a.AemMaz = 2;
  return a;
}

inline EmoSatz Shift(const char* emo, const char* ttp, const char* txt, std::int32_t beg, std::int32_t end) {
  EmoSatz s;
  s.EmoEmo = emo;
  s.EmoTtp = ttp;
  s.EmoTxt = txt;
  s.EmoBeg = beg;
  s.EmoEnd = end;
  s.EmoArt = 1;
  return s;
}

}  // namespace master
