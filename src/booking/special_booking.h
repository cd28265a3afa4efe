// Telegrams of the second class ("Z01": recompute an operation's target time).
#pragma once

#include "db/fzu.h"
#include "intake/telegram.h"

void Meldung_Klasse2(TelSatz tel, FzuSatz fzu);
