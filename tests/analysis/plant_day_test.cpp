// A whole plant through the worker: three days of twenty work places, fed
// slice by slice to `bdemorvelt --once` with the clock held at the end of
// each slice (faketime), since open periods end at the run stamp. What the
// analyses leave -- period, run-time, total and stoppage rows, protocol
// rows, numbers on bookings, pending notes, overlaps and log entries -- must
// be what the fixture file recorded, on both backends alike.
//
// The fixture is written anew by scripts/plant-fixture.sh, which runs this
// test with BDEMORVELT_FIXTURE_WRITE=1: the SQLite run writes the file, the
// PostgreSQL run, when a server is configured, must then agree with it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "analysis_dump.h"
#include "intake_support.h"
#include "plant/log_entries.h"
#include "plant/plant.h"
#include "program.h"

namespace {

using namespace intake_test;
namespace fs = std::filesystem;

constexpr const char* kFaketime = "/usr/bin/faketime";
constexpr long kSlice = 2 * 3600;  // seconds of plant time per pass

const char* kFixture = BDE_FIXTURE_DIR "/plant_day.txt";

// Three days, twenty work places in two groups: the first works early, late
// and night shift (across midnight), the second a day and an evening shift
// up to midnight; two persons per group and shift, so that some machines
// stand still.
plant::PlantOptions FixturePlant() {
  plant::PlantOptions o;
  o.workPlaces = 20;
  o.groupSize = 10;
  o.shifts = 3;
  o.personsPerShift = 4;
  o.firstDay = "20260302";
  o.days = 3;
  o.seed = 11;
  return o;
}

std::set<std::string> FunctionCodes(const plant::Plant& p) {
  std::set<std::string> codes;
  for (const plant::PlantTelegram& t : p.telegrams()) codes.insert(t.text.substr(71, 3));
  return codes;
}

TEST(PlantDay, SameOptionsSamePlantEveryKindOfEventInOrder) {
  const plant::Plant a(FixturePlant()), b(FixturePlant());
  EXPECT_EQ(a.telegrams(), b.telegrams());
  EXPECT_EQ(a.persons(), b.persons());
  EXPECT_EQ(a.operations(), b.operations());
  EXPECT_EQ(a.workPlaces(), b.workPlaces());
  plant::PlantOptions other = FixturePlant();
  other.seed = 20;
  EXPECT_NE(a.telegrams(), plant::Plant(other).telegrams());

  EXPECT_EQ(FunctionCodes(a), (std::set<std::string>{"A01", "A02", "A03", "A04", "A05", "A06", "A07", "M03", "M04",
                                                     "P01", "P04", "P05", "P06", "P07", "P08"}));
  for (std::size_t k = 1; k < a.telegrams().size(); ++k)
    ASSERT_LT(a.telegrams()[k - 1].moment, a.telegrams()[k].moment) << "telegram " << k;
  // The telegram carries its own moment, and a night shift reaches into the
  // day after the last.
  EXPECT_EQ(a.telegrams().front().moment.substr(2, 12), a.telegrams().front().text.substr(57, 12));
  EXPECT_EQ("20260305", a.telegrams().back().moment.substr(0, 8));

  // Persons on both kinds of model, one away for a day, night shifts' come
  // and go on two days.
  int timeModel = 0, away = 0, overnight = 0;
  for (const plant::PlantPerson& p : a.persons()) {
    timeModel += p.timeModel;
    away += p.attendance.size() < 3;
    for (const plant::PlantAttendance& d : p.attendance) overnight += d.come.substr(0, 8) != d.go.substr(0, 8);
  }
  EXPECT_GT(timeModel, 0);
  EXPECT_LT(timeModel, static_cast<int>(a.persons().size()));
  EXPECT_GT(away, 0);
  EXPECT_GT(overnight, 0);
}

class PlantDayTest : public DbTest {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    ASSERT_TRUE(fs::exists(kFaketime)) << "faketime is missing: bash scripts/install-deps.sh";
    DbTest::SetUp();
    if (IsSkipped()) return;
    dir_ = testdb::ScratchDir() + "/plant-day-" + std::to_string(static_cast<int>(GetParam()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ + "/ipc");
    fs::create_directories(dir_ + "/Msg");
    WriteConfig(dir_ + "/korvantis.ini", LoginFrom(dir_));
  }

  void TearDown() override {
    if (!HasFailure() && !dir_.empty()) fs::remove_all(dir_);
    DbTest::TearDown();
  }

  // One pass of the worker with the clock standing at `moment`. Only the
  // wall clock stands: the monotonic clock runs on, so nothing that waits
  // for time to pass can hang.
  void passAt(const std::string& moment) {
    const std::string at = moment.substr(0, 4) + "-" + moment.substr(4, 2) + "-" + moment.substr(6, 2) + " " +
                           moment.substr(8, 2) + ":" + moment.substr(10, 2) + ":" + moment.substr(12, 2);
    const char* asan = std::getenv("ASAN_OPTIONS");
    Launch launch{{kFaketime, "-f", at},
                  {"DONT_FAKE_MONOTONIC=1",
                   // libfaketime is preloaded ahead of the sanitizer's runtime
                   "ASAN_OPTIONS=" + std::string(asan ? asan : "") + ":verify_asan_link_order=0"}};
    // The log's name is relative: the worker keeps at most 64 characters of it.
    Program worker(dir_, dir_ + "/ipc", {"--once", "--config", "korvantis.ini", "--log", "Msg/BdeMorvelt.txt"}, "",
                   dir_ + "/out.txt", launch);
    ASSERT_EQ(0, worker.wait()) << ReadFile(dir_ + "/out.txt");
    plant::TakeLogEntries(dir_ + "/Msg/BdeMorvelt.txt", dir_ + "/Msg/BdeMorvelt.old", log_);
  }

  std::string dir_;
  std::map<std::string, int> log_;
};

TEST_P(PlantDayTest, AnalysesLeaveWhatTheFixtureRecorded) {
  const plant::Plant p(FixturePlant());
  std::string error;
  ASSERT_TRUE(p.load(&error)) << error;
  const std::vector<plant::PlantTelegram>& telegrams = p.telegrams();
  std::size_t queued = 0;
  for (long end = kSlice; queued < telegrams.size(); end += kSlice) {
    const std::size_t next = plant::TelegramsUpTo(telegrams, plant::PlantMoment(p.options().firstDay, end - 1));
    ASSERT_EQ(0, plant::QueueTelegrams(telegrams, queued, next, static_cast<std::int32_t>(queued + 1)));
    queued = next;
    ASSERT_NO_FATAL_FAILURE(passAt(plant::PlantMoment(p.options().firstDay, end)));
  }
  ASSERT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  const std::string dump = testdb::AnalysisDump(log_);

  if (std::getenv("BDEMORVELT_FIXTURE_WRITE") && GetParam() == testdb::Backend::Sqlite) {
    std::ofstream(kFixture, std::ios::binary) << dump;
    std::printf("fixture written: %s\n", kFixture);
    return;
  }
  const std::string expected = ReadFile(kFixture);
  if (dump == expected) return;
  const std::string actual = dir_ + "/plant_day.actual";
  std::ofstream(actual, std::ios::binary) << dump;
  std::size_t at = 0;
  while (at < dump.size() && at < expected.size() && dump[at] == expected[at]) ++at;
  const std::size_t line = expected.rfind('\n', at) + 1;
  FAIL() << "the analyses left other rows than the fixture records; all of them are in " << actual
         << "\nfirst difference, expected:\n"
         << expected.substr(line, expected.find('\n', line) - line) << "\nfound:\n"
         << dump.substr(line, dump.find('\n', line) - line);
}

INSTANTIATE_DB_TEST(PlantDayTest);

}  // namespace
