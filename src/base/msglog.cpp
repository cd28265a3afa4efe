#include "base/msglog.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace {

constexpr std::size_t kHeadBufferSize = 1000;  // marker, date, time, kinds
constexpr std::size_t kTailBufferSize = 100;   // message, function, code

struct LogSettings {
  std::string fileName;
  std::string backupName;
  int mask = 0;
  int count = 0;
  bool journal = false;  // error entries go to standard error as well
};

std::mutex& logMutex() {
  static std::mutex m;
  return m;
}

LogSettings& settings() {
  static LogSettings s;
  return s;
}

// A record's texts are C texts: they end at an embedded NUL.
std::string_view cText(std::string_view s) { return s.substr(0, s.find('\0')); }

std::string backupNameFor(const std::string& fileName) {
  std::size_t slash = fileName.rfind('/');
  std::size_t ownStart = slash == std::string::npos ? 0 : slash + 1;
  std::size_t point = fileName.rfind('.');
  std::string backup = (point != std::string::npos && point >= ownStart)
                           ? fileName.substr(0, point) + ".old"
                           : fileName + ".old";
  if (backup == fileName) backup += ".old";
  return backup;
}

std::string kindWords(int kinds) {
  static constexpr std::array<std::pair<int, const char*>, 5> kWords = {{
      {kMsgDebug, "DMSG "}, {kMsgSystem, "SMSG "}, {kMsgError, "FMSG "},
      {kMsgWarning, "WMSG "}, {kMsgC, "CMSG "}}};
  std::string words;
  for (const auto& [bit, word] : kWords)
    if (kinds & bit) words += word;
  return words;
}

// Message, function and code lines within the tail buffer. Cutting the
// formatted text at the buffer's end would lose the code and the line ends,
// and the next entry's marker would no longer start a line; so the texts
// give way instead: first the message, then the function name.
std::string tailLines(std::string_view message, std::string_view function, int code) {
  static constexpr std::string_view kMessage = "\r\nMessage____: ";
  static constexpr std::string_view kFunction = "\r\nFunktion___: ";
  static constexpr std::string_view kCode = "\r\nErrorCode__: ";
  const std::string codeText = std::to_string(code);
  const std::size_t fixed = kMessage.size() + kFunction.size() + kCode.size() +
                            codeText.size() + 2;
  const std::size_t room = kTailBufferSize - 1 - fixed;
  function = function.substr(0, room);
  message = message.substr(0, room - function.size());

  std::string tail;
  tail.reserve(kTailBufferSize);
  tail.append(kMessage).append(message).append(kFunction).append(function);
  tail.append(kCode).append(codeText).append("\r\n");
  return tail;
}

bool writeAll(int fd, const char* data, std::size_t length) {
  while (length > 0) {
    ssize_t n = ::write(fd, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    length -= static_cast<std::size_t>(n);
  }
  return true;
}

// Appends one entry and makes it durable; true only if all of it got there.
bool appendEntry(const std::string& fileName, const std::string& entry) {
  int fd;
  do {
    fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  bool ok = writeAll(fd, entry.data(), entry.size()) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  return ok;
}

// Moves the full log aside. A log that is gone already counts as moved, or
// the worker would never log again after someone removed the file.
bool rotate(const LogSettings& s) {
  ::unlink(s.backupName.c_str());  // no backup yet is fine
  if (std::rename(s.fileName.c_str(), s.backupName.c_str()) == 0) return true;
  return errno == ENOENT;
}

// One line for the journal: the priority prefix of an error, then the
// entry's function, message and code, line ends turned into blanks.
void copyToJournal(const MsgSatz& record) {
  std::string line = "<3>" + std::string(cText(record.function)) + ": " + std::string(cText(record.message)) +
                     " (" + std::to_string(record.code) + ")";
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  line += '\n';
  writeAll(STDERR_FILENO, line.data(), line.size());
}

std::tm localNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

void MsgOpen(int mask, const std::string& fileName) {
  std::lock_guard<std::mutex> lock(logMutex());
  LogSettings& s = settings();
  s.fileName = fileName.empty() ? "msg.dat" : fileName.substr(0, kMsgFileNameLimit);
  s.backupName = backupNameFor(s.fileName);
  s.mask = mask;
  s.count = 0;
  const char* journal = std::getenv("JOURNAL_STREAM");
  s.journal = journal != nullptr && *journal != '\0';
}

std::string MsgEntryText(const MsgSatz& record, const std::tm& when) {
  std::array<char, kHeadBufferSize> head{};
  std::snprintf(head.data(), head.size(),
                "\xFE\r\nSystem-Date: %02d.%02d.%02d\r\nSystem-Time: %02d:%02d:%02d\r\n"
                "MsgArt_____: %s",
                when.tm_mday, when.tm_mon + 1, when.tm_year % 100, when.tm_hour, when.tm_min,
                when.tm_sec, kindWords(record.kinds).c_str());
  return std::string(head.data()) +
         tailLines(cText(record.message), cText(record.function), record.code);
}

void MsgWrite(const MsgSatz& record) {
  std::lock_guard<std::mutex> lock(logMutex());
  LogSettings& s = settings();
  const int kinds = record.kinds & s.mask;
  if (kinds <= 0) return;
  if (s.journal && (kinds & kMsgError)) copyToJournal(record);

  std::string entry;
  if (kinds & (kMsgDebug | kMsgSystem | kMsgError | kMsgWarning | kMsgC))
    entry = MsgEntryText(record, localNow());
  if (kinds & kMsgDebug) {
    if (record.data) entry.append(static_cast<const char*>(record.data), record.dataLength);
    entry += "\r\n";
  }
  if (kinds & kMsgSystem) entry += "\r\n\r\n";

  if (s.count > kMsgEntryLimit) {
    if (!rotate(s)) return;
    s.count = 0;
  }
  if (appendEntry(s.fileName, entry)) ++s.count;
}

namespace {

void logEntry(int kinds, std::string_view function, std::string_view message, int code) {
  MsgSatz record;
  record.function = std::string(function);
  record.message = std::string(message);
  record.kinds = kinds;
  record.code = code;
  MsgWrite(record);
}

}  // namespace

void LogError(std::string_view function, std::string_view message, int code) {
  logEntry(kMsgError, function, message, code);
}

void LogSystem(std::string_view function, std::string_view message, int code) {
  logEntry(kMsgSystem, function, message, code);
}

std::string MsgFileName() {
  std::lock_guard<std::mutex> lock(logMutex());
  return settings().fileName;
}

std::string MsgBackupName() {
  std::lock_guard<std::mutex> lock(logMutex());
  return settings().backupName;
}

int MsgEntryCount() {
  std::lock_guard<std::mutex> lock(logMutex());
  return settings().count;
}

void MsgSetEntryCount(int count) {
  std::lock_guard<std::mutex> lock(logMutex());
  settings().count = count;
}
