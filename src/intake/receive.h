// Draining the receive queue.
#pragma once

// Books every queued telegram in arrival order and moves it to the backup.
int Input_Buchung();
