#include "intake/receive.h"

#include <chrono>
#include <optional>
#include <set>
#include <vector>
#include <utility>

#include "base/civil_date.h"
#include "db/tables/rvs.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "base/status.h"
#include "intake/classify.h"
#include "base/msglog.h"

namespace {

constexpr std::size_t kMomentPosition = 57;  // yymmdd at 57-62, HHMMSS at 63-68
constexpr std::size_t kMomentLength = 12;

bool isDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

int number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

// True for 14 digits that name a real second of the calendar.
bool isMoment(std::string_view m) {
  if (m.size() != 14 || !isDigits(m)) return false;
  const int year = number(m.substr(0, 4)), month = number(m.substr(4, 2)), day = number(m.substr(6, 2));
  if (!IsCivilDate(year, month, day)) return false;
  return number(m.substr(8, 2)) < 24 && number(m.substr(10, 2)) < 60 && number(m.substr(12, 2)) < 60;
}

// The database's date conversion errors (-1800 .. -1899).
bool isDateError(int rc) { return rc <= -1800 && rc >= -1899; }

// A backup that failed only because the telegram's date positions do not
// form a moment (or the database could not take them as one).
bool momentUnusable(std::string_view moment, int rc) {
  if (rc == status::kOk || rc == status::kDuplicate || rc == status::kNotConnected) return false;
  return isDateError(rc) || !isMoment(moment);
}

int backUp(const RcvSatz& rcv) {
  RvsSatz rvs;
  rvs.RvsMdt = Sicherungszeitpunkt(rcv.RcvDta.view());
  rvs.RvsLfn = rcv.RcvLfn;
  rvs.RvsVkz = "   ";
  rvs.RvsDta = rcv.RcvDta;
  rvs.RvsEsb = rcv.RcvEsb;
  int rc = Rvs_PKeyIns(&rvs);
  if (momentUnusable(rvs.RvsMdt.view(), rc)) {
    // Kept in the queue, the telegram would be booked again in every pass.
    LogError("MeldungToSicherung", "Meldezeit ungueltig: RcvMdt", rc);
    rvs.RvsMdt = rcv.RcvMdt;
    rc = Rvs_PKeyIns(&rvs);
  }
  return rc;
}

// What became of one telegram. Unusable: the database or what it runs on
// failed (connection lost, disk full, ...); the telegram stays queued and
// the drain ends, since every further telegram would fail alike. Handled
// elsewhere: its queue row was gone when the unit came to delete it.
// Group broken: the telegram's failure took its whole group with it (see
// bookInGroup).
enum class Outcome { Booked, KeptQueued, DatabaseUnusable, HandledElsewhere, GroupBroken };

bool databaseUnusable() {
  db::Session& s = db::Session::get();
  return s.unitFailedByEnvironment() || !s.alive();
}

// Only informs: the failure itself was reported by whoever met it.
Outcome keptForLaterPass() {
  db::Session& s = db::Session::get();
  if (s.unitLostConnection() || !s.alive())
    LogSystem("Input-Buchung", "Verbindung weg, Meldung wartet", status::kNotConnected);
  else
    LogSystem("Input-Buchung", "DB nicht nutzbar, Meldung wartet", s.unitSpoilReason());
  return Outcome::DatabaseUnusable;
}

// Another worker has booked the telegram and deleted its queue row; this
// unit's bookings of it are rolled back, so it is booked once.
Outcome handledElsewhere() {
  LogError("Input-Buchung", "Meldung bereits verarbeitet", status::kNoRow);
  return Outcome::HandledElsewhere;
}

// Backup and delete without the booking, then the booking statement by
// statement: for a telegram that spoils its own unit of work (a failed
// statement that takes the whole transaction with it). Leaving the queue
// first means it can never be booked twice.
Outcome bookOutsideUnit(const RcvSatz& rcv) {
  int rc;
  {
    db::UnitOfWork unit;
    rc = unit.beginStatus();
    if (rc == 0) rc = MeldungToSicherung(rcv);
    if (rc == 0) rc = unit.commit().status;
  }
  if (rc == status::kNoRow) return handledElsewhere();
  if (rc != 0) return databaseUnusable() ? keptForLaterPass() : Outcome::KeptQueued;
  (void)Meldung_Verarbeiten(rcv.RcvDta.view());  // whatever fails here has its own entry
  return Outcome::Booked;
}

// A telegram booking refused (it got no booking number) stays queued.
Outcome notBooked(int reason) {
  LogError("Input-Buchung", "Meldung nicht gebucht, bleibt", reason);
  return Outcome::KeptQueued;
}

// Books one telegram as one unit of work.
Outcome bookOnce(const RcvSatz& rcv) {
  db::UnitOfWork unit;
  if (!unit.open()) {
    LogError("Input-Buchung", "Fehler bei Begin", unit.beginStatus());
    return Outcome::DatabaseUnusable;  // nothing can be booked now; the next pass tries again
  }
  const int refused = Meldung_Verarbeiten(rcv.RcvDta.view());
  if (refused != 0 || unit.spoiled()) {
    const db::UnitEnd end = unit.rollback(refused != 0 ? refused : unit.spoilReason());
    return end.environment() || databaseUnusable() ? keptForLaterPass() : notBooked(end.status);
  }
  int rc = MeldungToSicherung(rcv);
  if (rc == 0 && !unit.spoiled()) {
    const db::UnitEnd end = unit.commit();
    if (end.committed()) return Outcome::Booked;
    rc = end.status;
    LogError("Input-Buchung", "Fehler bei Commit", rc);
  } else {
    (void)unit.rollback(rc);
  }
  if (rc == status::kNoRow) return handledElsewhere();
  // Only a failure of the telegram's own may send it down the statement
  // by statement way: that way it leaves the queue before it is booked.
  if (databaseUnusable()) return keptForLaterPass();
  LogSystem("Input-Buchung", "Einzelbuchung nach Abbruch", rc);  // the failure has its own entry
  return bookOutsideUnit(rcv);
}

}  // namespace

std::string Sicherungszeitpunkt(std::string_view telegram) {
  telegram = telegram.substr(0, telegram.find('\0'));
  if (telegram.size() <= kMomentPosition) return "20";
  return "20" + std::string(telegram.substr(kMomentPosition, kMomentLength));
}

int MeldungToSicherung(RcvSatz rcv) {
  int rc = backUp(rcv);
  if (rc != status::kOk && rc != status::kDuplicate) {
    LogError("MeldungToSicherung", "Fehler bei Rvs_PKeyIns", rc);
    return rc;
  }
  // A duplicate is the same telegram backed up before: it still leaves the queue.
  // A row already gone (1403) is no failure here: the caller rolls the
  // telegram's unit back and says so once.
  rc = Rcv_PKeyDel(&rcv);
  if (rc != status::kOk && rc != status::kNoRow) LogError("MeldungToSicherung", "Fehler bei Rcv_PKeyDel", rc);
  return rc;
}

namespace {

// Books one telegram as one unit inside the open group: its unit is undone
// alone when it fails, the group's others stay. Only the failures a unit
// cannot undo alone break the group: on PostgreSQL a read that failed
// spoils the whole transaction. A failure of the telegram's own that would
// send it the statement by statement way breaks the group as well, since
// that way commits as it goes: booked alone, the telegram then takes it.
Outcome bookInGroup(const RcvSatz& rcv, const db::GroupOfUnits& group) {
  int rc, refused = 0;
  {
    db::UnitOfWork unit;
    rc = unit.beginStatus();
    if (unit.open()) {
      refused = Meldung_Verarbeiten(rcv.RcvDta.view());
      if (refused == 0 && !unit.spoiled()) rc = MeldungToSicherung(rcv);
      if (refused == 0 && !unit.spoiled() && rc == 0) rc = unit.commit().status;
    }
  }
  if (databaseUnusable()) return keptForLaterPass();
  if (group.broken()) return Outcome::GroupBroken;
  if (refused != 0) return notBooked(refused);
  if (rc == 0) return Outcome::Booked;
  if (rc == status::kNoRow) return handledElsewhere();
  return Outcome::GroupBroken;
}

using QueueKey = std::pair<std::string, std::int32_t>;
QueueKey keyOf(const RcvSatz& rcv) { return {std::string(rcv.RcvMdt.view()), rcv.RcvLfn}; }

// One walk of the queue. The telegrams of a broken group are still queued
// when the queue is walked again; they are booked one per transaction,
// exactly as without groups. Telegrams kept queued earlier in the pass are
// not tried again in it.
class Drain {
 public:
  explicit Drain(const GroupLimits& limits) : limits_(limits) {}

  // False when the walk ended because a group broke: walk again.
  bool walk() {
    Rcv_Cursor queue;
    if (queue.Open() != 0) return true;  // the next pass tries again
    RcvSatz rcv;
    int rc = queue.Read(&rcv);
    while (rc == status::kOk) {
      const QueueKey key = keyOf(rcv);
      if (!kept_.count(key)) {
        const Step step = book(rcv, key);
        if (step == Step::Stop) return true;
        if (step == Step::WalkAgain) return false;
      }
      rc = queue.Read(&rcv);
      if (rc != status::kOk && rc != status::kNoRow) LogError("Input-Buchung", "Rcv_PKeyRead()", rc);
    }
    // Nothing more is queued: what is booked becomes durable at once.
    return finishGroup() != Step::WalkAgain;
  }

 private:
  enum class Step { Next, Stop, WalkAgain };
  using Clock = std::chrono::steady_clock;

  Step book(const RcvSatz& rcv, const QueueKey& key) {
    if (alone_.erase(key) || limits_.telegrams <= 1) {
      const Step step = finishGroup();  // what the group booked before stays booked
      if (step != Step::Next) return step;
      return settle(bookOnce(rcv), key);
    }
    if (!group_) {
      group_.emplace();
      if (!group_->open()) {
        LogError("Input-Buchung", "Fehler bei Begin", group_->beginStatus());
        group_.reset();
        return Step::Stop;  // nothing can be booked now; the next pass tries again
      }
      groupStart_ = Clock::now();
    }
    grouped_.push_back(key);
    const Step step = settle(bookInGroup(rcv, *group_), key);
    if (step != Step::Next) return step;
    const bool full = static_cast<int>(grouped_.size()) >= limits_.telegrams;
    return full || Clock::now() - groupStart_ >= limits_.wait ? finishGroup() : Step::Next;
  }

  Step settle(Outcome outcome, const QueueKey& key) {
    switch (outcome) {
      case Outcome::DatabaseUnusable:
        group_.reset();  // rolled back: the whole group waits for the next pass
        return Step::Stop;
      case Outcome::GroupBroken: return breakGroup();
      case Outcome::KeptQueued: kept_.insert(key); return Step::Next;
      default: return Step::Next;
    }
  }

  // The group's telegrams go back to the queue's head, to be booked alone.
  Step breakGroup() {
    group_.reset();
    LogSystem("Input-Buchung", "Gruppe wird einzeln gebucht", 0);
    alone_.insert(grouped_.begin(), grouped_.end());
    grouped_.clear();
    return Step::WalkAgain;
  }

  Step finishGroup() {
    if (!group_) return Step::Next;
    int rc = status::kOk;
    if (!group_->broken()) {
      const db::UnitEnd end = group_->commit();
      if (end.committed()) {
        group_.reset();
        grouped_.clear();
        return Step::Next;
      }
      rc = end.status;
    }
    if (databaseUnusable()) {
      if (rc != 0) LogError("Input-Buchung", "Fehler bei Commit", rc);
      group_.reset();
      keptForLaterPass();
      return Step::Stop;
    }
    return breakGroup();
  }

  GroupLimits limits_;
  std::optional<db::GroupOfUnits> group_;  // open while telegrams share a transaction
  std::vector<QueueKey> grouped_;
  std::set<QueueKey> alone_;
  std::set<QueueKey> kept_;
  Clock::time_point groupStart_;
};

}  // namespace

int Input_Buchung(const GroupLimits& limits) {
  const PassReads pass;  // master data read once for all its telegrams
  Drain drain(limits);
  while (!drain.walk()) {
  }
  return 0;
}

int Input_Buchung() { return Input_Buchung(GroupLimits{}); }
