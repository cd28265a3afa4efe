#include "base/msglog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::tm localNow() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}

// The stamp lines written by hand, for comparing with the file.
std::string stamp(const std::tm& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "System-Date: %02d.%02d.%02d\r\nSystem-Time: %02d:%02d:%02d\r\n",
                t.tm_mday, t.tm_mon + 1, t.tm_year % 100, t.tm_hour, t.tm_min, t.tm_sec);
  return buf;
}

std::size_t countEntries(const std::string& text) {
  std::size_t n = 0;
  for (std::size_t pos = text.find("\xFE\r\n"); pos != std::string::npos;
       pos = text.find("\xFE\r\n", pos + 1))
    ++n;
  return n;
}

class MsgLog : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("bde_msglog_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "Msg");
    log_ = dir_ / "Msg" / "BdeMorvelt.txt";
    backup_ = dir_ / "Msg" / "BdeMorvelt.old";
    MsgOpen(7, log_.string());
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_, log_, backup_;
};

TEST(MsgEntry, ExactBytesOfAnErrorAndWarningEntry) {
  MsgSatz r;
  r.function = "Bnr_PKeyReadk()";
  r.message = "Fehler BnrSatz lesen";
  r.kinds = 12;
  r.code = 1403;
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 7;
  t.tm_hour = 6;
  t.tm_min = 51;
  t.tm_sec = 31;
  EXPECT_EQ(MsgEntryText(r, t),
            "\xFE\r\n"
            "System-Date: 07.12.26\r\n"
            "System-Time: 06:51:31\r\n"
            "MsgArt_____: FMSG WMSG \r\n"
            "Message____: Fehler BnrSatz lesen\r\n"
            "Funktion___: Bnr_PKeyReadk()\r\n"
            "ErrorCode__: 1403\r\n");
}

TEST(MsgEntry, AllKindWordsInOrder) {
  MsgSatz r;
  r.kinds = 31;
  std::string text = MsgEntryText(r, std::tm{});
  EXPECT_NE(text.find("MsgArt_____: DMSG SMSG FMSG WMSG CMSG \r\n"), std::string::npos);
}

TEST_F(MsgLog, WritesTheEntryToTheFile) {
  MsgSatz r;
  r.function = "Bnr_PKeyReadk()";
  r.message = "Fehler BnrSatz lesen";
  r.kinds = 12;
  r.code = 1403;
  std::tm before = localNow();
  MsgWrite(r);
  std::tm after = localNow();

  const std::string tail =
      "MsgArt_____: FMSG WMSG \r\nMessage____: Fehler BnrSatz lesen\r\n"
      "Funktion___: Bnr_PKeyReadk()\r\nErrorCode__: 1403\r\n";
  std::string content = readFile(log_);
  EXPECT_TRUE(content == "\xFE\r\n" + stamp(before) + tail ||
              content == "\xFE\r\n" + stamp(after) + tail)
      << content;
  EXPECT_EQ(MsgEntryCount(), 1);
}

TEST_F(MsgLog, KindOutsideTheMaskWritesNothing) {
  MsgSatz r;
  r.kinds = 8;
  MsgWrite(r);
  EXPECT_FALSE(fs::exists(log_));
  EXPECT_EQ(MsgEntryCount(), 0);
  r.kinds = 0;
  MsgWrite(r);
  r.kinds = -8;  // negative and outside the mask
  MsgWrite(r);
  EXPECT_FALSE(fs::exists(log_));
  EXPECT_EQ(MsgEntryCount(), 0);
}

TEST_F(MsgLog, EntriesAreAppended) {
  LogError("dbConnect", "fehlerhafter Connect mit der DB", -3114);
  LogError("Input-Buchung", "Rcv_PKeyRead()", 0);
  std::string content = readFile(log_);
  EXPECT_EQ(countEntries(content), 2u);
  EXPECT_NE(content.find("MsgArt_____: FMSG \r\nMessage____: fehlerhafter Connect mit der DB\r\n"
                         "Funktion___: dbConnect\r\nErrorCode__: -3114\r\n\xFE\r\n"),
            std::string::npos);
  EXPECT_TRUE(content.ends_with("Funktion___: Input-Buchung\r\nErrorCode__: 0\r\n"));
  EXPECT_EQ(MsgEntryCount(), 2);
}

TEST_F(MsgLog, DebugEntryCarriesItsDataAndSystemEntryAnEmptyLine) {
  const char data[] = {'a', '\0', 'b'};
  MsgSatz r;
  r.function = "f";
  r.message = "m";
  r.kinds = 3;
  r.code = 1;
  r.data = data;
  r.dataLength = sizeof data;
  MsgWrite(r);
  std::string content = readFile(log_);
  EXPECT_TRUE(content.ends_with("MsgArt_____: DMSG SMSG \r\nMessage____: m\r\nFunktion___: f\r\n"
                                "ErrorCode__: 1\r\n" + std::string(data, 3) + "\r\n\r\n\r\n"))
      << content;
}

TEST_F(MsgLog, OverLongTextsAreCutKeepingTheLayout) {
  LogError("Nza_ArbeitEndeOhneBeginn", std::string(2000, 'm'), -1400);
  std::string content = readFile(log_);
  std::size_t tailStart = content.find("\r\nMessage____: ");
  ASSERT_NE(tailStart, std::string::npos);
  std::string tail = content.substr(tailStart);
  EXPECT_EQ(tail.size(), 99u);
  EXPECT_TRUE(tail.ends_with(
      "m\r\nFunktion___: Nza_ArbeitEndeOhneBeginn\r\nErrorCode__: -1400\r\n"))
      << tail;

  LogError(std::string(500, 'f'), std::string(500, 'm'), 7);
  content = readFile(log_);
  tail = content.substr(content.rfind("\r\nMessage____: "));
  EXPECT_EQ(tail.size(), 99u);
  EXPECT_TRUE(tail.starts_with("\r\nMessage____: \r\nFunktion___: fff")) << tail;
  EXPECT_TRUE(tail.ends_with("f\r\nErrorCode__: 7\r\n")) << tail;
  EXPECT_EQ(countEntries(content), 2u);
}

TEST_F(MsgLog, TextsEndAtAnEmbeddedNul) {
  LogError(std::string("fun\0ction", 9), std::string("mes\0sage", 8), 2);
  EXPECT_TRUE(readFile(log_).ends_with(
      "Message____: mes\r\nFunktion___: fun\r\nErrorCode__: 2\r\n"));
}

TEST_F(MsgLog, RotatesOnThe3002ndEntry) {
  std::ofstream(backup_, std::ios::binary) << "stale backup";
  MsgSetEntryCount(kMsgEntryLimit - 1);
  LogError("f", "entry 3000", 0);
  LogError("f", "entry 3001", 0);
  EXPECT_EQ(MsgEntryCount(), 3001);
  std::string full = readFile(log_);
  EXPECT_NE(full.find("entry 3001"), std::string::npos);
  EXPECT_EQ(readFile(backup_), "stale backup");

  LogError("f", "entry 3002", 0);
  EXPECT_EQ(readFile(backup_), full);
  std::string fresh = readFile(log_);
  EXPECT_EQ(countEntries(fresh), 1u);
  EXPECT_NE(fresh.find("entry 3002"), std::string::npos);
  EXPECT_EQ(MsgEntryCount(), 1);
}

TEST_F(MsgLog, RotationCountsRealEntriesFromOpen) {
  for (int i = 1; i <= 3001; ++i) LogError("f", "entry " + std::to_string(i), i);
  EXPECT_FALSE(fs::exists(backup_));
  EXPECT_EQ(countEntries(readFile(log_)), 3001u);
  LogError("f", "entry 3002", 3002);
  EXPECT_EQ(countEntries(readFile(backup_)), 3001u);
  EXPECT_EQ(countEntries(readFile(log_)), 1u);
}

TEST_F(MsgLog, FailedRotationDropsTheEntryAndTriesAgain) {
  LogError("f", "before", 0);
  fs::create_directories(backup_ / "blocker");  // the log cannot be moved onto it
  MsgSetEntryCount(kMsgEntryLimit + 1);
  LogError("f", "dropped", 0);
  EXPECT_EQ(readFile(log_).find("dropped"), std::string::npos);
  EXPECT_EQ(MsgEntryCount(), kMsgEntryLimit + 1);

  fs::remove_all(backup_);
  LogError("f", "after", 0);
  EXPECT_NE(readFile(backup_).find("before"), std::string::npos);
  EXPECT_NE(readFile(log_).find("after"), std::string::npos);
  EXPECT_EQ(MsgEntryCount(), 1);
}

TEST_F(MsgLog, RemovedLogFileDoesNotStopTheLogForGood) {
  LogError("f", "first", 0);
  fs::remove(log_);
  MsgSetEntryCount(kMsgEntryLimit + 1);
  LogError("f", "second", 0);
  EXPECT_NE(readFile(log_).find("second"), std::string::npos);
  EXPECT_EQ(MsgEntryCount(), 1);
}

TEST_F(MsgLog, MissingDirectoryDropsEntriesSilently) {
  MsgOpen(7, (dir_ / "nowhere" / "BdeMorvelt.txt").string());
  LogError("f", "lost", 0);
  LogError("f", "lost too", 0);
  EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
  EXPECT_EQ(MsgEntryCount(), 0);
  MsgSetEntryCount(kMsgEntryLimit + 1);  // rotation in a missing directory
  LogError("f", "lost", 0);
  EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
}

TEST(MsgOpenNames, BackupNameReplacesTheExtension) {
  MsgOpen(7, "./Msg/BdeMorvelt.txt");
  EXPECT_EQ(MsgBackupName(), "./Msg/BdeMorvelt.old");
  MsgOpen(7, "msg.dat");
  EXPECT_EQ(MsgBackupName(), "msg.old");
  MsgOpen(7, "");
  EXPECT_EQ(MsgFileName(), "msg.dat");
  EXPECT_EQ(MsgBackupName(), "msg.old");
  MsgOpen(7, "logs.d/worker");
  EXPECT_EQ(MsgBackupName(), "logs.d/worker.old");
  MsgOpen(7, "a.b.c");
  EXPECT_EQ(MsgBackupName(), "a.b.old");
  MsgOpen(7, "x.old");
  EXPECT_EQ(MsgBackupName(), "x.old.old");
}

TEST(MsgOpenNames, LongNamesAreCutTo64Characters) {
  const std::string longName = std::string(70, 'n') + ".txt";
  MsgOpen(7, longName);
  EXPECT_EQ(MsgFileName(), std::string(64, 'n'));
  EXPECT_EQ(MsgBackupName(), std::string(64, 'n') + ".old");
  MsgOpen(7, std::string(60, 'n') + ".txt");
  EXPECT_EQ(MsgFileName(), std::string(60, 'n') + ".txt");
  EXPECT_EQ(MsgEntryCount(), 0);
}

}  // namespace
