// The tables of the period rows the analyses wrote for the day: run time
// per operation and shift, stoppages within shifts, person periods.
#pragma once

#include <vector>

#include "app/report/report_day.h"
#include "app/report/report_rows.h"

namespace report {

std::vector<Table> PeriodTables(const std::vector<RptPeriode>& rows);

}  // namespace report
