// Receive queue and telegram backup.
#pragma once

#include "db/rcv.h"
#include "db/rvs.h"
