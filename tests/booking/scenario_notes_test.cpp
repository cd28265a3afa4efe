// The recalculation notes a telegram leaves, per function code and switch.
#include <gtest/gtest.h>

#include "db_fixture.h"
#include "scenario_support.h"

namespace {

using namespace scenario;

constexpr std::string_view kOrder = "ORD000000001";
using Kinds = std::vector<std::string>;

class NotesScenario : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShopFloor();
  }
  // Only the notes of the telegram under test count.
  static void ForgetNotes() { testdb::Exec("delete from Kvs563Mrk"); }
  static void Switches(bool k1, bool k3, bool k4, bool k5) {
    SetNoteSwitch(1, k1);
    SetNoteSwitch(3, k3);
    SetNoteSwitch(4, k4);
    SetNoteSwitch(5, k5);
  }
};

TEST_P(NotesScenario, FinishedOperationEndWithSwitchesOneThreeFour) {
  Switches(true, true, true, false);
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  ForgetNotes();
  Book(EndTelegram("150000", kAnna, kOrder, "00010", 10, '1'));
  EXPECT_EQ((Kinds{"LZM", "LZS", "NZA", "NZM", "NZS"}), NoteKinds());
  const MelSatz end = LastTelegramBooking();
  auto nzs = NotesOfKind("NZS");
  ASSERT_EQ(1u, nzs.size());
  EXPECT_EQ(kWp, nzs[0].MrkApl.view());
  EXPECT_EQ(kOrder, nzs[0].MrkApk.view());
  EXPECT_EQ("00010", nzs[0].MrkApp.str());
  EXPECT_EQ(kAnna.pnr, nzs[0].MrkPnr.view());
  EXPECT_EQ(end.KeyBnr, nzs[0].MrkBnr);
  EXPECT_EQ(std::string(kDay) + "150000", nzs[0].MrkMdt.str());
  EXPECT_EQ("M_A", nzs[0].MrkObj.str());
  auto lzs = NotesOfKind("LZS");
  EXPECT_EQ("00000000", lzs[0].MrkPnr.str());
  EXPECT_EQ(end.KeyBnr, lzs[0].MrkBnr);
  auto nzm = NotesOfKind("NZM");
  EXPECT_EQ(kDay, nzm[0].MrkApl.view());
  EXPECT_EQ("000000000000", nzm[0].MrkApk.str());
  EXPECT_EQ("00000", nzm[0].MrkApp.str());
  EXPECT_EQ(kAnna.pnr, nzm[0].MrkPnr.view());
  EXPECT_EQ(0, nzm[0].MrkBnr);
  auto nza = NotesOfKind("NZA");
  EXPECT_EQ("0000000000", nza[0].MrkApl.str());
  EXPECT_EQ(kOrder, nza[0].MrkApk.view());
  EXPECT_EQ("00000000", nza[0].MrkPnr.str());
  EXPECT_EQ(0, nza[0].MrkBnr);
  auto lzm = NotesOfKind("LZM");
  EXPECT_EQ(kWp, lzm[0].MrkApl.view());
  EXPECT_EQ("000000000000", lzm[0].MrkApk.str());
  EXPECT_EQ(0, lzm[0].MrkBnr);
}

TEST_P(NotesScenario, UnfinishedOperationEndLeavesNoOrderNote) {
  Switches(true, true, true, false);
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  ForgetNotes();
  Book(EndTelegram("150000", kAnna, kOrder, "00010", 10, '0'));
  EXPECT_EQ((Kinds{"LZM", "LZS", "NZM", "NZS"}), NoteKinds());
}

TEST_P(NotesScenario, SetUpEndWithAllSwitchesOff) {
  Switches(false, false, false, false);
  Book(QuantityTelegram("A02", "090000", kAnna, kOrder, "00010", 3));
  EXPECT_EQ((Kinds{"LZS", "NZS"}), NoteKinds());
}

TEST_P(NotesScenario, SetUpEndWithNoParametersAtAll) {
  Book(QuantityTelegram("A02", "090000", kAnna, kOrder, "00010", 3));
  EXPECT_EQ((Kinds{"LZS", "NZS"}), NoteKinds());
}

TEST_P(NotesScenario, PersonLogOffLeavesAPersonNote) {
  Switches(false, false, false, false);
  Book(PersonEndTelegram("120000", kBen, kOrder, "00010", 0));
  EXPECT_EQ((Kinds{"NZS"}), NoteKinds());
  auto nzs = NotesOfKind("NZS");
  EXPECT_EQ(kBen.pnr, nzs[0].MrkPnr.view());
  EXPECT_EQ(kWp, nzs[0].MrkApl.view());
  EXPECT_EQ(kOrder, nzs[0].MrkApk.view());
  EXPECT_EQ("00010", nzs[0].MrkApp.str());
  EXPECT_EQ("MPA", nzs[0].MrkObj.str());

  ForgetNotes();
  Switches(true, true, true, true);
  Book(PersonEndTelegram("121000", kBen, kOrder, "00010", 0));
  EXPECT_EQ((Kinds{"LZM", "NZM", "NZS"}), NoteKinds());
}

TEST_P(NotesScenario, WorkPlaceInterruptionEndLeavesAStoppageNoteOnlyWhenSwitched) {
  Switches(true, true, false, false);
  Book(WorkPlaceTelegram("M03", "090000", kDan, "0099"));
  Book(WorkPlaceTelegram("M04", "100000", kDan, "0000"));
  EXPECT_EQ(Kinds{}, NoteKinds());
  Switches(false, false, false, true);
  Book(WorkPlaceTelegram("M03", "110000", kDan, "0099"));
  Book(WorkPlaceTelegram("M04", "113000", kDan, "0000"));
  EXPECT_EQ((Kinds{"STG"}), NoteKinds());
  auto stg = NotesOfKind("STG");
  EXPECT_EQ(kWp, stg[0].MrkApl.view());
  EXPECT_EQ("000000000000", stg[0].MrkApk.str());
  EXPECT_EQ("00000", stg[0].MrkApp.str());
  EXPECT_EQ("00000000", stg[0].MrkPnr.str());
  EXPECT_EQ(LastTelegramBooking().KeyBnr, stg[0].MrkBnr);
  EXPECT_EQ("M__", stg[0].MrkObj.str());
}

TEST_P(NotesScenario, DayNoteOncePerPersonAndDayButPersonNotesPerBooking) {
  Switches(true, false, false, false);
  Book(QuantityTelegram("A02", "090000", kAnna, kOrder, "00010", 3));
  Book(QuantityTelegram("A02", "100000", kAnna, kOrder, "00010", 4));
  EXPECT_EQ(1u, NotesOfKind("NZM").size());
  EXPECT_EQ(2u, NotesOfKind("NZS").size());
}

TEST_P(NotesScenario, UnknownPersonLeavesNoDayNote) {
  Switches(true, false, false, false);
  Book(QuantityTelegram("A02", "090000", Worker{"", kUnknownBadge}, kOrder, "00010", 3));
  EXPECT_EQ((Kinds{"LZS", "NZS"}), NoteKinds());
  EXPECT_EQ("99999999", NotesOfKind("NZS")[0].MrkPnr.str());
}

TEST_P(NotesScenario, WorkPlaceNoteOncePerWorkPlaceForEveryCode) {
  Switches(false, false, true, false);
  Book(PersonTelegram("P01", "060000", kAnna));
  Book(PersonTelegram("P01", "060100", kBen));
  Book(PersonTelegram("P01", "060200", kCara, kWp2));
  auto lzm = NotesOfKind("LZM");
  ASSERT_EQ(2u, lzm.size());
  EXPECT_EQ(kWp, lzm[0].MrkApl.view());
  EXPECT_EQ(kWp2, lzm[1].MrkApl.view());
}

INSTANTIATE_DB_TEST(NotesScenario);

}  // namespace
