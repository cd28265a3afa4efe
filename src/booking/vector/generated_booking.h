// What every generated booking shares: it starts as a copy of the booking
// that caused it and takes the fields of its generator's row.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "db/map.h"
#include "db/mel.h"

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

// Visits the rows of one vector cursor. A cursor that cannot be opened ends
// the visit silently; a failed read is logged under `generator`.
struct VectorCursor {
  int (*open)(const MapSatz*);
  int (*read)(MapSatz*);
  int (*close)();
  std::string_view readName;
};

void LogCursorReadFailure(std::string_view generator, std::string_view readName, int rc);

template <class Visit>
void ForEachVector(const VectorCursor& cursor, const MapSatz& params, std::string_view generator, Visit visit) {
  if (cursor.open(&params) != 0) return;
  MapSatz row;
  int rc;
  while ((rc = cursor.read(&row)) == 0) visit(row);
  if (rc != 1403) LogCursorReadFailure(generator, cursor.readName, rc);
  cursor.close();
}

// The cursors the generators walk.
inline constexpr VectorCursor kPersonsAtWorkPlace = {Map_AplPnr_Open, Map_AplPnr_Read, Map_AplPnr_Close,
                                                     "Map_AplPnr_Read"};
inline constexpr VectorCursor kPersonsOnWorkPlaceOrder = {Map_AppPnr_Open, Map_AppPnr_Read, Map_AppPnr_Close,
                                                          "Map_AppPnr_Read"};
inline constexpr VectorCursor kOrdersAtWorkPlace = {Map_AplApp_Open, Map_AplApp_Read, Map_AplApp_Close,
                                                    "Map_AplApp_Read"};
