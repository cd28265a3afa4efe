// Bookings, state vectors, notes, errors and analysis rows.
#pragma once
