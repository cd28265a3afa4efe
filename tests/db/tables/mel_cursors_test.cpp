// The booking cursors on both backends: which bookings the window cursors
// deliver at their bounds, and the newest booking the read-back cursors
// find at or before a reference, with the KeySek tie-break.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "booking_builders.h"
#include "db/tables/booking_records.h"
#include "db_fixture.h"

namespace {

using booking::Booking;

class MelCursorTest : public DbTest {
 protected:
  // Stores a booking with the next booking number and returns it.
  MelSatz Add(const char* objTyp, const char* date, const char* time, const char* sek = "50",
              const char* fcd = "P05") {
    MelSatz m = Booking(++lastBnr_, 0, objTyp, date, time, sek);
    m.MelFcd = fcd;
    EXPECT_EQ(0, Mel_PKeyIns(&m));
    return m;
  }
  MelSatz AddAt(const char* objTyp, const char* apl, const char* pnr, const char* date, const char* time,
                const char* fcd = "P05") {
    MelSatz m = Booking(++lastBnr_, 0, objTyp, date, time);
    m.KeyApl = apl;
    m.KeyPnr = pnr;
    m.MelFcd = fcd;
    EXPECT_EQ(0, Mel_PKeyIns(&m));
    return m;
  }

 private:
  int lastBnr_ = 0;
};

// The selection values of a cursor: the keys of the standard booking and a from-moment.
MelSatz From(const char* objTyp, const char* date, const char* time, const char* fcd = "P05") {
  MelSatz p = Booking(0, 0, objTyp, date, time);
  p.MelFcd = fcd;
  return p;
}

// Reads to the end and lists "booking number" per row; checks the end code.
template <class Cursor>
std::vector<int> ReadAll(Cursor& cursor) {
  std::vector<int> numbers;
  MelSatz m;
  int rc;
  while ((rc = cursor.Read(&m)) == 0) numbers.push_back(m.KeyBnr);
  EXPECT_EQ(1403, rc);
  EXPECT_EQ(0, cursor.Close());
  return numbers;
}

using Numbers = std::vector<int>;

TEST_P(MelCursorTest, WorkPlaceWindowExcludesBothBounds) {
  Add("M__", "20261207", "060000");  // at the from bound
  MelSatz justAfter = Add("M__", "20261207", "060001");
  MelSatz justBefore = Add("M__", "20261207", "140000", "10");
  Add("M__", "20261207", "140001");  // at the to bound
  Add("M__", "20261206", "235959");
  Add("M_A", "20261207", "100000");  // another kind of object
  AddAt("M__", "APL0000002", "00000042", "20261207", "100000");
  MelSatz p = From("M__", "20261207", "060000");
  Mel_MVon cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261207", "140001"));
  EXPECT_EQ((Numbers{justAfter.KeyBnr, justBefore.KeyBnr}), ReadAll(cursor));
}

TEST_P(MelCursorTest, WorkPlaceWindowComparesDateThenTimeAcrossMidnight) {
  MelSatz lateOnFirstDay = Add("M__", "20261207", "235959");
  MelSatz midnight = Add("M__", "20261208", "000000");
  Add("M__", "20261208", "000001");
  Add("M__", "20261207", "235958");
  MelSatz p = From("M__", "20261207", "235958");
  Mel_MVon cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261208", "000001"));
  EXPECT_EQ((Numbers{lateOnFirstDay.KeyBnr, midnight.KeyBnr}), ReadAll(cursor));
}

TEST_P(MelCursorTest, WindowOrdersBookingsOfOneSecondByKeySek) {
  MelSatz late = Add("M__", "20261207", "100000", "99");
  MelSatz early = Add("M__", "20261207", "100000", "01");
  MelSatz middle = Add("M__", "20261207", "100000", "50");
  MelSatz before = Add("M__", "20261207", "095959", "99");
  MelSatz p = From("M__", "20261207", "090000");
  Mel_MVon cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261207", "110000"));
  EXPECT_EQ((Numbers{before.KeyBnr, early.KeyBnr, middle.KeyBnr, late.KeyBnr}),
            ReadAll(cursor));
}

TEST_P(MelCursorTest, OrderOperationWindowIncludesBothBounds) {
  MelSatz atFrom = Add("M_A", "20261207", "060000");
  MelSatz inside = Add("M_A", "20261207", "100000");
  MelSatz atTo = Add("M_A", "20261207", "140000");
  Add("M_A", "20261207", "140001");
  Add("M_A", "20261207", "055959");
  MelSatz otherOperation = Booking(99, 0, "M_A", "20261207", "100000");
  otherOperation.KeyApp = "00020";
  ASSERT_EQ(0, Mel_PKeyIns(&otherOperation));
  MelSatz p = From("M_A", "20261207", "060000");
  Mel_MAVon cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261207", "140000"));
  EXPECT_EQ((Numbers{atFrom.KeyBnr, inside.KeyBnr, atTo.KeyBnr}), ReadAll(cursor));
}

TEST_P(MelCursorTest, PersonWindowIncludesBothBoundsAndSelectsThePerson) {
  MelSatz atFrom = Add("MPA", "20261207", "060000");
  MelSatz atTo = Add("MPA", "20261207", "140000");
  AddAt("MPA", "APL0000001", "00000043", "20261207", "100000");  // another person
  Add("MPA", "20261207", "140001");
  MelSatz p = From("MPA", "20261207", "060000");
  Mel_MPAVon cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261207", "140000"));
  EXPECT_EQ((Numbers{atFrom.KeyBnr, atTo.KeyBnr}), ReadAll(cursor));
}

// Two walks of one selection are independent: the inner one, opened while
// the outer one is half read, neither disturbs nor is disturbed by it.
TEST_P(MelCursorTest, TwoWalksOfOneSelectionCanBeNested) {
  MelSatz first = Add("MPA", "20261207", "060000");
  MelSatz second = Add("MPA", "20261207", "070000");
  MelSatz third = Add("MPA", "20261207", "080000");
  MelSatz p = From("MPA", "20261207", "000000");
  Mel_MPAVon outer;
  ASSERT_EQ(0, outer.Open(&p, "20261207", "235959"));
  Numbers seen;
  MelSatz row;
  while (outer.Read(&row) == 0) {
    seen.push_back(row.KeyBnr);
    MelSatz later = row;
    later.KeyUhr = "065959";
    Mel_MPAVon inner;
    ASSERT_EQ(0, inner.Open(&later, "20261207", "075959"));
    EXPECT_EQ((Numbers{second.KeyBnr}), ReadAll(inner));
    MelSatz mark = row;
    mark.MelFnr = 5006;
    EXPECT_EQ(0, Mel_PKeyUpd(&mark));  // a write while both are open
  }
  EXPECT_EQ((Numbers{first.KeyBnr, second.KeyBnr, third.KeyBnr}), seen);
  EXPECT_EQ(3, testdb::QueryInt("select count(*) from Kvs560Mel where MelFnr=5006"));
}

TEST_P(MelCursorTest, WindowDeliversWholeRowsAndLeavesTheRecordAtTheEnd) {
  MelSatz stored = Add("M_A", "20261207", "100000", "07");
  MelSatz p = From("M_A", "20261207", "000000");
  Mel_MAVon cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261207", "235959"));
  MelSatz r;
  ASSERT_EQ(0, cursor.Read(&r));
  EXPECT_EQ(stored.KeyBnr, r.KeyBnr);
  EXPECT_EQ("20261207", r.KeyDat.view());
  EXPECT_EQ("100000", r.KeyUhr.view());
  EXPECT_EQ("07", r.KeySek.view());
  EXPECT_EQ("MldToNza", r.MelErf.view());
  EXPECT_EQ(1403, cursor.Read(&r));
  EXPECT_EQ(stored.KeyBnr, r.KeyBnr);
  EXPECT_EQ("100000", r.KeyUhr.view());
  EXPECT_EQ(0, cursor.Close());
}

TEST_P(MelCursorTest, WindowSeesTheBookingsOfTheMomentItWasOpened) {
  MelSatz first = Add("M__", "20261207", "100000");
  MelSatz p = From("M__", "20261207", "000000");
  Mel_MVon cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261207", "235959"));
  Add("M__", "20261207", "110000");
  EXPECT_EQ((Numbers{first.KeyBnr}), ReadAll(cursor));
}

TEST_P(MelCursorTest, WindowWithEmptyBoundFindsNothing) {
  Add("M__", "20261207", "100000");
  MelSatz p = From("M__", "", "");
  Mel_MVon cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261207", "235959"));
  EXPECT_EQ(Numbers{}, ReadAll(cursor));
}

// A reference and the booking a read-back delivers for it (0: none).
struct ReadBack {
  const char* date;
  const char* time;
  const char* sek;
  int expected;
};

template <class Cursor, class Open>
void ExpectNewest(const std::vector<ReadBack>& cases, Open open) {
  for (const ReadBack& c : cases) {
    Cursor cursor;
    ASSERT_EQ(0, open(cursor, c)) << c.date << " " << c.time << " " << c.sek;
    EXPECT_EQ(c.expected ? Numbers{c.expected} : Numbers{}, ReadAll(cursor)) << c.date << " " << c.time << " " << c.sek;
  }
}

TEST_P(MelCursorTest, PersonReadBackDeliversTheNewestBookingAtOrBeforeTheReference) {
  MelSatz lastYear = Add("MPA", "20251231", "120000");
  MelSatz older = Add("MPA", "20261207", "060000");
  MelSatz sameSecondLower = Add("MPA", "20261207", "100000", "10");
  MelSatz reference = Add("MPA", "20261207", "100000", "50");
  MelSatz sameSecondHigher = Add("MPA", "20261207", "100000", "90");
  Add("MPA", "20261207", "100001");
  Add("MPA", "20261207", "080000", "50", "P06");  // another function code
  AddAt("MPA", "APL0000001", "00000043", "20261207", "090000");  // another person
  MelSatz p = From("MPA", "", "");
  ExpectNewest<Mel_PrfRdBck_MPA>(
      {{"20261207", "100000", "50", reference.KeyBnr},
       {"20261207", "100000", "49", sameSecondLower.KeyBnr},
       {"20261207", "100000", "99", sameSecondHigher.KeyBnr},
       {"20261207", "095959", "99", older.KeyBnr},
       {"20261207", "055959", "99", lastYear.KeyBnr},  // earlier days
       {"20251231", "115959", "99", 0},
       {"", "", "", 0}},  // an empty reference finds nothing
      [&](Mel_PrfRdBck_MPA& c, const ReadBack& r) { return c.Open(&p, r.date, r.time, r.sek); });
}

TEST_P(MelCursorTest, ReadBackWithoutEarlierBookingLeavesTheRecordAsItWas) {
  Add("MPA", "20261207", "100000");
  MelSatz p = From("MPA", "", "");
  Mel_PrfRdBck_MPA cursor;
  ASSERT_EQ(0, cursor.Open(&p, "20261207", "095959", "99"));
  MelSatz r = Booking(5, 5, "X", "20000101", "000000");
  EXPECT_EQ(1403, cursor.Read(&r));
  EXPECT_EQ(5, r.KeyBnr);
  EXPECT_EQ(0, cursor.Close());
}

TEST_P(MelCursorTest, WorkPlaceReadBackSelectsCodeAndWorkPlace) {
  MelSatz first = Add("M__", "20261207", "060000", "50", "M03");
  MelSatz second = Add("M__", "20261207", "120000", "50", "M03");
  MelSatz higherSek = Add("M__", "20261207", "120000", "51", "M03");
  Add("M__", "20261207", "110000", "50", "M04");
  AddAt("M__", "APL0000002", "00000042", "20261207", "110000", "M03");
  MelSatz later = Add("M__", "20261207", "130000", "50", "M03");
  MelSatz p = From("M__", "", "", "M03");
  ExpectNewest<Mel_PrfRdBck_M>({{"20261207", "120000", "50", second.KeyBnr},
                                {"20261207", "120000", "51", higherSek.KeyBnr},
                                {"20261207", "115959", "99", first.KeyBnr},
                                {"20261208", "000000", "00", later.KeyBnr},
                                {"20261207", "055959", "99", 0}},
                               [&](Mel_PrfRdBck_M& c, const ReadBack& r) { return c.Open(&p, r.date, r.time, r.sek); });
}

TEST_P(MelCursorTest, OrderOperationReadBackTakesEitherFunctionCode) {
  MelSatz start = Add("M_A", "20261207", "060000", "50", "A01");
  Add("M_A", "20261207", "070000", "50", "A02");
  MelSatz resume = Add("M_A", "20261207", "080000", "50", "A03");
  MelSatz restart = Add("M_A", "20261207", "090000", "50", "A01");
  MelSatz p = From("M_A", "", "", "");
  ExpectNewest<Mel_PrfRdBck_MA>({{"20261207", "085959", "99", resume.KeyBnr},
                                 {"20261207", "075959", "99", start.KeyBnr},
                                 {"20261207", "090000", "50", restart.KeyBnr},
                                 {"20261207", "055959", "99", 0}},
                                [&](Mel_PrfRdBck_MA& c, const ReadBack& r) {
                                  return c.Open(&p, "A01", "A03", r.date, r.time, r.sek);
                                });
}

TEST_P(MelCursorTest, ReadOfACursorThatIsNotOpenFails) {
  MelSatz r;
  Mel_MVon cursor;
  EXPECT_NE(0, cursor.Read(&r));
  EXPECT_NE(1403, cursor.Read(&r));
}

INSTANTIATE_DB_TEST(MelCursorTest);

}  // namespace
