#include "analysis/timeline.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "analysis/moments.h"

MltSatz TimeLineRow(std::string_view erf, std::string_view runStamp, std::string_view pnr, std::string_view apl,
                    std::string_view apk, std::string_view app) {
  MltSatz row;
  row.MltErf = erf;
  row.MltDat = runStamp;
  row.MltPnr = pnr;
  row.MltApl = apl;
  row.MltApk = apk;
  row.MltApp = app;
  return row;
}

void SetEvent(MltSatz& row, std::string_view kind, std::string_view moment) {
  row.MltObj = kind;
  SplitMoment(moment, row.MltMdt, row.MltMdtUhr);
}

bool EarlierEvent(const MltSatz& a, const MltSatz& b) {
  const bool aOpen = a.MltMdt.empty(), bOpen = b.MltMdt.empty();
  return std::make_tuple(aOpen, a.MltMdt.view(), a.MltMdtUhr.view(), a.MltLfn) <
         std::make_tuple(bOpen, b.MltMdt.view(), b.MltMdtUhr.view(), b.MltLfn);
}

void TimeLine::Add(MltSatz row) {
  row.MltLfn = ++counter_;
  rows_.push_back(row);
  sorted_ = false;
}

void TimeLine::AddLastInSecond(MltSatz row) {
  row.MltLfn = kLastInSecond + ++counter_;
  rows_.push_back(row);
  sorted_ = false;
}

const std::vector<MltSatz>& TimeLine::Ordered() {
  if (!sorted_) std::sort(rows_.begin(), rows_.end(), EarlierEvent);
  sorted_ = true;
  return rows_;
}

void TimeLine::EraseOrdered(std::size_t index) {
  Ordered();
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}
