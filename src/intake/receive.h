// Draining the receive queue.
//
// Every telegram is booked as one unit of work: its booking writes, its
// backup row and its queue delete are committed together or not at all.
// A crash or a lost connection at any point therefore leaves the telegram
// queued and unbooked, and the next pass books it, once.
//
// While a backlog is drained, several telegrams share one transaction (a
// group), each still in a unit of its own that a failure undoes alone. A
// group is committed when it is full, when its first telegram has waited
// long enough, and at once when nothing more is queued; a crash takes the
// open group back, and the next pass books it again.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "db/tables/rcv.h"

struct GroupLimits {
  int telegrams = 50;  // 1: every telegram commits on its own
  std::chrono::milliseconds wait{200};
};

// Books every queued telegram in arrival order and moves it to the backup.
// Ends early when the connection is lost; the rest waits for the next pass.
int Input_Buchung();
int Input_Buchung(const GroupLimits& limits);

// Copies the telegram into the backup table, with the telegram's own date
// and time as the backup moment (the queue row's RcvMdt when those do not
// form a moment), and deletes it from the queue. A telegram already in the
// backup is still deleted. 0 or the failing routine's status; 1403 when
// the queue row was already gone.
int MeldungToSicherung(RcvSatz rcv);

// The backup moment of a raw telegram: "20" and its positions 57-68.
std::string Sicherungszeitpunkt(std::string_view telegram);
