// The sample shop floor of `bdemorvelt demo`: work places, persons,
// function codes, orders with operations, a two-shift model with its
// calendar and breaks, person day models and analysis parameters with notes
// switched on, and the worker's polling interval. Master data belongs to
// other programs; the demo plays them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct DemoWorkPlace {
  std::string_view apl;  // ten characters, as the terminals send it
  std::string_view name;
};

struct DemoPerson {
  std::string_view pnr;
  std::string_view badge;
  std::string_view name;
  bool validToday;  // false: the badge was handed back yesterday
};

struct DemoOperation {
  std::string_view apk;  // twelve characters
  std::string_view app;  // five
  std::string_view successor;
  std::string_view name;
  std::string_view apl;
  double setUpTime;  // hours.minutes
  double quantity;
};

struct DemoOrder {
  std::string_view apk;
  std::string_view name;
  std::string_view part;
  int operations;
  int completionRule;  // 1: with its last operation, 2: with all of them
  double quantity;
};

const std::vector<DemoWorkPlace>& DemoWorkPlaces();
const std::vector<DemoPerson>& DemoPersons();
const std::vector<DemoOrder>& DemoOrders();
const std::vector<DemoOperation>& DemoOperations();

// Loads everything for a day `today` (yyyymmdd). False with a reason on
// the first row that cannot be written.
bool LoadDemoShopFloor(const std::string& today, std::string* error);
