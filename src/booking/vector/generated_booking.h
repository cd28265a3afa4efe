// What every generated booking shares: it starts as a copy of the booking
// that caused it and takes the fields of its generator's row.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "db/tables/map.h"
#include "db/tables/mel.h"

inline constexpr std::string_view kGeneratedBy = "MldGen";
inline constexpr std::string_view kUnknownPerson = "99999999";

// The fields a generator sets; what is not given stays as copied.
struct GeneratedRow {
  std::string_view msk;
  std::string_view fcd;
  std::optional<std::string_view> objTyp;  // unset: the trigger's kind
  std::optional<std::string_view> sek;     // unset: the trigger's KeySek
  std::optional<std::string_view> ubg;     // unset: the trigger's reason
};

void ApplyGeneratedRow(const GeneratedRow& row, MelSatz* mel);

// Inserts a generated booking; a failure is logged under `generator` and
// the generator goes on. The status of the insert.
int InsertGenerated(const MelSatz& mel, std::string_view generator);

void LogCursorReadFailure(std::string_view generator, std::string_view readName, int rc);

// Visits the rows of one vector cursor (Map_AplPnr, Map_AppPnr, Map_AplApp,
// named by `readName` in the log). A cursor that cannot be opened ends the
// visit silently; a failed read is logged under `generator`. Each visit
// walks a cursor of its own, so a visit may run inside another.
template <class VectorCursor, class Visit>
void ForEachVector(const MapSatz& params, std::string_view readName, std::string_view generator, Visit visit) {
  VectorCursor cursor;
  if (cursor.Open(&params) != 0) return;
  MapSatz row;
  int rc;
  while ((rc = cursor.Read(&row)) == 0) visit(row);
  if (rc != 1403) LogCursorReadFailure(generator, readName, rc);
}
