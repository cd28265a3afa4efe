#include "db/aem.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(AemSatz, AemApg), DB_FIELD(AemSatz, AemEmo), DB_FIELD(AemSatz, AemGvo), DB_FIELD(AemSatz, AemBez),
    DB_FIELD(AemSatz, AemTxt), DB_FIELD(AemSatz, AemKal), DB_FIELD(AemSatz, AemLkz), DB_FIELD(AemSatz, AemVzt),
    DB_FIELD(AemSatz, AemEzt), DB_FIELD(AemSatz, AemPrz), DB_FIELD(AemSatz, AemAfz), DB_FIELD(AemSatz, AemApz),
    DB_FIELD(AemSatz, AemPrp), DB_FIELD(AemSatz, AemAfp), DB_FIELD(AemSatz, AemApp), DB_FIELD(AemSatz, KalBtp),
    DB_FIELD(AemSatz, KalDtm), DB_FIELD(AemSatz, BakJhr), DB_FIELD(AemSatz, BakMon), DB_FIELD(AemSatz, BakWch),
    DB_FIELD(AemSatz, BakWtg), DB_FIELD(AemSatz, BakJtg), DB_FIELD(AemSatz, AemMaz)};

// The columns of the assignment table itself, in the order of the insert.
constexpr db::Field kAssignment[] = {
    DB_FIELD(AemSatz, AemApg), DB_FIELD(AemSatz, AemEmo), DB_FIELD(AemSatz, AemGvo), DB_FIELD(AemSatz, AemBez),
    DB_FIELD(AemSatz, AemTxt), DB_FIELD(AemSatz, AemKal), DB_FIELD(AemSatz, AemLkz), DB_FIELD(AemSatz, AemVzt),
    DB_FIELD(AemSatz, AemEzt), DB_FIELD(AemSatz, AemPrz), DB_FIELD(AemSatz, AemAfz), DB_FIELD(AemSatz, AemApz),
    DB_FIELD(AemSatz, AemPrp), DB_FIELD(AemSatz, AemAfp), DB_FIELD(AemSatz, AemApp), DB_FIELD(AemSatz, AemMaz)};

db::Query& shiftQuery() {
  static db::Query q("Aem_Schicht",
                     "select AemApg ,AemEmo ,TO_CHAR(AemGvo,'yyyymmdd') ,AemBez ,AemTxt ,AemKal ,AemLkz ,AemVzt ,"
                     "AemEzt ,AemPrz ,AemAfz ,AemApz ,AemPrp ,AemAfp ,AemApp ,KalBtp ,TO_CHAR(KalDtm,'yyyymmdd') ,"
                     "BakJhr ,BakMon ,BakWch ,BakWtg ,BakJtg ,AemMaz  "
                     "from Kvs532Aem ,KvSystem.Kvs133Kal ,KvSystem.Kvs133Bak ,Kvs533Emo "
                     "where ((((((((AemApg=:b0 and AemKng=:b1) and TO_CHAR(AemGvo,'yyyymmdd')<=:b2) and "
                     "(TO_CHAR(AemGbi,'yyyymmdd')>=:b2 or AemGbi is null )) and AemKal=KalNum) and "
                     "TO_CHAR(KalDtm,'yyyymmdd')=:b2) and TO_CHAR(BakDtm,'yyyymmdd')=:b2) and AemEmo=EmoEmo) "
                     "and EmoTtp=KalBtp) order by EmoBeg");
  return q;
}

}  // namespace

Aem_Schicht::Aem_Schicht() : RecordCursor(shiftQuery(), kRow) {}
int Aem_Schicht::Open(const char* apg, std::int32_t kng, const char* date) {
  const db::Value params[] = {db::Value::text(apg ? apg : ""), db::Value::integer(kng),
                              db::Value::text(date ? date : "")};
  return cursor_.open(params);
}

int Aem_Count(const char* apg, std::int32_t* count) {
  static db::Query q("Aem_Count", "select count(*)  from Kvs532Aem where (AemApg=:b1 and AemKng=2)");
  const db::Value params[] = {db::Value::text(apg ? apg : "")};
  return db::selectCount(q, params, count);
}

int Aem_PKeyIns(const AemSatz* aem, std::int32_t kng, const char* gbi) {
  static db::Query q("Aem_PKeyIns",
                     "insert into Kvs532Aem (AemApg,AemEmo,AemGvo,AemBez,AemTxt,AemKal,AemLkz,AemVzt,AemEzt,"
                     "AemPrz,AemAfz,AemApz,AemPrp,AemAfp,AemApp,AemMaz,AemKng,AemGbi) values (:b0,:b1,"
                     "TO_DATE(:b2,'yyyymmdd'),:b3,:b4,:b5,:b6,:b7,:b8,:b9,:b10,:b11,:b12,:b13,:b14,:b15,:b16,"
                     "TO_DATE(:b17,'yyyymmdd'))");
  std::vector<db::Value> values = db::fieldValues(aem, kAssignment);
  values.push_back(db::Value::integer(kng));
  values.push_back(db::Value::text(gbi ? gbi : ""));
  return db::write(q, values);
}
