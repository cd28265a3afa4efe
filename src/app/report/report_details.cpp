#include "app/report/report_details.h"

#include <string_view>

#include "analysis/duration.h"
#include "app/html/html_text.h"

namespace report {
namespace {

std::string trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

std::string hm(double stored) { return html::HoursMinutes(DauerSekunden(stored)); }

std::string clockOf(const FixedText<15>& stamp) {
  const std::string s = stamp.str();
  return s.size() < 12 ? "open" : s.substr(8, 2) + ":" + s.substr(10, 2);
}

std::string reasonOf(const RptPeriode& r) {
  const std::string code = trimmed(r.NzaUbg.view());
  return code.empty() || code == "0000" ? "" : code;
}

}  // namespace

std::vector<Table> PeriodTables(const std::vector<RptPeriode>& rows) {
  Table shifts{"Run time per operation and shift",
               {"work place", "order/operation", "shift", "set-up", "work", "break", "interruption"},
               {},
               "From the run-time analysis' rows per operation and shift (figures per operation: operations "
               "running side by side each count their own time).", {}};
  Table stoppages{"Stoppages of the work places",
                  {"work place", "from", "to", "reason", "in shift", "of it in breaks"},
                  {},
                  "From the stoppage analysis' rows, measured against the shift calendar.", {}};
  Table persons{"Person periods on order operations",
                {"person", "work place", "order/operation", "period", "from", "to", "reason"},
                {},
                "From the person-time analysis' rows; a work period includes the interruptions within it.", {}};
  for (const RptPeriode& r : rows) {
    const std::string operation = trimmed(r.NzaApk.view()) + "/" + trimmed(r.NzaApp.view());
    const std::string place = trimmed(r.NzaApl.view());
    if (r.NzaSa == 4)
      shifts.rows.push_back({place, operation, trimmed(r.NzaPnr.view()), hm(r.NzaBzr), hm(r.NzaBza), hm(r.NzaPza),
                             hm(r.NzaUza)});
    if (r.NzaSa == 13)
      stoppages.rows.push_back({place, clockOf(r.NzaDtm), clockOf(r.NzaEdt), reasonOf(r), hm(r.NzaBzu), hm(r.NzaPzu)});
    if (r.NzaSa == 1 || r.NzaSa == 2)
      persons.rows.push_back({trimmed(r.NzaPnr.view()), place, operation, r.NzaSa == 1 ? "work" : "interruption",
                              clockOf(r.NzaDtm), clockOf(r.NzaEdt), reasonOf(r)});
  }
  return {std::move(shifts), std::move(stoppages), std::move(persons)};
}

}  // namespace report
