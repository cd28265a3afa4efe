// Kvs560Mel on both backends: what insert, update and the keyed read carry,
// the booking moment in its two date columns, and what failures leave.
#include <gtest/gtest.h>

#include <string>

#include "booking_builders.h"
#include "db/tables/booking_records.h"
#include "db/tables/tables.h"
#include "db_fixture.h"
#include "same_row.h"

namespace {

using booking::Booking;
using booking::FullBooking;

class MelTest : public DbTest {};


MelSatz KeyOf(const MelSatz& m) {
  MelSatz k;
  k.KeyBnr = m.KeyBnr;
  k.KeyLfn = m.KeyLfn;
  return k;
}

TEST_P(MelTest, BookingMomentIsWrittenWholeIntoBothDateColumns) {
  MelSatz m = Booking(1, 0, "MPA", "20261207", "065131");
  ASSERT_EQ(0, Mel_PKeyIns(&m));
  EXPECT_EQ("20261207065131", testdb::QueryText("select TO_CHAR(KeyDat,'yyyymmddHH24MISS') from Kvs560Mel"));
  EXPECT_EQ("20261207065131", testdb::QueryText("select TO_CHAR(KeyUhr,'yyyymmddHH24MISS') from Kvs560Mel"));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs560Mel where MelDat is not null"));
  MelSatz r = KeyOf(m);
  ASSERT_EQ(0, Mel_PKeyReadk(&r));
  EXPECT_EQ("20261207", r.KeyDat.view());
  EXPECT_EQ("065131", r.KeyUhr.view());
}

TEST_P(MelTest, FailedKeyedReadClearsEveryFieldAndTheKey) {
  MelSatz r = FullBooking();
  EXPECT_EQ(1403, Mel_PKeyReadk(&r));
  ExpectSameRow(db::tables::Mel(), MelSatz{}, r);
}

TEST_P(MelTest, KeyedReadFindsOnlyItsRunningNumber) {
  MelSatz first = Booking(7, 0, "MPA", "20261207", "065131");
  MelSatz generated = Booking(7, 1, "MPA", "20261207", "065131");
  generated.MelErf = "MldGen";
  ASSERT_EQ(0, Mel_PKeyIns(&first));
  ASSERT_EQ(0, Mel_PKeyIns(&generated));
  MelSatz r = KeyOf(generated);
  ASSERT_EQ(0, Mel_PKeyReadk(&r));
  EXPECT_EQ("MldGen", r.MelErf.view());
}

TEST_P(MelTest, UpdateRewritesEveryColumnOfTheKeyedRowOnly) {
  MelSatz m = Booking(1, 0, "MPA", "20261207", "065131");
  MelSatz other = Booking(1, 1, "MPA", "20261207", "065131");
  ASSERT_EQ(0, Mel_PKeyIns(&m));
  ASSERT_EQ(0, Mel_PKeyIns(&other));
  ASSERT_EQ(0, testdb::Exec("update Kvs560Mel set MelDat=null"));
  MelSatz changed = FullBooking();
  changed.KeyBnr = 1;
  changed.KeyLfn = 0;
  ASSERT_EQ(0, Mel_PKeyUpd(&changed));
  MelSatz r = KeyOf(changed);
  ASSERT_EQ(0, Mel_PKeyReadk(&r));
  ExpectSameRow(db::tables::Mel(), changed, r);
  EXPECT_EQ("20261207065131", testdb::QueryText("select TO_CHAR(KeyUhr,'yyyymmddHH24MISS') from Kvs560Mel "
                                                "where KeyLfn=0"));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs560Mel where MelDat is not null"));
  MelSatz untouched = KeyOf(other);
  ASSERT_EQ(0, Mel_PKeyReadk(&untouched));
  ExpectSameRow(db::tables::Mel(), other, untouched);
}

TEST_P(MelTest, ErrorNumberIsChangedByReadAndUpdate) {
  // How the analyses mark a booking afterwards: read it, set the number, write it.
  MelSatz m = Booking(3, 2, "MPA", "20261207", "065131");
  ASSERT_EQ(0, Mel_PKeyIns(&m));
  MelSatz r = KeyOf(m);
  ASSERT_EQ(0, Mel_PKeyReadk(&r));
  r.MelFnr = 5006;
  ASSERT_EQ(0, Mel_PKeyUpd(&r));
  EXPECT_EQ(5006, testdb::QueryInt("select MelFnr from Kvs560Mel"));
  EXPECT_EQ("20261207065131", testdb::QueryText("select TO_CHAR(KeyDat,'yyyymmddHH24MISS') from Kvs560Mel"));
}

TEST_P(MelTest, EmptyTextsAreStoredAsNullAndReadBackEmpty) {
  MelSatz m = Booking(1, 0, "", "20261207", "065131");
  m.KeyPnr = "";
  m.MelKdt = "";
  ASSERT_EQ(0, Mel_PKeyIns(&m));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs560Mel where ObjTyp is null and KeyPnr is null and "
                                "MelKdt is null and Sts00E is null"));
  MelSatz r = KeyOf(m);
  ASSERT_EQ(0, Mel_PKeyReadk(&r));
  EXPECT_TRUE(r.ObjTyp.empty());
  EXPECT_TRUE(r.KeyPnr.empty());
  EXPECT_TRUE(r.MelKdt.empty());
  EXPECT_TRUE(r.Sts00E.empty());
}

TEST_P(MelTest, NullNumbersReadBackAsZero) {
  ASSERT_EQ(0, testdb::Exec("insert into Kvs560Mel (KeyBnr,KeyLfn) values (9,0)"));
  MelSatz r = FullBooking();
  r.KeyBnr = 9;
  r.KeyLfn = 0;
  ASSERT_EQ(0, Mel_PKeyReadk(&r));
  EXPECT_EQ(0, r.MelFnr);
  EXPECT_EQ(0.0, r.MelGum);
  EXPECT_TRUE(r.KeyDat.empty());
  EXPECT_TRUE(r.KeyUhr.empty());
}

TEST_P(MelTest, InvalidMomentIsADateErrorAndWritesNothing) {
  MelSatz m = Booking(1, 0, "MPA", "20261307", "065131");
  EXPECT_EQ(-1843, Mel_PKeyIns(&m));
  m.KeyDat = "20261207";
  m.MelKdt = "20260230000000";
  EXPECT_EQ(-1847, Mel_PKeyIns(&m));
  EXPECT_EQ(0, testdb::CountRows("Kvs560Mel"));
}

INSTANTIATE_DB_TEST(MelTest);

}  // namespace
