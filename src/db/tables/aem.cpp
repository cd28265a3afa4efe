#include "db/tables/aem.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(AemSatz, AemApg), DB_FIELD(AemSatz, AemEmo), DB_FIELD(AemSatz, AemGvo), DB_FIELD(AemSatz, AemBez),
    DB_FIELD(AemSatz, AemTxt), DB_FIELD(AemSatz, AemKal), DB_FIELD(AemSatz, AemLkz), DB_FIELD(AemSatz, AemVzt),
    DB_FIELD(AemSatz, AemEzt), DB_FIELD(AemSatz, AemPrz), DB_FIELD(AemSatz, AemAfz), DB_FIELD(AemSatz, AemApz),
    DB_FIELD(AemSatz, AemPrp), DB_FIELD(AemSatz, AemAfp), DB_FIELD(AemSatz, AemApp), DB_FIELD(AemSatz, KalBtp),
    DB_FIELD(AemSatz, KalDtm), DB_FIELD(AemSatz, BakJhr), DB_FIELD(AemSatz, BakMon), DB_FIELD(AemSatz, BakWch),
    DB_FIELD(AemSatz, BakWtg), DB_FIELD(AemSatz, BakJtg), DB_FIELD(AemSatz, AemMaz)};

// The columns of the assignment table itself. The record carries neither
// the assignment kind nor the last valid day; the loader passes them.
constexpr db::Column kColumns[] = {
    DB_COLUMN(AemSatz, AemApg), DB_GIVEN("AemKng", db::FieldKind::Int32, 0, db::ColumnForm::Value),
    DB_COLUMN(AemSatz, AemEmo), DB_DAY(AemSatz, AemGvo), DB_GIVEN("AemGbi", db::FieldKind::Text, 0, db::ColumnForm::Day),
    DB_COLUMN(AemSatz, AemBez), DB_COLUMN(AemSatz, AemTxt), DB_COLUMN(AemSatz, AemKal), DB_COLUMN(AemSatz, AemLkz),
    DB_COLUMN(AemSatz, AemVzt), DB_COLUMN(AemSatz, AemEzt), DB_COLUMN(AemSatz, AemPrz), DB_COLUMN(AemSatz, AemAfz),
    DB_COLUMN(AemSatz, AemApz), DB_COLUMN(AemSatz, AemPrp), DB_COLUMN(AemSatz, AemAfp), DB_COLUMN(AemSatz, AemApp),
    DB_COLUMN(AemSatz, AemMaz)};

#define AEM_SHIFT_COLUMNS                                                                                    \
  "select AemApg ,AemEmo ,TO_CHAR(AemGvo,'yyyymmdd') ,AemBez ,AemTxt ,AemKal ,AemLkz ,AemVzt ,"               \
  "AemEzt ,AemPrz ,AemAfz ,AemApz ,AemPrp ,AemAfp ,AemApp ,KalBtp ,TO_CHAR(KalDtm,'yyyymmdd') ,"              \
  "BakJhr ,BakMon ,BakWch ,BakWtg ,BakJtg ,AemMaz  "                                                          \
  "from Kvs532Aem ,KvSystem.Kvs133Kal ,KvSystem.Kvs133Bak ,Kvs533Emo "
// Valid on the day :b2, with the calendar's day type of that day.
#define AEM_VALID_ON_DAY                                                                                     \
  "TO_CHAR(AemGvo,'yyyymmdd')<=:b2 and (TO_CHAR(AemGbi,'yyyymmdd')>=:b2 or AemGbi is null ) and "              \
  "AemKal=KalNum and TO_CHAR(KalDtm,'yyyymmdd')=:b2 and TO_CHAR(BakDtm,'yyyymmdd')=:b2 and AemEmo=EmoEmo "   \
  "and EmoTtp=KalBtp"

db::Query& shiftQuery() {
  static db::Query q("Aem_Schicht",
                     AEM_SHIFT_COLUMNS "where AemApg=:b0 and AemKng=:b1 and " AEM_VALID_ON_DAY " order by EmoBeg");
  return q;
}

db::Query& dayQuery() {
  static db::Query q("Aem_SchichtTag",
                     AEM_SHIFT_COLUMNS "where AemApg is not null and AemKng=:b1 and " AEM_VALID_ON_DAY
                                       " order by AemApg,EmoBeg");
  return q;
}

}  // namespace

Aem_Schicht::Aem_Schicht() : RecordCursor(shiftQuery(), kRow) {}
int Aem_Schicht::Open(const char* apg, std::int32_t kng, const char* date) {
  const db::Value params[] = {db::Value::text(apg ? apg : ""), db::Value::integer(kng),
                              db::Value::text(date ? date : "")};
  return cursor_.open(params);
}

Aem_SchichtTag::Aem_SchichtTag() : RecordCursor(dayQuery(), kRow) {}
int Aem_SchichtTag::Open(std::int32_t kng, const char* date) {
  const db::Value params[] = {db::Value::integer(kng), db::Value::text(date ? date : "")};
  return cursor_.open(params);
}

int Aem_Count(const char* apg, std::int32_t* count) {
  static db::Query q("Aem_Count", "select count(*)  from Kvs532Aem where (AemApg=:b1 and AemKng=2)");
  const db::Value params[] = {db::Value::text(apg ? apg : "")};
  return db::selectCount(q, params, count);
}

const db::Table& db::tables::Aem() {
  static const db::Table table("Kvs532Aem", kColumns);
  return table;
}

int Aem_PKeyIns(const AemSatz* aem, std::int32_t kng, const char* gbi) {
  static db::Query q("Aem_PKeyIns", db::tables::Aem().insert());
  std::vector<db::Value> values = db::fieldValues(aem, db::tables::Aem().writeFields());
  values.push_back(db::Value::integer(kng));
  values.push_back(db::Value::text(gbi ? gbi : ""));
  return db::write(q, values);
}

int Aem_Kalender(std::vector<std::string>& numbers) {
  static db::Query q("Aem_Kalender", "select distinct AemKal from Kvs532Aem where AemKal is not null order by AemKal");
  return db::selectTexts(q, {}, numbers);
}
