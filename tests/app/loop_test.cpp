// The decisions of one pass: which phases run for which queue and note
// counts, in which order, and where the pass commits. The phases are fakes
// that only record their calls.
#include "app/loop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What the fakes answer and what they saw; reset by every test.
struct Scene {
  int queueRows = 0;
  std::int32_t notesNzs = 0, notesLzs = 0, notesStg = 0;
  bool noteCountsFail = false;
  std::vector<std::string> calls;
};
Scene scene;

int fakeQueueSize() {
  scene.calls.push_back("queueSize");
  return scene.queueRows;
}

int fakeDrain() {
  scene.calls.push_back("drain");
  return 0;
}

int fakeCountNotes(const char* kind, std::int32_t* count) {
  scene.calls.push_back(std::string("count ") + kind);
  if (scene.noteCountsFail) return -3114;  // the count is not delivered
  if (std::strcmp(kind, "NZS") == 0) *count = scene.notesNzs;
  if (std::strcmp(kind, "LZS") == 0) *count = scene.notesLzs;
  if (std::strcmp(kind, "STG") == 0) *count = scene.notesStg;
  return 0;
}

int fakeNzs() {
  scene.calls.push_back("NZS");
  return 0;
}

int fakeLzs() {
  scene.calls.push_back("LZS");
  return 0;
}

int fakeStg() {
  scene.calls.push_back("STG");
  return 0;
}

void fakeCommit() { scene.calls.push_back("commit"); }
void fakeTidyUp() { scene.calls.push_back("tidy up"); }

constexpr PassPhases kFakes = {fakeQueueSize, fakeDrain, fakeCountNotes, fakeNzs, fakeLzs, fakeStg, fakeCommit,
                               fakeTidyUp};

using Calls = std::vector<std::string>;

class PassTest : public ::testing::Test {
 protected:
  void SetUp() override { scene = Scene{}; }

  Calls runPass() {
    RunPass(kFakes);
    return scene.calls;
  }
};

TEST_F(PassTest, NothingToDoCountsButNeitherDrainsNorCommitsAndTidiesUp) {
  EXPECT_EQ(runPass(), (Calls{"queueSize", "count NZS", "count LZS", "count STG", "tidy up"}));
}

TEST_F(PassTest, QueuedTelegramsAreDrainedAndCommitted) {
  scene.queueRows = 3;
  EXPECT_EQ(runPass(), (Calls{"queueSize", "drain", "commit", "count NZS", "count LZS", "count STG", "tidy up"}));
}

TEST_F(PassTest, OnlyRunTimeNotesRunBothPersonAndRunTimeAnalysisWithOneCommit) {
  scene.notesLzs = 1;
  EXPECT_EQ(runPass(), (Calls{"queueSize", "count NZS", "count LZS", "NZS", "LZS", "commit", "count STG", "tidy up"}));
}

TEST_F(PassTest, OnlyPersonNotesRunBothPersonAndRunTimeAnalysis) {
  scene.notesNzs = 2;
  EXPECT_EQ(runPass(), (Calls{"queueSize", "count NZS", "count LZS", "NZS", "LZS", "commit", "count STG", "tidy up"}));
}

TEST_F(PassTest, PersonAndStoppageNotesRunAllThreeAnalysesWithTwoCommits) {
  scene.notesNzs = 1;
  scene.notesStg = 4;
  EXPECT_EQ(runPass(), (Calls{"queueSize", "count NZS", "count LZS", "NZS", "LZS", "commit", "count STG", "STG",
                              "commit", "tidy up"}));
}

TEST_F(PassTest, OnlyStoppageNotesRunOnlyTheStoppageAnalysis) {
  scene.notesStg = 1;
  EXPECT_EQ(runPass(), (Calls{"queueSize", "count NZS", "count LZS", "count STG", "STG", "commit", "tidy up"}));
}

TEST_F(PassTest, EveryPhaseInItsOrderWhenEverythingIsPending) {
  scene.queueRows = 1;
  scene.notesNzs = scene.notesLzs = scene.notesStg = 1;
  EXPECT_EQ(runPass(), (Calls{"queueSize", "drain", "commit", "count NZS", "count LZS", "NZS", "LZS", "commit",
                              "count STG", "STG", "commit", "tidy up"}));
}

TEST_F(PassTest, AFailedQueueCountStillAttemptsTheDrain) {
  scene.queueRows = -1;
  EXPECT_EQ(runPass(), (Calls{"queueSize", "drain", "commit", "count NZS", "count LZS", "count STG", "tidy up"}));
}

TEST_F(PassTest, FailedNoteCountsCountAsNoNotes) {
  scene.noteCountsFail = true;
  scene.notesNzs = scene.notesLzs = scene.notesStg = 5;  // never delivered
  EXPECT_EQ(runPass(), (Calls{"queueSize", "count NZS", "count LZS", "count STG", "tidy up"}));
}

TEST(DefaultPhases, EveryPhaseIsWired) {
  const PassPhases p = DefaultPhases();
  EXPECT_NE(p.queueSize, nullptr);
  EXPECT_NE(p.drainQueue, nullptr);
  EXPECT_NE(p.countNotes, nullptr);
  EXPECT_NE(p.personAnalysis, nullptr);
  EXPECT_NE(p.runTimeAnalysis, nullptr);
  EXPECT_NE(p.stoppageAnalysis, nullptr);
  EXPECT_NE(p.commit, nullptr);
  EXPECT_NE(p.tidyUp, nullptr);
}

}  // namespace
