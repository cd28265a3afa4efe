#include "db/nzp.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(NzpSatz, NzpAkz), DB_FIELD(NzpSatz, NzpGvn), DB_FIELD(NzpSatz, NzpGbi), DB_FIELD(NzpSatz, NzpAak),
    DB_FIELD(NzpSatz, NzpAwt), DB_FIELD(NzpSatz, NzpKjh), DB_FIELD(NzpSatz, NzpKmn), DB_FIELD(NzpSatz, NzpKwo),
    DB_FIELD(NzpSatz, NzpKtg), DB_FIELD(NzpSatz, NzpAan), DB_FIELD(NzpSatz, NzpVfh), DB_FIELD(NzpSatz, NzpNfh),
    DB_FIELD(NzpSatz, NzpAus), DB_FIELD(NzpSatz, NzpMrk)};
constexpr db::Field kKey[] = {DB_FIELD(NzpSatz, NzpAkz)};

}  // namespace

int Nzp_PKeyReadk(NzpSatz* nzp) {
  static db::Query q("Nzp_PKeyReadk",
                     "select NzpAkz,TO_CHAR(NzpGvn,'yyyymmdd'),TO_CHAR(NzpGbi,'yyyymmdd'),NzpAak,NzpAwt,NzpKjh,"
                     "NzpKmn,NzpKwo,NzpKtg,NzpAan,NzpVfh,NzpNfh,NzpAus,NzpMrk "
                     "from Kvs591Nzp where ((NzpAkz=:b0 and NzpGvn<trunc(sysdate)) and NzpGbi>trunc(sysdate))");
  return db::readRecord(q, nzp, kKey, kRow, db::OnFailure::Unchanged);
}

int Nzp_PKeyIns(const NzpSatz* nzp) {
  static db::Query q("Nzp_PKeyIns",
                     "insert into Kvs591Nzp (NzpAkz,NzpGvn,NzpGbi,NzpAak,NzpAwt,NzpKjh,NzpKmn,NzpKwo,NzpKtg,"
                     "NzpAan,NzpVfh,NzpNfh,NzpAus,NzpMrk) values (:b0,TO_DATE(:b1,'yyyymmdd'),"
                     "TO_DATE(:b2,'yyyymmdd'),:b3,:b4,:b5,:b6,:b7,:b8,:b9,:b10,:b11,:b12,:b13)");
  return db::writeRecord(q, nzp, kRow);
}
