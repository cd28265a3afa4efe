#include "app/board/board_rows.h"

#include "base/status.h"
#include "db/engine/access.h"

namespace {

constexpr db::Field kWorkPlace[] = {DB_FIELD(BoardWorkPlaceRow, AplApl), DB_FIELD(BoardWorkPlaceRow, AplBez),
                                    DB_FIELD(BoardWorkPlaceRow, AplApg), DB_FIELD(BoardWorkPlaceRow, AplSts),
                                    DB_FIELD(BoardWorkPlaceRow, AplUbg), DB_FIELD(BoardWorkPlaceRow, AplUdt)};
constexpr db::Field kVector[] = {
    DB_FIELD(BoardVectorRow, MapObj), DB_FIELD(BoardVectorRow, MapApl),    DB_FIELD(BoardVectorRow, MapApk),
    DB_FIELD(BoardVectorRow, MapApp), DB_FIELD(BoardVectorRow, MapPnr),    DB_FIELD(BoardVectorRow, Map00R),
    DB_FIELD(BoardVectorRow, Map00A), DB_FIELD(BoardVectorRow, Map00U),    DB_FIELD(BoardVectorRow, MapUbg),
    DB_FIELD(BoardVectorRow, MapMoment), DB_FIELD(BoardVectorRow, AppBz1), DB_FIELD(BoardVectorRow, AppSme),
    DB_FIELD(BoardVectorRow, AppIme), DB_FIELD(BoardVectorRow, AppAme),    DB_FIELD(BoardVectorRow, AppMee),
    DB_FIELD(BoardVectorRow, PrvNam)};

// The newest first, as the booking indexes hold them; only the first row is
// wanted, whatever the object's history behind it.
#define NEWEST_FIRST \
  " order by TO_CHAR(KeyDat,'yyyymmdd') desc, TO_CHAR(KeyUhr,'HH24MISS') desc, KeySek desc limit 1"
#define MOMENT "TO_CHAR(KeyDat,'yyyymmdd')||TO_CHAR(KeyUhr,'HH24MISS')"

template <class Rec>
int readAll(db::Query& q, db::Fields fields, std::vector<Rec>& out) {
  db::Cursor c(q);
  int rc = c.open(std::span<const db::Value>());
  if (rc != status::kOk) return rc;
  Rec rec;
  while ((rc = c.fetch(&rec, fields)) == status::kOk) {
    out.push_back(rec);
    rec = Rec();
  }
  c.close();
  return rc == status::kNoRow ? status::kOk : rc;
}

int readMoment(db::Query& q, std::span<const db::Value> params, std::string& moment) {
  db::Row row;
  const int rc = db::selectRow(q, params, row);
  if (rc == status::kOk) moment = row.empty() ? "" : row[0].asText();
  return rc;
}

}  // namespace

int Board_WorkPlaces(std::vector<BoardWorkPlaceRow>& out) {
  static db::Query q("Board_WorkPlaces",
                     "select AplApl, AplBez, AplApg, AplSts, AplUbg, TO_CHAR(AplUdt,'yyyymmddHH24MISS') "
                     "from Kvs531Apl order by AplApg, AplApl");
  return readAll(q, kWorkPlace, out);
}

int Board_Vectors(std::vector<BoardVectorRow>& out) {
  static db::Query q("Board_Vectors",
                     "select m.MapObj, m.MapApl, m.MapApk, m.MapApp, m.MapPnr, m.Map00R, m.Map00A, m.Map00U, "
                     "m.MapUbg, TO_CHAR(m.MapMdt,'yyyymmddHH24MISS'), a.AppBz1, a.AppSme, a.AppIme, a.AppAme, "
                     "a.AppMee, p.PrvNam from Kvs565Map m "
                     "left join Kvs504App a on (m.MapObj in ('M_A','MPA') and a.AppApk=m.MapApk and a.AppApp=m.MapApp) "
                     "left join Kvs510Prv p on (m.MapObj in ('MP_','MPA') and p.PrvPnr=m.MapPnr) "
                     "where m.MapObj in ('M__','M_A','MP_','MPA') "
                     "order by m.MapApl, m.MapObj, m.MapApk, m.MapApp, m.MapPnr");
  return readAll(q, kVector, out);
}

int Board_StateChange(const std::string& apl, const std::string& apk, const std::string& app,
                      std::string& moment) {
  static db::Query q("Board_StateChange",
                     "select " MOMENT " from Kvs560Mel where ObjTyp='M_A' and KeyApl=:b0 and KeyApk=:b1 "
                     "and KeyApp=:b2 and MelMsk in ('RB','AB','AU','AW')" NEWEST_FIRST);
  const db::Value params[] = {db::Value::text(apl), db::Value::text(apk), db::Value::text(app)};
  return readMoment(q, params, moment);
}

int Board_LastBooking(const std::string& objTyp, const std::string& apl, std::string& moment) {
  static db::Query q("Board_LastBooking",
                     "select " MOMENT " from Kvs560Mel where ObjTyp=:b0 and KeyApl=:b1" NEWEST_FIRST);
  const db::Value params[] = {db::Value::text(objTyp), db::Value::text(apl)};
  return readMoment(q, params, moment);
}

int Board_NewestBooking(std::string& moment) {
  static db::Query q("Board_NewestBooking",
                     "select " MOMENT " from Kvs560Mel order by KeyBnr desc, KeyLfn desc limit 1");
  return readMoment(q, {}, moment);
}
