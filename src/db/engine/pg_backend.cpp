#include "db/engine/pg_backend.h"

#include <libpq-fe.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include "base/status.h"
#include "db/engine/failure.h"
#include "db/engine/server_list.h"

namespace db {
namespace {

// The key of the lease among the database's advisory locks. A key below
// 2^32 shows in pg_locks as classid 0, objid the key, objsubid 1.
constexpr const char* kLeaseKey = "1297044054";

// "cannot execute ... in a read-only transaction"
constexpr const char* kReadOnlyTransaction = "25006";

constexpr unsigned kInt2 = 21, kInt4 = 23, kInt8 = 20, kFloat4 = 700, kFloat8 = 701, kNumeric = 1700;

struct ResultDeleter {
  void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

// SQLSTATEs into the worker's numbers. Date checks of the schema raise
// "K1nnn" for the error the worker has always reported as -1nnn.
int mapSqlState(const char* state) {
  if (!state || std::strlen(state) != 5) return status::kNotConnected;
  if (!std::strcmp(state, "23505")) return status::kDuplicate;
  if (!std::strcmp(state, "23502")) return status::kNullValue;
  if (!std::strcmp(state, "21000")) return status::kTooManyRows;
  if (state[0] == 'K') return -std::atoi(state + 1);
  if (!std::strncmp(state, "08", 2) || !std::strncmp(state, "57P", 3)) return status::kNotConnected;
  return PostgresStatus(state);
}

struct PgStatement : PreparedStatement {
  std::string name;
};

// A row of a result as the worker's values.
Row rowOf(const PGresult* res, int r) {
  const int cols = PQnfields(res);
  Row row;
  row.reserve(static_cast<std::size_t>(cols));
  for (int c = 0; c < cols; ++c) {
    if (PQgetisnull(res, r, c)) {
      row.push_back(Value::null());
      continue;
    }
    const char* text = PQgetvalue(res, r, c);
    switch (PQftype(res, c)) {
      case kInt2: case kInt4: case kInt8: row.push_back(Value::integer(std::strtoll(text, nullptr, 10))); break;
      case kFloat4: case kFloat8: case kNumeric: row.push_back(Value::real(std::strtod(text, nullptr))); break;
      default: row.push_back(Value::text(text));
    }
  }
  return row;
}

class PgConnection;

// The rows of a query as the server sends them, one at a time, so a
// cursor of which the caller reads a few rows does not wait for (nor hold)
// the whole result. The connection carries one such stream at a time:
// before it sends anything else, the stream is drained into memory.
class PgRows : public RowSource {
 public:
  explicit PgRows(PgConnection& conn) : conn_(&conn) {}
  ~PgRows() override;

  // Takes the first row now, so a statement that fails at once fails the open.
  int prime();
  int next(Row& row) override;
  int drain() override;
  // The connection goes away while the stream is open.
  void orphan() {
    conn_ = nullptr;
    if (endStatus_ == status::kOk) endStatus_ = status::kNotConnected;
  }

 private:
  int pull(Row& row);
  bool streaming() const { return conn_ != nullptr; }
  void ended();

  PgConnection* conn_;  // while rows may still come from the server
  std::deque<Row> buffered_;
  int endStatus_ = status::kOk;
};

class PgConnection : public Connection {
 public:
  explicit PgConnection(PGconn* conn) : conn_(conn) {}
  ~PgConnection() override {
    if (stream_) stream_->orphan();
    PQfinish(conn_);
  }

  Dialect dialect() const override { return Dialect::Postgres; }

  int prepare(const char*, const std::string& sql, int paramCount, std::unique_ptr<PreparedStatement>& out) override {
    settle();
    auto st = std::make_unique<PgStatement>();
    ++roundTrips_;
    st->name = "s" + std::to_string(++statementCount_);
    Result res(PQprepare(conn_, st->name.c_str(), sql.c_str(), paramCount, nullptr));
    int rc = check(res.get());
    if (rc != status::kOk) return rc;
    out = std::move(st);
    return status::kOk;
  }

  int execute(PreparedStatement& ps, std::span<const Value> params, Written* written) override {
    Result res = run(ps, params);
    int rc = check(res.get());
    reportWritten(rc, res.get(), written);
    return rc;
  }

  // The commands and the statement go out as one pipeline: the server
  // answers them together, so a write with its savepoint costs one round
  // trip instead of two. After the first failure the server skips the
  // rest of the pipeline.
  int executeAfter(std::span<const std::string> commands, PreparedStatement& ps, std::span<const Value> params,
                   Written* written, bool* commandsDone) override {
    *commandsDone = false;
    if (commands.empty()) {
      *commandsDone = true;
      return execute(ps, params, written);
    }
    settle();
    if (PQenterPipelineMode(conn_) != 1) return Connection::executeAfter(commands, ps, params, written, commandsDone);
    ++roundTrips_;
    bool sent = true;
    for (const std::string& command : commands)
      sent = sent && PQsendQueryParams(conn_, command.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0) == 1;
    ParamTexts texts(params);
    sent = sent && PQsendQueryPrepared(conn_, static_cast<PgStatement&>(ps).name.c_str(), texts.count(),
                                       texts.values(), nullptr, nullptr, 0) == 1;
    sent = sent && PQpipelineSync(conn_) == 1;
    int rc = sent ? status::kOk : status::kNotConnected;
    for (std::size_t k = 0; rc == status::kOk && k < commands.size(); ++k) rc = check(nextResult().get());
    if (rc == status::kOk) {
      *commandsDone = true;
      Result res = nextResult();
      rc = check(res.get());
      reportWritten(rc, res.get(), written);
    }
    return leavePipeline(rc);
  }

  // The whole batch goes out as one pipeline with one sync; the server
  // skips everything after the first failure up to the sync.
  BatchEnd executeBatch(std::span<const BatchWrite> writes) override {
    if (writes.empty()) return {};
    settle();
    if (PQenterPipelineMode(conn_) != 1) return Connection::executeBatch(writes);
    ++roundTrips_;
    bool sent = true;
    for (const BatchWrite& w : writes) {
      for (const std::string& command : w.commands)
        sent = sent && PQsendQueryParams(conn_, command.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0) == 1;
      const ParamTexts texts(w.params);
      sent = sent && PQsendQueryPrepared(conn_, static_cast<PgStatement&>(*w.stmt).name.c_str(), texts.count(),
                                         texts.values(), nullptr, nullptr, 0) == 1;
    }
    sent = sent && PQpipelineSync(conn_) == 1;
    BatchEnd end;
    int rc = sent ? status::kOk : status::kNotConnected;
    for (; rc == status::kOk && end.done < writes.size(); ++end.done) {
      end.commandsDone = false;
      for (std::size_t k = 0; rc == status::kOk && k < writes[end.done].commands.size(); ++k)
        rc = check(nextResult().get());
      if (rc != status::kOk) break;
      end.commandsDone = true;
      rc = check(nextResult().get());
      if (rc != status::kOk) break;
    }
    if (rc == status::kOk) end.commandsDone = false;
    end.status = leavePipeline(rc);
    return end;
  }

  // The rows come one at a time (single-row mode) and are read as the
  // caller asks for them.
  int query(PreparedStatement& ps, std::span<const Value> params, std::unique_ptr<RowSource>& out) override {
    settle();
    const ParamTexts texts(params);
    ++roundTrips_;
    streamInBlock_ = PQtransactionStatus(conn_) != PQTRANS_IDLE;
    if (!PQsendQueryPrepared(conn_, static_cast<PgStatement&>(ps).name.c_str(), texts.count(), texts.values(),
                             nullptr, nullptr, 0))
      return sendFailed();
    PQsetSingleRowMode(conn_);  // when refused, the whole result comes at once and is kept
    auto rows = std::make_unique<PgRows>(*this);
    stream_ = rows.get();
    int rc = rows->prime();
    if (rc != status::kOk) return rc;
    out = std::move(rows);
    return status::kOk;
  }

  int executeScript(const std::string& sql) override {
    settle();
    ++roundTrips_;
    Result res(PQexec(conn_, sql.c_str()));
    return check(res.get());
  }

  bool inTransaction() const override {
    PGTransactionStatusType s = PQtransactionStatus(conn_);
    return s == PQTRANS_INTRANS || s == PQTRANS_INERROR || s == PQTRANS_ACTIVE;
  }
  bool transactionFailed() const override { return PQtransactionStatus(conn_) == PQTRANS_INERROR; }
  std::uint64_t roundTrips() const override { return roundTrips_; }
  bool alive() const override { return writable_ && PQstatus(conn_) == CONNECTION_OK; }
  std::string lastError() const override { return lastError_; }
  std::string server() const override {
    const char* host = PQhost(conn_);
    const char* port = PQport(conn_);
    return ServerName(host ? host : "", port ? port : "");
  }

  // A session-level advisory lock: the server releases it when the session
  // ends, and keepalives end the session of a peer that died. The holder's
  // name goes into the session's application name, where others see it.
  int takeLease(const std::string& holder, bool& held) override {
    held = false;
    if (leaseHeld_) return stillWritable(held);
    std::string answer;
    int rc = single("select pg_try_advisory_lock(" + std::string(kLeaseKey) + ")", {}, answer);
    if (rc != status::kOk || answer != "t") return rc;
    leaseHeld_ = held = true;
    return single("select set_config('application_name', $1, false)", {holder}, answer);
  }

  // A lease held on a server that no longer accepts writes is worth
  // nothing: a primary fenced after a failover keeps its sessions but is
  // read-only, and a worker that only polls its empty queue would never
  // notice that another server took over. Asked at every pass.
  int stillWritable(bool& held) {
    std::string readOnly;
    const int rc = single("select current_setting('transaction_read_only')", {}, readOnly);
    if (rc != status::kOk) return rc;
    if (readOnly == "on") {
      lastError_ = "the server no longer accepts writes";
      return becameReadOnly();
    }
    held = true;
    return status::kOk;
  }

  int becameReadOnly() {
    writable_ = false;
    return status::kNotConnected;
  }

  int leaseHolder(std::string& holder) override {
    return single("select coalesce(nullif(a.application_name, ''), 'unknown') || coalesce(' from ' || host(a.client_addr), '') "
                  "from pg_locks l join pg_stat_activity a on a.pid = l.pid "
                  "where l.locktype = 'advisory' and l.granted and l.classid = 0 and l.objsubid = 1 "
                  "and l.objid = " + std::string(kLeaseKey) +
                      " and l.database = (select oid from pg_database where datname = current_database())",
                  {}, holder);
  }

 private:
  friend class PgRows;

  // The connection carries one streaming result at a time: an open stream
  // is read into memory before anything else is sent.
  void settle() {
    if (stream_) stream_->drain();
  }

  // The next result of the stream (null once the statement is done).
  Result streamResult() { return Result(PQgetResult(conn_)); }

  // Ends the stream: whatever the server still sends is read and dropped.
  // A long rest of a statement run outside a transaction block is cancelled
  // instead of read to its end; inside a block a cancel would abort the
  // transaction, so there the rest is read.
  void endStream(bool early) {
    stream_ = nullptr;
    int dropped = 0;
    while (PGresult* r = PQgetResult(conn_)) {
      PQclear(r);
      if (early && !streamInBlock_ && ++dropped == kRowsDroppedBeforeCancel) cancel();
    }
  }

  // Asks the server to stop the running statement. One that has already
  // ended is not affected, nor is the next one: the server ignores a late
  // cancel while it waits for a command, and the next one is sent only after
  // this one's end has been read.
  void cancel() {
    PGcancel* c = PQgetCancel(conn_);
    if (!c) return;
    char error[256];
    PQcancel(c, error, sizeof error);
    PQfreeCancel(c);
  }

  int sendFailed() {
    lastError_ = PQerrorMessage(conn_);
    return PQstatus(conn_) != CONNECTION_OK ? status::kNotConnected : PostgresStatus("XX000");
  }

  // The first column of the first row of a statement (empty without a
  // row); for the lease, whose statements are not access routines.
  int single(const std::string& sql, const std::vector<std::string>& params, std::string& out) {
    settle();
    std::vector<const char*> values;
    for (const std::string& p : params) values.push_back(p.c_str());
    ++roundTrips_;
    Result res(PQexecParams(conn_, sql.c_str(), static_cast<int>(values.size()), nullptr, values.data(), nullptr,
                            nullptr, 0));
    int rc = check(res.get());
    out.clear();
    if (rc == status::kOk && PQntuples(res.get()) > 0 && !PQgetisnull(res.get(), 0, 0)) out = PQgetvalue(res.get(), 0, 0);
    return rc;
  }

  // Parameters as the text libpq sends; null stays a null pointer.
  class ParamTexts {
   public:
    explicit ParamTexts(std::span<const Value> params) : texts_(params.size()), values_(params.size(), nullptr) {
      for (std::size_t k = 0; k < params.size(); ++k) {
        if (params[k].isNull()) continue;
        texts_[k] = params[k].asText();
        values_[k] = texts_[k].c_str();
      }
    }
    int count() const { return static_cast<int>(values_.size()); }
    const char* const* values() const { return values_.data(); }

   private:
    std::vector<std::string> texts_;
    std::vector<const char*> values_;
  };

  Result run(PreparedStatement& ps, std::span<const Value> params) {
    settle();
    ParamTexts texts(params);
    ++roundTrips_;
    return Result(PQexecPrepared(conn_, static_cast<PgStatement&>(ps).name.c_str(), texts.count(), texts.values(),
                                 nullptr, nullptr, 0));
  }

  static void reportWritten(int rc, PGresult* res, Written* written) {
    if (!written) return;
    written->rowsChanged = rc == status::kOk ? std::strtoll(PQcmdTuples(res), nullptr, 10) : 0;
    written->returned = rc == status::kOk && PQntuples(res) > 0 ? rowOf(res, 0) : Row();
  }

  // The result of the next query of the pipeline; the null pointer that
  // ends each query's results is read here too.
  Result nextResult() {
    Result res(PQgetResult(conn_));
    if (res) Result(PQgetResult(conn_));
    return res;
  }

  // Reads what is left of the pipeline up to its sync, then leaves
  // pipeline mode. A connection that cannot get there is given up.
  int leavePipeline(int rc) {
    for (;;) {
      PGresult* res = PQgetResult(conn_);
      if (!res) {
        if (PQstatus(conn_) != CONNECTION_OK) break;
        continue;
      }
      const bool synced = PQresultStatus(res) == PGRES_PIPELINE_SYNC;
      PQclear(res);
      if (synced) break;
    }
    if (PQexitPipelineMode(conn_) != 1 || PQstatus(conn_) != CONNECTION_OK) {
      lastError_ = PQerrorMessage(conn_);
      return status::kNotConnected;
    }
    return rc;
  }

  int check(PGresult* res) {
    ExecStatusType s = res ? PQresultStatus(res) : PGRES_FATAL_ERROR;
    if (s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK) return status::kOk;
    lastError_ = PQerrorMessage(conn_);
    if (PQstatus(conn_) != CONNECTION_OK) return status::kNotConnected;
    const char* state = res ? PQresultErrorField(res, PG_DIAG_SQLSTATE) : nullptr;
    // A write refused because the server has become read-only is no fault
    // of the telegram: the connection is given up like a lost one.
    if (state && !std::strcmp(state, kReadOnlyTransaction)) return becameReadOnly();
    return mapSqlState(state);
  }

  // A cancel opens a connection to the server of its own, which costs
  // about as much as reading and dropping some ten thousand rows.
  static constexpr int kRowsDroppedBeforeCancel = 10000;

  PGconn* conn_;
  std::string lastError_;
  int statementCount_ = 0;
  std::uint64_t roundTrips_ = 0;
  bool leaseHeld_ = false;
  bool writable_ = true;  // false once the server refused a write as read-only
  PgRows* stream_ = nullptr;     // the source still reading from the connection
  bool streamInBlock_ = false;  // its statement runs inside a transaction block
};

PgRows::~PgRows() {
  if (streaming()) conn_->endStream(true);
}

int PgRows::prime() {
  Row row;
  int rc = pull(row);
  if (rc == status::kOk) buffered_.push_back(std::move(row));
  return rc == status::kNoRow ? status::kOk : rc;
}

int PgRows::next(Row& row) {
  if (buffered_.empty() && streaming()) {
    int rc = pull(row);
    if (rc == status::kOk) return rc;
  }
  if (buffered_.empty()) return endStatus_;
  row = std::move(buffered_.front());
  buffered_.pop_front();
  return status::kOk;
}

int PgRows::drain() {
  while (streaming()) {
    Row row;
    if (pull(row) == status::kOk) buffered_.push_back(std::move(row));
  }
  // An error seen while draining stays for the reader after the buffered rows.
  return status::kOk;
}

// One more row from the server, or the statement's end: 1403, or the error
// it ended with (a lost connection included). A whole result, sent when
// the connection would not stream, goes to the buffer.
int PgRows::pull(Row& row) {
  Result res = conn_->streamResult();
  if (res && PQresultStatus(res.get()) == PGRES_SINGLE_TUPLE) {
    row = rowOf(res.get(), 0);
    return status::kOk;
  }
  if (!res) {
    endStatus_ = conn_->alive() ? status::kNoRow : status::kNotConnected;
  } else {
    endStatus_ = conn_->check(res.get());
    if (endStatus_ == status::kOk) {
      for (int r = 0; r < PQntuples(res.get()); ++r) buffered_.push_back(rowOf(res.get(), r));
      endStatus_ = status::kNoRow;
    }
  }
  ended();
  return endStatus_;
}

void PgRows::ended() {
  conn_->endStream(false);
  conn_ = nullptr;
}

void quietNotices(void*, const char*) {}

// The status an installation on the original database logs when it
// cannot reach or log in to its server. A list of servers of which none
// accepts writes (only standbys, or standbys and servers that are down)
// counts as no server answering.
int mapConnectFailure(const std::string& message) {
  if (message.find("password") != std::string::npos || message.find("authentication") != std::string::npos)
    return status::kLoginRefused;
  if (message.find("does not exist") != std::string::npos) return status::kUnknownDatabase;
  for (const char* noServer :
       {"refused", "could not connect", "timeout", "unreachable", "No route", "read-only", "hot standby"})
    if (message.find(noServer) != std::string::npos) return status::kNoListener;
  return status::kUnknownService;
}

// libpq takes every setting it is not given from its environment (PGHOST,
// PGHOSTADDR, PGSERVICE, PGTZ, ...), and an empty value counts as not
// given. The worker takes nothing from there: those variables are removed
// from the process's environment before it connects.
void forgetLibpqEnvironment() {
  if (PQconninfoOption* options = PQconndefaults()) {
    for (const PQconninfoOption* o = options; o->keyword; ++o)
      if (o->envvar) unsetenv(o->envvar);
    PQconninfoFree(options);
  }
  for (const char* name : {"PGDATESTYLE", "PGTZ", "PGGEQO", "PGSYSCONFDIR"}) unsetenv(name);
}

// Timeouts on both ends of the connection. A server whose machine vanished
// (no reset, no answer) is given up within 25 seconds: after 10 s without
// traffic, 3 probes 5 s apart; data left unacknowledged for 25 s ends the
// connection too. The server applies the same figures to the worker, so
// the session of a worker whose machine died ends there as fast, and with
// it the lease. A server that does not answer a new connection is given up
// after 5 s, and the next one of the list is tried.
const std::string kConnectTimeout = "5";  // seconds, for each server of the list
const std::string kKeepaliveIdle = "10", kKeepaliveInterval = "5", kKeepaliveCount = "3";
const std::string kUserTimeout = "25000";  // milliseconds

// The same figures for the server's end, as options of the session.
std::string serverTimeouts() {
  return "-c tcp_keepalives_idle=" + kKeepaliveIdle + " -c tcp_keepalives_interval=" + kKeepaliveInterval +
         " -c tcp_keepalives_count=" + kKeepaliveCount + " -c tcp_user_timeout=" + kUserTimeout;
}

std::string joined(const ServerList& list, std::string Server::*part) {
  std::string text;
  for (const Server& s : list.servers) text += (text.empty() ? "" : ",") + s.*part;
  return text;
}

}  // namespace

int openPostgres(const std::string& user, const std::string& password, const std::string& service,
                 std::unique_ptr<Connection>& out, std::string* error) {
  if (service.empty()) return status::kUnknownService;
  const bool uri = service.rfind("postgresql://", 0) == 0 || service.rfind("postgres://", 0) == 0;
  std::string hosts, ports, dbname;
  if (!uri) {
    ServerList list;
    if (!ParseServerList(service, list)) return status::kUnknownService;
    hosts = joined(list, &Server::host);
    ports = joined(list, &Server::port);
    dbname = list.dbname;
    if (user.empty()) return status::kLoginRefused;  // never fall back to the login of the OS user
  }
  forgetLibpqEnvironment();
  // Every setting that matters is given here. A URI's own settings override
  // the ones before it (a URI may ask for any server with
  // target_session_attrs=any), and the configured user and password
  // override the URI's.
  std::vector<const char*> keys, values;
  auto set = [&](const char* k, const std::string& v) { keys.push_back(k); values.push_back(v.c_str()); };
  const std::string passfile = "/dev/null", app = "bdemorvelt", sslmode = "prefer", keepalives = "1",
                    options = serverTimeouts(), writable = "read-write";
  set("passfile", passfile);
  set("connect_timeout", kConnectTimeout);
  set("keepalives", keepalives);
  set("keepalives_idle", kKeepaliveIdle);
  set("keepalives_interval", kKeepaliveInterval);
  set("keepalives_count", kKeepaliveCount);
  set("tcp_user_timeout", kUserTimeout);
  set("application_name", app);
  set("sslmode", sslmode);
  set("options", options);
  // Of several servers, the one that accepts writes: a hot standby is
  // passed over wherever it stands in the list, and after a failover the
  // promoted one is found the same way.
  set("target_session_attrs", writable);
  if (uri) {
    set("dbname", service);
  } else {
    set("host", hosts);
    set("port", ports);
    set("dbname", dbname);
  }
  if (!user.empty()) set("user", user);
  if (!password.empty()) set("password", password);
  keys.push_back(nullptr);
  values.push_back(nullptr);
  PGconn* conn = PQconnectdbParams(keys.data(), values.data(), uri ? 1 : 0);
  if (!conn || PQstatus(conn) != CONNECTION_OK) {
    std::string message = conn ? PQerrorMessage(conn) : "out of memory";
    if (error) *error = message;
    PQfinish(conn);
    return mapConnectFailure(message);
  }
  PQsetNoticeProcessor(conn, quietNotices, nullptr);
  out = std::make_unique<PgConnection>(conn);
  return status::kOk;
}

}  // namespace db
