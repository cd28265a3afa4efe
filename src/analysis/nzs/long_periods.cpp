// A period that ran more than twelve hours is cut along the person's
// attendance: each stretch from coming to going becomes a period of its
// own, and an end booked while absent becomes a part of no length.
#include <string>

#include "analysis/calendar_reads.h"
#include "analysis/cursor_rows.h"
#include "analysis/moments.h"
#include "analysis/note_rows.h"
#include "analysis/nzs/nzs.h"
#include "analysis/timeline.h"
#include "base/civil_date.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/bak.h"
#include "db/tables/tag.h"

namespace {

// The marks that tell one kind of period from the other.
struct CutMarks {
  const char* startBooking;  // the period's own start event
  const char* endBooking;
  const char* generatedStart;  // a part that starts at a come
  const char* generatedEnd;    // a part that ends at a go
};
constexpr CutMarks kWorkMarks = {"PA", "PE", "BG", "EG"};
constexpr CutMarks kInterruptionMarks = {"PU", "PW", "UG", "WG"};

MltSatz rowOf(const NzaSatz& n) {
  return TimeLineRow(kNzaMpa, "", n.NzaPnr.view(), n.NzaApl.view(), n.NzaApk.view(), n.NzaApp.view());
}

void setPartStart(NzaSatz& w, const MltSatz& e, const char* mark, std::int32_t bookingNumber) {
  w.NzaDtm = e.MltMdt;
  w.NzaDtmUhr = e.MltMdtUhr;
  w.NzaBmk = mark;
  w.NzaBbn = bookingNumber;
}

void setPartEnd(NzaSatz& w, const MltSatz& e, const char* mark, std::int32_t bookingNumber) {
  w.NzaEdt = e.MltMdt;
  w.NzaEdtUhr = e.MltMdtUhr;
  w.NzaEmk = mark;
  w.NzaEbn = bookingNumber;
}

// What the cut wrote: whether a part of positive length was stored, and
// whether one of the parts took the long period's own key (and so already
// replaced it).
struct CutResult {
  bool positivePart = false;
  bool partWithOwnKey = false;
};

void writePart(NzaSatz& w, const NzaSatz& x, CutResult& cut) {
  if (!TeilSchritt_Write(w)) return;
  if (StartMoment(w) == StartMoment(x)) cut.partWithOwnKey = true;
  if (EndMoment(w) != StartMoment(w)) cut.positivePart = true;
}

// Walks the time line of the long period X and writes its parts.
CutResult cutAlongAttendance(TimeLine& line, const NzaSatz& x, const CutMarks& marks) {
  NzaSatz w = x;
  CutResult cut;
  bool present = false, inPart = false, startSeen = false;
  for (const MltSatz& e : line.Ordered()) {
    const std::string_view kind = e.MltObj.view();
    if (kind == "KM") {
      // Until a part is open, each come moves the start of the next one.
      if (!inPart) setPartStart(w, e, marks.generatedStart, 0);
      present = true;
    } else if (kind == "GH") {
      setPartEnd(w, e, marks.generatedEnd, 0);
      if (startSeen) writePart(w, x, cut);
      inPart = present = false;
    } else if (kind == marks.startBooking) {
      setPartStart(w, e, marks.startBooking, x.NzaBbn);
      inPart = startSeen = true;
    } else if (kind == marks.endBooking) {
      if (!present) setPartStart(w, e, marks.generatedStart, 0);
      setPartEnd(w, e, marks.endBooking, x.NzaEbn);
      writePart(w, x, cut);
      startSeen = inPart = false;
    }
  }
  return cut;
}

// Once attendance has cut the long period into parts of positive length,
// the long row gives way to them: a row that kept its own start (one whose
// start was generated, or that the attendance begins after) would otherwise
// hold the same time as its parts. Without such a part the long row stays
// and the part of no length marks its end.
void giveWayToParts(const NzaSatz& x, const CutResult& cut) {
  if (!cut.positivePart || cut.partWithOwnKey) return;
  const int rc = RowDelete(&x);
  if (rc != status::kOk) LogError("TeilSchritt_Write", "Nza_PKeyDel", rc);
}

}  // namespace

void Mlt_KommenGehen(NzaSatz period, TimeLine& line) {
  const std::string from = AddDays(period.NzaDtm.view(), -1);
  if (from.empty()) return;  // a start that is no date has no days
  CursorRows<TagSatz> days = ReadAllRows<TagSatz, Tag_Von>(period.NzaPnr.c_str(), from.c_str(), period.NzaEdt.c_str());
  for (const TagSatz& day : days.rows) {
    MltSatz row = rowOf(period);
    SetEvent(row, "KM", Moment(day.TagVon.view(), day.TagUhr.view()));
    line.Add(row);
    SetEvent(row, "GH", Moment(day.TagBis.view(), day.TagEnd.view()));
    line.Add(row);
  }
}

void Mlt_Unterbr_Mel(NzaSatz period, TimeLine& line) {
  MelSatz from;
  from.ObjTyp = "MPA";
  from.KeyApl = period.NzaApl;
  from.KeyApk = period.NzaApk;
  from.KeyApp = period.NzaApp;
  from.KeyPnr = period.NzaPnr;
  from.KeyDat = period.NzaDtm;
  from.KeyUhr = period.NzaDtmUhr;
  CursorRows<MelSatz> bookings = ReadAllRows<MelSatz, Mel_MPAVon>(&from, period.NzaEdt.c_str(), period.NzaEdtUhr.c_str());
  for (const MelSatz& b : bookings.rows) {
    if (b.MelMsk != "PU" && b.MelMsk != "PW") continue;
    MltSatz row = rowOf(period);
    SetEvent(row, b.MelMsk.view(), BookingMoment(b));
    line.Add(row);
  }
}

void Nza_LangeArbeit(NzaSatz& period) {
  TimeLine line;
  Mlt_BeginnEnde(period, line);
  Mlt_KommenGehen(period, line);
  giveWayToParts(period, cutAlongAttendance(line, period, kWorkMarks));
}

void Nza_LangeUnterbrechung(NzaSatz& period) {
  TimeLine line;
  Mlt_Unterbr_Mel(period, line);
  Mlt_KommenGehen(period, line);
  giveWayToParts(period, cutAlongAttendance(line, period, kInterruptionMarks));
}

bool TeilSchritt_Write(NzaSatz& part) {
  FoundShift shift;
  if (Nza_SchichtSuchen(part.NzaApl.str(), StartMoment(part), EndMoment(part), shift)) {
    part.NzaEmo = shift.emo;
    part.NzaTtp = shift.dayType;
    part.NzaJwo = std::to_string(shift.year);
    part.NzaWtg = shift.weekday;
    part.NzaJtg = shift.dayOfYear;
    part.NzaWoc = shift.week;
  } else {
    BakSatz bak;
    bak.BakDtm = part.NzaDtm;
    if (CalendarDay(&bak) == status::kOk) {
      part.NzaJwo = std::to_string(bak.BakJhr);
      part.NzaWtg = bak.BakWtg;
      part.NzaJtg = bak.BakJtg;
      part.NzaWoc = bak.BakWch;
    } else {
      part.NzaJwo = "";
      part.NzaWtg = part.NzaJtg = part.NzaWoc = 0;
    }
    part.NzaEmo = "          ";
    part.NzaTtp = "";
  }
  int rc = RowInsert(&part);
  if (rc == status::kDuplicate) {
    rc = RowUpdate(&part);
    if (rc != status::kOk) LogError("TeilSchritt_Write", "Nza_PKeyUpd", rc);
  } else if (rc != status::kOk) {
    LogError("TeilSchritt_Write", "Nza_PKeyIns", rc);
  }
  return rc == status::kOk;
}
