// What every table shares, checked over all of them on both backends from
// their descriptions: a written row reads back column for column, a second
// row of the same key is refused with -1 and leaves the first as it was,
// stored text longer than its field arrives cut to the field, and the
// columns stamped by every write get the database time.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/tables/booking_records.h"
#include "db/tables/queue_records.h"
#include "db/tables/master_records.h"
#include "db/tables/tables.h"
#include "db_fixture.h"
#include "table_fill.h"

namespace {

class TableRowsTest : public DbTest {};

constexpr const char* kDay = testdb::kFillDay;

// One table's routines, taking their records untyped.
struct TableCase {
  const db::Table* table;
  std::vector<std::string> key;  // the unique key, which the read selects by; empty: not listed
  bool uniqueKey;
  std::function<std::shared_ptr<void>(const void*)> copy;  // nullptr: a fresh record
  std::function<int(const void*)> insert;
  std::function<int(void*)> read;  // empty when the table has no read of one row
};

template <class Rec>
TableCase Case(const db::Table& table, std::vector<std::string> key, std::function<int(const Rec*)> insert,
               std::function<int(Rec*)> read = {}, bool uniqueKey = true) {
  TableCase c{&table, std::move(key), uniqueKey, nullptr, nullptr, nullptr};
  c.copy = [](const void* from) {
    return std::make_shared<Rec>(from ? *static_cast<const Rec*>(from) : Rec{});
  };
  c.insert = [insert](const void* r) { return insert(static_cast<const Rec*>(r)); };
  if (read) c.read = [read](void* r) { return read(static_cast<Rec*>(r)); };
  return c;
}

// Reads the first row of a cursor opened from the record's own fields.
template <class Cursor, class Rec, class Open>
std::function<int(Rec*)> FirstRow(Open open) {
  return [open](Rec* r) {
    Cursor cursor;
    if (int rc = open(cursor, *r); rc != 0) return rc;
    return cursor.Read(r);
  };
}

std::vector<TableCase> Cases() {
  using namespace db::tables;
  return {
      Case<RcvSatz>(Rcv(), {"RcvMdt", "RcvLfn"}, Rcv_PKeyIns,
                    FirstRow<Rcv_Cursor, RcvSatz>([](Rcv_Cursor& c, const RcvSatz&) { return c.Open(); })),
      Case<RvsSatz>(Rvs(), {"RvsMdt", "RvsLfn"}, Rvs_PKeyIns, Rvs_PKeyReadk),
      Case<BnrSatz>(Bnr(), {"BnrKey"}, Bnr_PKeyIns, Bnr_PKeyReadk),
      Case<MelSatz>(Mel(), {"KeyBnr", "KeyLfn"}, Mel_PKeyIns, Mel_PKeyReadk),
      Case<MapSatz>(Map(), {"MapObj", "MapApl", "MapApk", "MapApp", "MapPnr"}, Map_PKeyIns, Map_PKeyReadk),
      Case<MerkSatz>(Mrk(), {"MrkKng", "MrkApl", "MrkApk", "MrkApp", "MrkPnr", "MrkBnr"}, Mrk_PKeyIns,
                     Mrk_PKeyReadk, false),
      Case<ErrSatz>(Err(), {}, Err_PKeyIns, {}, false),
      Case<PpsSatz>(Pps(), {}, Pps_PKeyIns, {}, false),
      Case<BakSatz>(Bak(), {"BakDtm"}, Bak_PKeyIns, Bak_Datum),
      Case<KalSatz>(Kal(), {}, Kal_PKeyIns),
      Case<NzpSatz>(Nzp(), {}, Nzp_PKeyIns),
      Case<ApkSatz>(Apk(), {"ApkApk"}, Apk_PKeyIns, Apk_PKeyReadk),
      Case<AppSatz>(App(), {"AppApk", "AppApp"}, App_PKeyIns, App_PKeyReadk),
      Case<AplSatz>(Apl(), {"AplApl"}, Apl_PKeyIns, Apl_PKeyReadk),
      Case<PrvSatz>(Prv(), {"PrvPnr"}, Prv_PKeyIns, Prv_PKeyReadk),
      Case<PmzSatz>(Pmz(), {}, Pmz_PKeyIns),
      Case<PmsSatz>(Pms(), {}, Pms_PKeyIns),
      Case<ZtgSatz>(Ztg(), {}, Ztg_PKeyIns),
      Case<AzvSatz>(Azv(), {}, Azv_PKeyIns),
      Case<FzuSatz>(Fzu(), {"FzuFcd"}, [](const FzuSatz* f) { return Fzu_PKeyIns(f, "0"); }, Fcd_PKeyReadk),
      Case<AemSatz>(Aem(), {}, [](const AemSatz* a) { return Aem_PKeyIns(a, 1, kDay); }),
      Case<EmoSatz>(Emo(), {}, [](const EmoSatz* e) { return Emo_PKeyIns(e, "P1"); }),
      Case<NzaSatz>(Nza(), {"NzaSa", "NzaApl", "NzaApk", "NzaApp", "NzaPnr", "NzaDtm"}, Nza_PKeyIns, Nza_PKeyReadk),
      Case<MltSatz>(Mlt(), {"MltErf", "MltDat", "MltLfn"}, Mlt_PKeyIns,
                    FirstRow<Mlt_MltErf, MltSatz>(
                        [](Mlt_MltErf& c, const MltSatz& m) { return c.Open(m.MltErf.c_str(), m.MltDat.c_str()); })),
      Case<BupSatz>(Bup(), {}, Bup_PKeyIns, {}, false),
      Case<PseSatz>(Pse(), {"PseNum", "PseLfd"}, Pse_PKeyIns,
                    FirstRow<Pse_PKey, PseSatz>([](Pse_PKey& c, const PseSatz& p) { return c.Open(p.PseNum.c_str()); })),
      Case<GpsSatz>(Gps(), {"GpsPnr", "GpsDtm", "GpsLfd"}, Gps_PKeyIns, Gps_PKeyReadk),
      Case<GazSatz>(Gaz(), {"GazPnr", "GazDtm"}, Gaz_PKeyIns, Gaz_PKeyReadk),
      Case<TagSatz>(Tag(), {"TagPnr"}, [](const TagSatz* t) { return Tag_PKeyIns(t, kDay); },
                    [](TagSatz* t) { return Tag_PKeyReadk(t, kDay); }),
  };
}

bool IsKey(const TableCase& c, const char* column) {
  for (const std::string& k : c.key)
    if (k == column) return true;
  return false;
}

// A column the database stamps with its own time on every write.
bool Stamped(const db::Table& t, const char* column) {
  for (const db::Column& c : t.columns())
    if (c.form == db::ColumnForm::Touched && std::string(c.field.name) == column) return true;
  return false;
}

// "column=value" of every column the read delivers, the stamps aside.
std::vector<std::string> Texts(const TableCase& c, const void* record) {
  std::vector<std::string> out;
  for (const db::Field& f : c.table->rowFields())
    if (!Stamped(*c.table, f.name)) out.push_back(std::string(f.name) + "=" + db::fieldValue(record, f).asText());
  return out;
}

// Reads the row of the record's key into a record holding nothing else.
std::shared_ptr<void> ReadBack(const TableCase& c, const void* written) {
  std::shared_ptr<void> r = c.copy(written);
  for (const db::Field& f : c.table->rowFields())
    if (!IsKey(c, f.name)) db::clearField(r.get(), f);
  EXPECT_EQ(0, c.read(r.get()));
  return r;
}

// A second row of the first one's key with every other column changed;
// the whole first row where the key is not listed.
std::shared_ptr<void> SameKey(const TableCase& c, const void* first) {
  if (c.key.empty()) return c.copy(first);
  std::shared_ptr<void> second = c.copy(nullptr);
  testdb::FillRecord(*c.table, second.get(), 7);
  for (const db::Field& f : c.table->rowFields())
    if (IsKey(c, f.name)) db::setField(second.get(), f, db::fieldValue(first, f));
  return second;
}

TEST_P(TableRowsTest, WrittenRowsReadBackWholeAndTheirKeysStayUnique) {
  for (const TableCase& c : Cases()) {
    SCOPED_TRACE(c.table->name());
    std::shared_ptr<void> first = c.copy(nullptr);
    testdb::FillRecord(*c.table, first.get(), 0);
    ASSERT_EQ(0, c.insert(first.get()));
    for (const db::Column& col : c.table->columns()) {
      if (col.form != db::ColumnForm::Touched) continue;
      EXPECT_EQ(1, testdb::QueryInt(std::string("select count(*) from ") + c.table->name() + " where " +
                                    col.field.name + " is not null"));
    }
    if (c.read) {
      EXPECT_EQ(Texts(c, first.get()), Texts(c, ReadBack(c, first.get()).get()));
    }
    if (!c.uniqueKey) continue;
    EXPECT_EQ(-1, c.insert(SameKey(c, first.get()).get()));
    EXPECT_EQ(1, testdb::CountRows(c.table->name()));
    if (c.read) {
      EXPECT_EQ(Texts(c, first.get()), Texts(c, ReadBack(c, first.get()).get()));
    }
  }
}

TEST_P(TableRowsTest, StoredTextLongerThanItsFieldArrivesCut) {
  for (const TableCase& c : Cases()) {
    if (!c.read) continue;
    SCOPED_TRACE(c.table->name());
    std::shared_ptr<void> row = c.copy(nullptr);
    testdb::FillRecord(*c.table, row.get(), 0);
    ASSERT_EQ(0, c.insert(row.get()));
    std::vector<db::Field> texts;
    for (const db::Column& col : c.table->columns())
      if (col.form == db::ColumnForm::Value && col.field.kind == db::FieldKind::Text && col.field.size > 0 &&
          col.use != db::ColumnUse::Given && !IsKey(c, col.field.name))
        texts.push_back(col.field);
    for (const db::Field& f : texts)
      ASSERT_EQ(0, testdb::Exec(std::string("update ") + c.table->name() + " set " + f.name + "='" +
                                std::string(f.size + 4, 'x') + "'"));
    std::shared_ptr<void> read = ReadBack(c, row.get());
    for (const db::Field& f : texts) EXPECT_EQ(std::string(f.size - 1, 'x'), db::fieldValue(read.get(), f).asText()) << f.name;
  }
}

INSTANTIATE_DB_TEST(TableRowsTest);

}  // namespace
