#include "analysis/timeline.h"

#include <string>

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

int InsertNumbered(MltSatz& row, std::int32_t& counter) {
  row.MltLfn = ++counter;
  return Mlt_PKeyIns(&row);
}

int InsertLastInSecond(MltSatz& row, std::int32_t& counter) {
  row.MltLfn = kLastInSecond + ++counter;
  return Mlt_PKeyIns(&row);
}

CursorRows<MltSatz> ReadTimeLine(std::string_view erf, std::string_view runStamp) {
  const std::string creator(erf), stamp(runStamp);
  return ReadAllRows<MltSatz, Mlt_MltErf>(creator.c_str(), stamp.c_str());
}
