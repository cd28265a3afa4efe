#include "nzs_floor.h"

#include <gtest/gtest.h>

#include "master_builders.h"
#include "base/datetime.h"
#include "db_fixture.h"

namespace nzs_floor {
namespace {

// Each model is assigned to GRP1 from a day of its own (the assignment key).
void shift(const char* emo, const char* txt, int beg, int end, const char* pmo, const char* pms, int breakBeg,
           int breakEnd, int assignedFrom) {
  EmoSatz s = master::Shift(emo, "AT", txt, beg, end);
  ASSERT_EQ(0, Emo_PKeyIns(&s, pmo));
  PmsSatz p;
  p.PmsNum = pms;
  p.PmsBeg = breakBeg;
  p.PmsEnd = breakEnd;
  ASSERT_EQ(0, Pms_PKeyIns(&p));
  PmzSatz z;
  z.PmzPmo = pmo;
  z.PmzPms = pms;
  z.PmzGvo = Day(-30);
  z.PmzGbi = Day(30);
  ASSERT_EQ(0, Pmz_PKeyIns(&z));
  AemSatz a = master::Assignment("GRP1", emo, Day(assignedFrom), "K1");
  ASSERT_EQ(0, Aem_PKeyIns(&a, 1, ""));
}

}  // namespace

std::string Day(int offset) { return master::ShiftDay(kDay, offset); }

void LoadShiftFloor() {
  master::FillCalendar(Day(-3), Day(3));
  for (int k = -3; k <= 3; ++k) {
    KalSatz kal;
    kal.KalNum = "K1";
    kal.KalDtm = Day(k);
    kal.KalBtp = "AT";
    ASSERT_EQ(0, Kal_PKeyIns(&kal));
  }
  AplSatz apl = master::WorkPlace(kApl);
  ASSERT_EQ(0, Apl_PKeyIns(&apl));
  shift("EARLY", "early", 360, 840, "P1", "B1", 720, 750, -30);
  shift("NIGHT", "night", 1320, 360, "P2", "B2", 120, 150, -29);
}

void AddPerson(const char* pnr, std::int32_t pzm) {
  PrvSatz p = master::Person(pnr, pnr, Day(-30), "");
  p.PrvPzm = pzm;
  ASSERT_EQ(0, Prv_PKeyIns(&p));
}

void Attendance(const char* pnr, const std::string& comeDay, const char* come, const std::string& goDay,
                const char* go) {
  TagSatz t;
  t.TagPnr = pnr;
  t.TagVon = comeDay;
  t.TagUhr = come;
  t.TagBis = goDay;
  t.TagEnd = go;
  t.TagTgb = "AT";
  ASSERT_EQ(0, Tag_PKeyIns(&t, comeDay.c_str()));
}

void LoadTimeModel() {
  AzvSatz a;
  a.AzvNum = "TM1";
  a.AzvGvo = Day(-30);
  a.AzvPsm = "PS1";
  a.AzvNov = 420;
  a.AzvNob = 1020;
  a.AzvSol = 480;
  ASSERT_EQ(0, Azv_PKeyIns(&a));
  PseSatz p;
  p.PseNum = "PS1";
  p.PseLfd = 1;
  p.PseVon = 720;
  p.PseBis = 750;
  ASSERT_EQ(0, Pse_PKeyIns(&p));
}

void PlannedDay(const std::string& day, const char* come, const char* go, bool accountBooking) {
  ZtgSatz z;
  z.ZtgPnr = kPnr;
  z.ZtgVon = day;
  z.ZtgAzt = "TM1";
  z.ZtgAgr = "AG1";
  z.ZtgTtp = "AT";
  ASSERT_EQ(0, Ztg_PKeyIns(&z));
  Attendance(kPnr, day, come, day, go);
  if (!accountBooking) return;
  BupSatz b;
  b.BupPnr = kPnr;
  b.BupVon = day;
  b.BupUhr = come;
  b.BupBis = day;
  b.BupEnd = go;
  b.BupFkt = 1;
  b.BupTvo = Std_Min(come);
  b.BupTbi = Std_Min(go);
  ASSERT_EQ(0, Bup_PKeyIns(&b));
}

MelSatz Booking(std::int32_t bnr, const char* fcd, const char* mask, const std::string& day, const char* time,
                const char* pnr) {
  MelSatz m;
  m.KeyBnr = bnr;
  m.ObjTyp = "MPA";
  m.KeyPnr = pnr;
  m.KeyApl = kApl;
  m.KeyApk = kApk;
  m.KeyApp = kApp;
  m.KeyDat = day;
  m.KeyUhr = time;
  m.KeySek = "50";
  m.MelFcd = fcd;
  m.MelMsk = mask;
  m.MelErf = "MldToNza";
  m.Sts00E = "1";
  m.Sts00A = "1";
  return m;
}

void Insert(const MelSatz& booking) { ASSERT_EQ(0, Mel_PKeyIns(&booking)); }

void NoteFor(const MelSatz& booking) {
  MerkSatz n;
  n.MrkKng = "NZS";
  n.MrkApl = booking.KeyApl;
  n.MrkApk = booking.KeyApk;
  n.MrkApp = booking.KeyApp;
  n.MrkPnr = booking.KeyPnr;
  n.MrkBnr = booking.KeyBnr;
  n.MrkMdt = std::string(booking.KeyDat.view()) + booking.KeyUhr.c_str();
  n.MrkObj = "MPA";
  ASSERT_EQ(0, Mrk_PKeyIns(&n));
}

void Book(const MelSatz& booking) {
  Insert(booking);
  NoteFor(booking);
}

std::vector<NzaSatz> Periods(std::int16_t kind, const char* pnr, const char* apl) {
  NzaSatz window;
  window.NzaSa = kind;
  window.NzaApl = apl;
  window.NzaApk = kApk;
  window.NzaApp = kApp;
  window.NzaPnr = pnr;
  window.NzaDtm = "19000101";
  window.NzaDtmUhr = "000000";
  window.NzaEdt = "29991231";
  window.NzaEdtUhr = "235959";
  std::vector<NzaSatz> rows;
  Nza_PKeyVon cursor;
  EXPECT_EQ(0, cursor.Open(&window));
  NzaSatz n;
  while (cursor.Read(&n) == 0) rows.push_back(n);
  return rows;
}

std::string Start(const NzaSatz& n) { return std::string(n.NzaDtm.view()) + n.NzaDtmUhr.c_str(); }
std::string End(const NzaSatz& n) { return std::string(n.NzaEdt.view()) + n.NzaEdtUhr.c_str(); }

}  // namespace nzs_floor
