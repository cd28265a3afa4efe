// The person-time analysis: work and interruption periods of a person on an
// order operation at a work place ("MPA" bookings), their time line and
// their figures. Nzs_Abarbeiten (analyses.h) works off the "NZS" notes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/timeline.h"
#include "db/tables/mel.h"
#include "db/tables/mrk.h"
#include "db/tables/nza.h"
#include "db/tables/ztg.h"

// Creator id of the rows written directly from bookings, and of the time
// line and evaluated periods of the analysis.
inline constexpr const char* kMldToNza = "MldToNza";
inline constexpr const char* kNzaMpa = "Nza_MPA";

// Row numbers the analysis leaves in NzaFnr (and in MelFnr of a booking).
inline constexpr std::int32_t kStartAlreadyThere = 5004;
inline constexpr std::int32_t kEndWithoutStart = 5006;
inline constexpr std::int32_t kNoShiftModel = 5007;
inline constexpr std::int32_t kDayBoundaryStart = 5008;

// A period longer than this is cut along the person's attendance.
inline constexpr long long kLongPeriodSeconds = 12 * 60 * 60;

// `interruptionPeriods` below: whether interruption periods are kept
// (analysis switch 5), read once per run and handed down.

// ---- the run and one note ----
void Nza_MPA(MelSatz keyBooking, bool interruptionPeriods);
void Nza_MPA_Meldungen(MelSatz& keyBooking, bool interruptionPeriods);
// Deletes the notes of the key booking's keys and booking number; false
// when an earlier note of the key already took them.
bool Get_MerkLoeschen(const MelSatz& keyBooking);

// ---- period rows ----
void Nza_ArbeitBeginn(MelSatz booking, bool interruptionPeriods);
void Nza_ZeileErfassen(NzaSatz row);
void Nza_AuswParameter(NzaSatz& row);
void Nza_ZeileBeenden(MelSatz booking, NzaSatz& periodKey, bool interruptionPeriods);
void Nza_ArbeitEnde(MelSatz booking, NzaSatz& periodKey);
void Nza_ArbeitEndeOhneBeginn(MelSatz booking, NzaSatz& periodKey, bool interruptionPeriods);
void Nza_BeginnErgaenzen(NzaSatz& row);
void Mel_Fehlermeldung(MelSatz booking, std::int32_t code);

// ---- time line of a work period ----
void Mlt_BeginnEnde(NzaSatz period, TimeLine& line);
void Mlt_Unterbr_Nza(NzaSatz period, TimeLine& line);
void Mlt_ZeitDaten_Bde(NzaSatz period, TimeLine& line);
void Mlt_PZM_Tage(NzaSatz period, TimeLine& line);
std::optional<ZtgSatz> Nza_PlanTag(const std::string& pnr, const std::string& day);
void Mlt_PZM_Tag(const NzaSatz& period, const ZtgSatz& plannedDay, TimeLine& line);
void Write_Protokoll(const std::string& pnr, const std::string& day);

// ---- evaluation ----
// The figures of one interruption period (in seconds), collected while a
// work period is evaluated: its net time (kept in two columns), gross time,
// time in breaks and time present; set-up's interruptions are kept apart.
struct NzsUnterbrechung {
  NzaSatz key;  // NzaSa 2 and the keys of the period, from its start
  long long ersteNetto = 0, zweiteNetto = 0, brutto = 0, pause = 0, anwesend = 0;
  bool ruesten = false;
};

// Walks the time line of a closed work period: fills its 18 figure columns
// and gives the figures of the interruption periods that ended in it (none
// unless `interruptionPeriods`). Reads and writes nothing.
std::vector<NzsUnterbrechung> Nza_MPA_Auswerten(TimeLine& line, NzaSatz& period, bool interruptionPeriods);

// Writes an interruption period's figures into its stored row.
void Nza_SA_B_Schreiben(const NzsUnterbrechung& u);

// ---- long periods ----
void Nza_LangeArbeit(NzaSatz& period);
void Nza_LangeUnterbrechung(NzaSatz& period);
void Mlt_KommenGehen(NzaSatz period, TimeLine& line);
void Mlt_Unterbr_Mel(NzaSatz period, TimeLine& line);
// Writes a part row (or rewrites the row of its key); true when stored.
bool TeilSchritt_Write(NzaSatz& part);

// The shift of a work place that contains a moment, with its calendar day.
struct FoundShift {
  std::string emo;
  std::string dayType;
  int year = 0, weekday = 0, dayOfYear = 0, week = 0;
};
int Nza_SchichtSuchen(const std::string& apl, const std::string& start, const std::string& end, FoundShift& found);

// ---- small helpers shared by the files of the analysis ----
inline std::string StartMoment(const NzaSatz& n) { return std::string(n.NzaDtm.view()) + n.NzaDtmUhr.c_str(); }
inline std::string EndMoment(const NzaSatz& n) { return std::string(n.NzaEdt.view()) + n.NzaEdtUhr.c_str(); }
inline std::string BookingMoment(const MelSatz& m) { return std::string(m.KeyDat.view()) + m.KeyUhr.c_str(); }
