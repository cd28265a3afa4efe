// Kvs560Mel on both backends: what insert, update and the keyed read carry,
// the booking moment in its two date columns, and what failures leave.
#include <gtest/gtest.h>

#include <string>

#include "booking_builders.h"
#include "db/DbMel.h"
#include "db_fixture.h"

namespace {

using booking::Booking;
using booking::FullBooking;

class MelTest : public DbTest {};

void ExpectSameBooking(const MelSatz& want, const MelSatz& got) {
  EXPECT_EQ(want.KeyBnr, got.KeyBnr);
  EXPECT_EQ(want.KeyLfn, got.KeyLfn);
  EXPECT_EQ(want.ObjTyp.view(), got.ObjTyp.view());
  EXPECT_EQ(want.KeyPnr.view(), got.KeyPnr.view());
  EXPECT_EQ(want.KeyApl.view(), got.KeyApl.view());
  EXPECT_EQ(want.KeyApk.view(), got.KeyApk.view());
  EXPECT_EQ(want.KeyApp.view(), got.KeyApp.view());
  const FixedText<2>* a[] = {&want.Sts00E, &want.Sts00R, &want.Sts00A, &want.Sts00U, &want.Sts00S, &want.Sts006,
                             &want.Sts007, &want.Sts008, &want.Sts009, &want.Sts010, &want.Sts011, &want.Sts012,
                             &want.Sts013, &want.Sts014, &want.Sts015, &want.Sts016};
  const FixedText<2>* b[] = {&got.Sts00E, &got.Sts00R, &got.Sts00A, &got.Sts00U, &got.Sts00S, &got.Sts006,
                             &got.Sts007, &got.Sts008, &got.Sts009, &got.Sts010, &got.Sts011, &got.Sts012,
                             &got.Sts013, &got.Sts014, &got.Sts015, &got.Sts016};
  for (int k = 0; k < 16; ++k) EXPECT_EQ(a[k]->view(), b[k]->view()) << "state flag " << k;
  EXPECT_EQ(want.KeyDat.view(), got.KeyDat.view());
  EXPECT_EQ(want.KeyUhr.view(), got.KeyUhr.view());
  EXPECT_EQ(want.KeySek.view(), got.KeySek.view());
  EXPECT_EQ(want.KeyUbg.view(), got.KeyUbg.view());
  EXPECT_EQ(want.KeyAug.view(), got.KeyAug.view());
  EXPECT_EQ(want.MelMsk.view(), got.MelMsk.view());
  EXPECT_EQ(want.MelAwn.view(), got.MelAwn.view());
  EXPECT_EQ(want.MelFcd.view(), got.MelFcd.view());
  EXPECT_EQ(want.MelTrm.view(), got.MelTrm.view());
  EXPECT_EQ(want.MelOff.view(), got.MelOff.view());
  EXPECT_EQ(want.MelFnr, got.MelFnr);
  EXPECT_DOUBLE_EQ(want.MelGum, got.MelGum);
  EXPECT_DOUBLE_EQ(want.MelFam, got.MelFam);
  EXPECT_DOUBLE_EQ(want.MelMam, got.MelMam);
  EXPECT_DOUBLE_EQ(want.MelNam, got.MelNam);
  EXPECT_DOUBLE_EQ(want.MelZt1, got.MelZt1);
  EXPECT_DOUBLE_EQ(want.MelZt2, got.MelZt2);
  EXPECT_DOUBLE_EQ(want.MelZt3, got.MelZt3);
  EXPECT_EQ(want.MelMee.view(), got.MelMee.view());
  EXPECT_EQ(want.MelAec.view(), got.MelAec.view());
  EXPECT_EQ(want.MelTrc.view(), got.MelTrc.view());
  EXPECT_EQ(want.MelErf.view(), got.MelErf.view());
  EXPECT_EQ(want.MelKsb.view(), got.MelKsb.view());
  EXPECT_EQ(want.MelKdt.view(), got.MelKdt.view());
  EXPECT_EQ(want.MelKfc.view(), got.MelKfc.view());
  EXPECT_DOUBLE_EQ(want.MelKgm, got.MelKgm);
  EXPECT_DOUBLE_EQ(want.MelKfm, got.MelKfm);
  EXPECT_DOUBLE_EQ(want.MelKmm, got.MelKmm);
  EXPECT_DOUBLE_EQ(want.MelKnm, got.MelKnm);
  EXPECT_EQ(want.KeyTnr.view(), got.KeyTnr.view());
}

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
  ExpectSameBooking(MelSatz{}, r);
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
  ExpectSameBooking(changed, r);
  EXPECT_EQ("20261207065131", testdb::QueryText("select TO_CHAR(KeyUhr,'yyyymmddHH24MISS') from Kvs560Mel "
                                                "where KeyLfn=0"));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs560Mel where MelDat is not null"));
  MelSatz untouched = KeyOf(other);
  ASSERT_EQ(0, Mel_PKeyReadk(&untouched));
  ExpectSameBooking(other, untouched);
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
