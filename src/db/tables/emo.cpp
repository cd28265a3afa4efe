#include "db/tables/emo.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// EmoPmo, the shift's break-model link, is read only inside the break join.
constexpr db::Column kColumns[] = {DB_COLUMN(EmoSatz, EmoEmo), DB_COLUMN(EmoSatz, EmoTtp), DB_COLUMN(EmoSatz, EmoTxt),
                                   DB_COLUMN(EmoSatz, EmoBeg), DB_COLUMN(EmoSatz, EmoEnd), DB_COLUMN(EmoSatz, EmoArt),
                                   DB_GIVEN("EmoPmo", db::FieldKind::Text, 11, db::ColumnForm::Value)};

const db::Table& emo() { return db::tables::Emo(); }

constexpr db::Field kBreak[] = {
    DB_FIELD(EmoPausenSatz, EmoEmo), DB_FIELD(EmoPausenSatz, EmoTtp), DB_FIELD(EmoPausenSatz, EmoTxt),
    DB_FIELD(EmoPausenSatz, EmoBeg), DB_FIELD(EmoPausenSatz, EmoEnd), DB_FIELD(EmoPausenSatz, PmsNum),
    DB_FIELD(EmoPausenSatz, PmsBeg), DB_FIELD(EmoPausenSatz, PmsEnd), DB_FIELD(EmoPausenSatz, PmsInt),
    DB_FIELD(EmoPausenSatz, PmsPse), DB_FIELD(EmoPausenSatz, PmsBzt), DB_FIELD(EmoPausenSatz, PmsPrz)};

db::Query& shiftQuery() {
  static db::Query q("Emo_Schicht", emo().select() + "where (EmoEmo=:b0 and EmoTtp=:b1) order by EmoBeg");
  return q;
}

// The break periods of one shift come in the order of their start, so that
// the shift's corner values do not depend on how the rows happen to lie.
db::Query& breakQuery() {
  static db::Query q("Emo_Pausen",
                     "select EmoEmo ,EmoTtp ,EmoTxt ,EmoBeg ,EmoEnd ,PmsNum ,PmsBeg ,PmsEnd ,PmsInt ,PmsPse ,"
                     "PmsBzt ,PmsPrz  from Kvs533Emo ,Kvs536Pmz ,Kvs535Pms "
                     "where (((((EmoEmo=:b0 and EmoTtp=:b1) and EmoPmo=PmzPmo) and PmzPms=PmsNum) and "
                     "TO_CHAR(PmzGvo,'yyyymmdd')<=:b2) and TO_CHAR(PmzGbi,'yyyymmdd')>=:b2) "
                     "order by EmoBeg ,PmsBeg");
  return q;
}

}  // namespace

Emo_Schicht::Emo_Schicht() : RecordCursor(shiftQuery(), emo().rowFields()) {}
int Emo_Schicht::Open(const char* emo, const char* ttp) {
  const db::Value params[] = {db::Value::text(emo ? emo : ""), db::Value::text(ttp ? ttp : "")};
  return cursor_.open(params);
}

Emo_Pausen::Emo_Pausen() : RecordCursor(breakQuery(), kBreak) {}
int Emo_Pausen::Open(const char* emo, const char* ttp, const char* date) {
  const db::Value params[] = {db::Value::text(emo ? emo : ""), db::Value::text(ttp ? ttp : ""),
                              db::Value::text(date ? date : "")};
  return cursor_.open(params);
}

const db::Table& db::tables::Emo() {
  static const db::Table table("Kvs533Emo", kColumns);
  return table;
}

int Emo_PKeyIns(const EmoSatz* emo, const char* pmo) {
  static db::Query q("Emo_PKeyIns", ::emo().insert());
  std::vector<db::Value> values = db::fieldValues(emo, ::emo().writeFields());
  values.push_back(db::Value::text(pmo ? pmo : ""));
  return db::write(q, values);
}

int Emo_Tagestypen(std::vector<std::string>& types) {
  static db::Query q("Emo_Tagestypen", "select distinct EmoTtp from Kvs533Emo where EmoTtp is not null order by EmoTtp");
  return db::selectTexts(q, {}, types);
}
