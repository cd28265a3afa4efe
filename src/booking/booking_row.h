// The booking row of Kvs560Mel.
#pragma once

#include "db/tables/mel.h"

// Inserts the finished booking as it is (MelDat becomes the database time);
// logs a failure. Returns the insert's status.
int Buchungssatz_Schreiben(const MelSatz& mel);
