// Splitting a raw telegram and handing it to booking by its class.
//
// Raw layout (0-based positions): 0-51 prefix of the receiving component,
// 52 Kz1, 53 office, 54-55 terminal, 56 Kz2, 57-62 date yymmdd, 63-68 time
// HHMMSS, 69-70 Kz3, 71-73 function code, 74-511 data. Telegrams come from
// outside and may have any length and any bytes: whatever is missing stays
// empty, whatever lies beyond position 511 is ignored.
#pragma once

#include <cstddef>
#include <string_view>

#include "db/tables/pass_reads.h"
#include "booking/telegram.h"

inline constexpr std::size_t kTelegramLimit = 512;    // characters a telegram may have
inline constexpr std::size_t kTelKopfLength = 52;     // prefix nobody here reads
inline constexpr std::size_t kMessagePartLimit = 460; // positions 52-511

// The classes of Kvs553Fzu.FzuArt.
inline constexpr int kKlasseBuchung = 1;    // booked by Meldung_Buchen
inline constexpr int kKlasseSonder = 2;     // booked by Meldung_Klasse2
inline constexpr int kKlasseUnbekannt = 3;  // foreign to the system; also every unreadable code

// Splits and classifies one telegram and books it by its class, with the
// function codes, persons and analysis switches of the pass it belongs to
// (db/pass_reads.h). Booking reports its own failures; the result is 0, or
// the reason a telegram of class 1 got no booking at all, in which case its
// unit of work must be rolled back and the telegram stays queued.
int Meldung_Verarbeiten(std::string_view telegram);

// Fills the split telegram and the function-code record from the message
// part (the telegram from position 52 on); returns the class.
int Meldung_Zerlegen(std::string_view messagePart, TelSatz* tel, FzuSatz* fzu);

// The pure split of Meldung_Zerlegen, without any database access.
TelSatz Telegramm_Teilen(std::string_view messagePart);

// The message part of a raw telegram: positions 52-511, ending at the
// first NUL byte, empty for a telegram shorter than its prefix.
std::string_view Nachrichtenteil(std::string_view telegram);
