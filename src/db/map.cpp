#include "db/map.h"
#include "db/status.h"

// Placeholder bodies; the statements follow.
int Map_PKeyIns(const MapSatz*) { return status::kNotConnected; }
int Map_PKeyUpd(const MapSatz*) { return status::kNotConnected; }
int Map_PKeyDel(const MapSatz*) { return status::kNotConnected; }
int Map_PKeyReadk(MapSatz*) { return status::kNotConnected; }
int Map_AplPnr_Open(const MapSatz*) { return status::kNotConnected; }
int Map_AplPnr_Read(MapSatz*) { return status::kNotConnected; }
int Map_AplPnr_Close() { return status::kNotConnected; }
int Map_AppPnr_Open(const MapSatz*) { return status::kNotConnected; }
int Map_AppPnr_Read(MapSatz*) { return status::kNotConnected; }
int Map_AppPnr_Close() { return status::kNotConnected; }
int Map_AplApp_Open(const MapSatz*) { return status::kNotConnected; }
int Map_AplApp_Read(MapSatz*) { return status::kNotConnected; }
int Map_AplApp_Close() { return status::kNotConnected; }
int Map_Pnr_Open(const MapSatz*) { return status::kNotConnected; }
int Map_Pnr_Read(MapSatz*) { return status::kNotConnected; }
int Map_Pnr_Close() { return status::kNotConnected; }
