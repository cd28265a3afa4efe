#include "db/tables/calendar_days.h"

#include "db/tables/bak.h"

int Kalender_Tage(int mode, std::int32_t days, const std::string& date, std::string& second) {
  if (mode == 1) {
    std::int32_t count = 0;
    if (Bak_Count(date.c_str(), second.c_str(), &count) != 0) return 0;
    return count;
  }
  if (mode == 2) {
    BakSatz bak;
    int rc = Bak_PKeyReadk(&bak, date.c_str(), days);
    second = rc == 0 ? bak.BakDtm.str() : date;
    return rc;
  }
  return 0;
}
