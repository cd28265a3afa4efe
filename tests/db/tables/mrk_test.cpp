// Kvs563Mrk on both backends: notes without a unique key, the keyed read
// that fails on twins, the delete of every twin and the count by kind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "booking_builders.h"
#include "db/tables/booking_records.h"
#include "db_fixture.h"

namespace {

using booking::Note;

class MrkTest : public DbTest {};

MerkSatz KeyOf(const MerkSatz& n) {
  MerkSatz k;
  k.MrkKng = n.MrkKng;
  k.MrkApl = n.MrkApl;
  k.MrkApk = n.MrkApk;
  k.MrkApp = n.MrkApp;
  k.MrkPnr = n.MrkPnr;
  k.MrkBnr = n.MrkBnr;
  return k;
}

TEST_P(MrkTest, InsertedNoteReadsBackWithEmptyCreator) {
  MerkSatz n = Note("NZS", 4711);
  n.MrkEsb = "ignored";
  ASSERT_EQ(0, Mrk_PKeyIns(&n));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs563Mrk where MrkEsb is null and MrkDat is not null"));
  MerkSatz r = KeyOf(n);
  ASSERT_EQ(0, Mrk_PKeyReadk(&r));
  EXPECT_EQ("NZS", r.MrkKng.view());
  EXPECT_EQ("APL0000001", r.MrkApl.view());
  EXPECT_EQ("AUFTRAG00001", r.MrkApk.view());
  EXPECT_EQ("00010", r.MrkApp.view());
  EXPECT_EQ("00000042", r.MrkPnr.view());
  EXPECT_EQ(4711, r.MrkBnr);
  EXPECT_EQ("20261207065131", r.MrkMdt.view());
  EXPECT_EQ("MPA", r.MrkObj.view());
  EXPECT_TRUE(r.MrkEsb.empty());
}

TEST_P(MrkTest, KindCursorDeliversTheCreatorEmpty) {
  MerkSatz n = Note("LZS", 1);
  n.MrkEsb = "ignored";
  ASSERT_EQ(0, Mrk_PKeyIns(&n));
  Mrk_MrkKng cursor;
  ASSERT_EQ(0, cursor.Open("LZS"));
  MerkSatz r;
  r.MrkEsb = "left over";
  ASSERT_EQ(0, cursor.Read(&r));
  EXPECT_TRUE(r.MrkEsb.empty());
  EXPECT_EQ(1, r.MrkBnr);
  EXPECT_EQ(1403, cursor.Read(&r));
  EXPECT_EQ(1, r.MrkBnr);
  EXPECT_EQ(0, cursor.Close());
}

TEST_P(MrkTest, KindCursorOrdersByWorkPlaceOrderOperationAndMoment) {
  MerkSatz a = Note("NZS", 1, "20261207120000");
  MerkSatz b = Note("NZS", 2, "20261207060000");
  MerkSatz c = Note("NZS", 3, "20261207000000");
  c.MrkApk = "AUFTRAG00002";
  MerkSatz d = Note("NZS", 4, "20261201000000");
  d.MrkApl = "APL0000002";
  MerkSatz otherKind = Note("LZS", 5);
  for (MerkSatz* n : {&a, &b, &c, &d, &otherKind}) ASSERT_EQ(0, Mrk_PKeyIns(n));
  Mrk_MrkKng cursor;
  ASSERT_EQ(0, cursor.Open("NZS"));
  std::vector<int> got;
  MerkSatz r;
  int rc;
  while ((rc = cursor.Read(&r)) == 0) got.push_back(r.MrkBnr);
  EXPECT_EQ(1403, rc);
  EXPECT_EQ(0, cursor.Close());
  EXPECT_EQ((std::vector<int>{2, 1, 3, 4}), got);
}

TEST_P(MrkTest, MissingNoteLeavesTheRecordAsItWas) {
  MerkSatz r = Note("STG", 9);
  r.MrkEsb = "mine";
  EXPECT_EQ(1403, Mrk_PKeyReadk(&r));
  EXPECT_EQ("STG", r.MrkKng.view());
  EXPECT_EQ("20261207065131", r.MrkMdt.view());
  EXPECT_EQ("MPA", r.MrkObj.view());
  EXPECT_EQ("mine", r.MrkEsb.view());
}

TEST_P(MrkTest, TwinNotesAreBothStoredAndMakeTheKeyedReadFail) {
  MerkSatz first = Note("NZS", 7, "20261207065131");
  MerkSatz twin = Note("NZS", 7, "20261207070000");
  ASSERT_EQ(0, Mrk_PKeyIns(&first));
  ASSERT_EQ(0, Mrk_PKeyIns(&twin));
  ASSERT_EQ(0, Mrk_PKeyIns(&twin));  // no unique key at all
  EXPECT_EQ(3, testdb::CountRows("Kvs563Mrk"));
  MerkSatz r = KeyOf(first);
  r.MrkObj = "XYZ";
  EXPECT_EQ(-1422, Mrk_PKeyReadk(&r));
  EXPECT_EQ("XYZ", r.MrkObj.view());
  EXPECT_TRUE(r.MrkMdt.empty());
}

TEST_P(MrkTest, DeleteRemovesEveryNoteOfTheKeyWhateverItsMoment) {
  MerkSatz first = Note("NZS", 7, "20261207065131");
  MerkSatz twin = Note("NZS", 7, "20261207070000");
  MerkSatz otherBooking = Note("NZS", 8);
  MerkSatz otherKind = Note("LZS", 7);
  for (MerkSatz* n : {&first, &twin, &otherBooking, &otherKind}) ASSERT_EQ(0, Mrk_PKeyIns(n));
  MerkSatz k = KeyOf(first);
  ASSERT_EQ(0, Mrk_PKeyDel(&k));
  EXPECT_EQ(2, testdb::CountRows("Kvs563Mrk"));
  EXPECT_EQ(1403, Mrk_PKeyReadk(&k));
  MerkSatz kept = KeyOf(otherBooking);
  EXPECT_EQ(0, Mrk_PKeyReadk(&kept));
}

TEST_P(MrkTest, CountByKind) {
  for (int bnr = 1; bnr <= 3; ++bnr) {
    MerkSatz n = Note("NZS", bnr);
    ASSERT_EQ(0, Mrk_PKeyIns(&n));
  }
  MerkSatz stg = Note("STG", 4);
  ASSERT_EQ(0, Mrk_PKeyIns(&stg));
  std::int32_t count = -1;
  ASSERT_EQ(0, Mrk_CountKng("NZS", &count));
  EXPECT_EQ(3, count);
  ASSERT_EQ(0, Mrk_CountKng("STG", &count));
  EXPECT_EQ(1, count);
}

TEST_P(MrkTest, CountOfAKindWithoutNotesIsZero) {
  MerkSatz n = Note("NZS", 1);
  ASSERT_EQ(0, Mrk_PKeyIns(&n));
  std::int32_t count = -1;
  ASSERT_EQ(0, Mrk_CountKng("LZS", &count));
  EXPECT_EQ(0, count);
}

TEST_P(MrkTest, NoteWithoutMomentIsStoredWithoutIt) {
  MerkSatz n = Note("NZS", 1, "");
  ASSERT_EQ(0, Mrk_PKeyIns(&n));
  MerkSatz r = KeyOf(n);
  r.MrkMdt = "x";
  ASSERT_EQ(0, Mrk_PKeyReadk(&r));
  EXPECT_TRUE(r.MrkMdt.empty());
}

TEST_P(MrkTest, InvalidMomentIsADateErrorAndWritesNothing) {
  MerkSatz n = Note("NZS", 1, "20261207256000");
  EXPECT_GT(0, Mrk_PKeyIns(&n));
  EXPECT_EQ(0, testdb::CountRows("Kvs563Mrk"));
}

INSTANTIATE_DB_TEST(MrkTest);

}  // namespace
