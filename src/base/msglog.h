// The worker's message log: a text file of error reports, one entry per
// report, opened, appended to and closed again for every entry so that other
// programs can read it while the worker runs.
//
// An entry is a line holding the byte 0xFE, then the lines
//   System-Date: DD.MM.YY
//   System-Time: HH:MM:SS
//   MsgArt_____: <the words of all kinds set in the record>
//   Message____: <message>
//   Funktion___: <function>
//   ErrorCode__: <code>
// each ended by CR LF, stamped with the local clock. The last three lines
// together are held to 99 characters: an over-long message, and after it an
// over-long function name, is cut so that the three lines keep their line
// ends and the code. A debug entry (kind 1) is followed by its data block and
// CR LF, a system entry (kind 2) by two CR LF.
//
// Every entry is appended with O_APPEND in a single write call and is on
// disk (fsync) when MsgWrite returns. No advisory locks are taken, so another
// program holding the file open, for reading or writing, never makes the
// worker wait; there is no sharing conflict to retry.
// The 3001st entry since start or since the last rotation still goes into
// the file; the 3002nd first moves the file to the backup name (the
// extension of the file's own name replaced by ".old", an older backup given
// up) and starts a new file. The entry count lives in the process only.
// The log never reports its own failures: an entry that cannot be written
// (for instance because the directory is missing) is lost.
//
// Under systemd (JOURNAL_STREAM set when MsgOpen runs) every error entry is
// also written to standard error as one line "<3>function: message (code)",
// the prefix giving the journal its priority, whether or not the file took
// it.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

// Message kinds, a bit set.
inline constexpr int kMsgDebug = 1;    // "DMSG ", carries a data block
inline constexpr int kMsgSystem = 2;   // "SMSG ", followed by an empty line
inline constexpr int kMsgError = 4;    // "FMSG ", every report of the worker
inline constexpr int kMsgWarning = 8;  // "WMSG "
inline constexpr int kMsgC = 16;       // "CMSG "

// Entries per file before the log is rotated.
inline constexpr int kMsgEntryLimit = 3000;
// Longest log file name kept by MsgOpen.
inline constexpr std::size_t kMsgFileNameLimit = 64;

struct MsgSatz {
  std::string function;  // the reporting routine
  std::string message;
  int kinds = kMsgError;
  int code = 0;  // normally the status of the failed access routine
  const void* data = nullptr;  // data block of a debug entry
  std::size_t dataLength = 0;
};

// Sets the log file (an empty name means "msg.dat"; longer names are cut to
// 64 characters) and the kinds to be written, and starts counting at 0. The
// directory must exist; it is not created. Also looks whether the process
// runs under systemd, for the copy of error entries on standard error.
void MsgOpen(int mask, const std::string& fileName);

// Writes one entry if the record's kinds meet the mask. Never fails visibly.
// Before MsgOpen the mask is 0 and nothing is written.
void MsgWrite(const MsgSatz& record);

// An error entry (kind 4): what every report of a fault writes.
void LogError(std::string_view function, std::string_view message, int code);
// A system entry (kind 2): start, stop, the lease taken or lost, and notes
// that only inform (a telegram waiting for the database, ...).
void LogSystem(std::string_view function, std::string_view message, int code);

// The log settings as MsgOpen derived them. Should the backup rule give the
// file's own name (a log named "x.old"), ".old" is appended instead, so that
// rotating never deletes the log.
std::string MsgFileName();
std::string MsgBackupName();

// Entries written since MsgOpen or the last rotation. The setter lets tests
// reach the rotation without writing thousands of entries.
int MsgEntryCount();
void MsgSetEntryCount(int count);

// The text of an entry stamped with `when`, without data block and empty
// lines: what MsgWrite writes first.
std::string MsgEntryText(const MsgSatz& record, const std::tm& when);
