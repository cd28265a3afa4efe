#include "demo/demo_day.h"

#include <cmath>
#include <cstdio>

#include "demo/terminal_telegram.h"

namespace {

using terminal::Fixed;
using terminal::OrderKeys;

struct Day {
  const std::string& day;
  std::vector<DemoTelegram> out;

  void add(std::string_view fcd, std::string_view time, std::string_view terminal, const std::string& data,
           std::string_view story) {
    out.push_back({std::string(time), terminal::Raw(fcd, day, time, terminal, data), story});
  }
  // A01, A03, A05, P05
  void onOrder(std::string_view fcd, std::string_view time, std::string_view badge, std::string_view apk,
               std::string_view app, std::string_view apl, std::string_view story) {
    add(fcd, time, "T1", OrderKeys(badge, apk, app, apl), story);
  }
  // A02, A06
  void quantity(std::string_view fcd, std::string_view time, std::string_view badge, std::string_view apk,
                std::string_view app, std::string_view apl, double good, double reject, std::string_view story) {
    add(fcd, time, "T1", terminal::WithQuantities(OrderKeys(badge, apk, app, apl), good, reject), story);
  }
  void interrupt(std::string_view time, std::string_view badge, std::string_view apk, std::string_view app,
                 std::string_view apl, std::string_view reason, std::string_view story) {
    add("A04", time, "T1", terminal::OperationInterrupted(OrderKeys(badge, apk, app, apl), reason), story);
  }
  void end(std::string_view time, std::string_view badge, std::string_view apk, std::string_view app,
           std::string_view apl, double good, double reject, bool finished, std::string_view story) {
    add("A07", time, "T1", terminal::OperationEnd(OrderKeys(badge, apk, app, apl), good, reject, finished), story);
  }
  // P01, P04
  void atWorkPlace(std::string_view fcd, std::string_view time, std::string_view badge, std::string_view apl,
                   std::string_view story) {
    add(fcd, time, "T2", terminal::AtWorkPlace(badge, apl), story);
  }
  void personOff(std::string_view time, std::string_view badge, std::string_view apk, std::string_view app,
                 std::string_view apl, std::string_view story) {
    add("P08", time, "T1", terminal::PersonOff(OrderKeys(badge, apk, app, apl), 0, 0), story);
  }
  // M03, M04
  void workPlace(std::string_view fcd, std::string_view time, std::string_view badge, std::string_view apl,
                 std::string_view reason, std::string_view story) {
    add(fcd, time, "T3", terminal::WorkPlaceState(badge, apl, reason), story);
  }
  void timePerUnit(std::string_view time, std::string_view badge, std::string_view pnr, std::string_view apk,
                   std::string_view app, std::string_view apl, double hoursMinutes, std::string_view story) {
    char value[16];
    std::snprintf(value, sizeof value, "%09lld", static_cast<long long>(std::llround(hoursMinutes * 100)));
    add("Z01", time, "T1", Fixed(badge, 8) + Fixed(pnr, 8) + OrderKeys("", apk, app, apl).substr(8) + value, story);
  }
};

constexpr std::string_view kAnna = "47110001", kJonas = "47120001", kMira = "47130001", kTobias = "47140001",
                           kLeon = "47150001";
constexpr std::string_view kMill = "MILL-00001", kLathe = "LATHE-0002", kAssy = "ASSY-00004";
constexpr std::string_view kHousing = "FA2026-00101", kShaft = "FA2026-00102", kFlange = "FA2026-00103";

}  // namespace

std::vector<DemoTelegram> DemoDay(const std::string& day) {
  Day d{day, {}};
  d.atWorkPlace("P01", "060000", kMira, kMill, "Mira Schulz logs on at the milling centre");
  d.atWorkPlace("P01", "060030", kTobias, kAssy, "Tobias Koch logs on at the assembly bench");
  d.onOrder("A01", "060500", kAnna, kHousing, "00010", kMill, "Anna Becker starts setting up the gear housing");
  d.onOrder("A01", "061000", kJonas, kShaft, "00010", kLathe, "Jonas Weber starts setting up the drive shaft");
  d.quantity("A02", "064000", kAnna, kHousing, "00010", kMill, 2, 0, "housing set up, 2 first pieces good");
  d.onOrder("A03", "064500", kAnna, kHousing, "00010", kMill, "housing: work starts");
  d.quantity("A02", "065000", kJonas, kShaft, "00010", kLathe, 1, 0, "shaft set up, 1 first piece good");
  d.onOrder("A03", "065500", kJonas, kShaft, "00010", kLathe, "shaft: work starts");
  d.quantity("A06", "083000", kAnna, kHousing, "00010", kMill, 12, 1, "housing: 12 good, 1 reject reported");
  d.interrupt("090000", kJonas, kShaft, "00010", kLathe, "0003", "shaft interrupted: tool change");
  d.onOrder("A05", "092000", kJonas, kShaft, "00010", kLathe, "shaft resumed");
  d.personOff("100000", kMira, kHousing, "00010", kMill, "Mira Schulz leaves the housing");
  d.workPlace("M03", "101500", kAnna, kMill, "0101", "milling centre breaks down: spindle fault");
  d.workPlace("M04", "110000", kAnna, kMill, "0000", "milling centre repaired");
  d.end("120000", kJonas, kShaft, "00010", kLathe, 24, 0, true, "shaft turning finished: 24 good");
  d.onOrder("A01", "121000", kJonas, kFlange, "00010", kLathe, "Jonas Weber sets up the flange");
  d.quantity("A02", "123000", kJonas, kFlange, "00010", kLathe, 1, 0, "flange set up, 1 first piece good");
  d.onOrder("A03", "123500", kJonas, kFlange, "00010", kLathe, "flange: work starts");
  d.onOrder("P05", "130000", kLeon, kFlange, "00010", kLathe, "Leon Braun tries to join with his returned badge");
  d.interrupt("133000", kAnna, kHousing, "00010", kMill, "0007", "housing interrupted: material missing");
  d.timePerUnit("134500", kJonas, "00004712", kFlange, "00010", kLathe, 0.12, "flange: 12 minutes per piece");
  d.end("135000", kAnna, kHousing, "00010", kMill, 24, 1, false,
        "housing: shift ends with 24 good, 1 reject, not finished");
  d.quantity("A06", "135500", kJonas, kFlange, "00010", kLathe, 30, 0, "flange: 30 good reported");
  d.atWorkPlace("P04", "140000", kMira, kMill, "Mira Schulz logs off the milling centre");
  d.atWorkPlace("P04", "140030", kTobias, kAssy, "Tobias Koch logs off the assembly bench");
  return d.out;
}
