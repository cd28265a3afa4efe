// Receive queue and telegram backup.
#pragma once

#include "db/tables/rcv.h"
#include "db/tables/rvs.h"
