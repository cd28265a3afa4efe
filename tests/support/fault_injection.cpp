#include "fault_injection.h"

#include <map>

#include "db/engine/session.h"

namespace testdb {

struct FaultInjection::Plan {
  std::string routine;  // empty: any statement
  long countdown = 0;   // 0: armed for nothing
  int status = status::kOk;
  bool fired = false;
  bool spoils = false;
  long statements = 0;
  std::map<std::string, long> runs;
  bool wrapperAlive = false;

  // Counts one run of a routine's statement; true when it is to fail.
  bool failsNow(const std::string& name) {
    ++statements;
    ++runs[name];
    if (countdown <= 0 || (!routine.empty() && name != routine)) return false;
    if (--countdown > 0) return false;
    fired = true;
    return true;
  }
};

namespace {

std::string firstWord(const std::string& script) { return script.substr(0, script.find(' ')); }

class FaultyConnection : public db::Connection {
 public:
  FaultyConnection(std::unique_ptr<db::Connection> inner, std::shared_ptr<FaultInjection::Plan> plan)
      : inner_(std::move(inner)), plan_(std::move(plan)) {
    plan_->wrapperAlive = true;
  }
  ~FaultyConnection() override { plan_->wrapperAlive = false; }

  std::unique_ptr<db::Connection> release() { return std::move(inner_); }

  // The failure as the statement would have given it.
  int fail() {
    if (plan_->spoils && inner_->inTransaction()) inner_->executeScript("select 1/0");
    return plan_->status;
  }

  db::Dialect dialect() const override { return inner_->dialect(); }
  int prepare(const char* routine, const std::string& sql, int paramCount,
              std::unique_ptr<db::PreparedStatement>& out) override {
    int rc = inner_->prepare(routine, sql, paramCount, out);
    if (rc == status::kOk) names_[out.get()] = routine;
    return rc;
  }
  int execute(db::PreparedStatement& stmt, std::span<const db::Value> params, db::Written* written) override {
    if (plan_->failsNow(names_[&stmt])) return fail();
    return inner_->execute(stmt, params, written);
  }
  int executeAfter(std::span<const std::string> commands, db::PreparedStatement& stmt,
                   std::span<const db::Value> params, db::Written* written, bool* commandsDone) override {
    if (!plan_->failsNow(names_[&stmt])) return inner_->executeAfter(commands, stmt, params, written, commandsDone);
    // The savepoints are there, the statement fails: as when its values are refused.
    *commandsDone = false;
    for (const std::string& command : commands)
      if (inner_->executeScript(command) != status::kOk) return fail();
    *commandsDone = true;
    return fail();
  }
  int query(db::PreparedStatement& stmt, std::span<const db::Value> params,
            std::unique_ptr<db::RowSource>& out) override {
    if (plan_->failsNow(names_[&stmt])) return fail();
    return inner_->query(stmt, params, out);
  }
  int executeScript(const std::string& sql) override {
    // Savepoints ride along with every write; counting them would only
    // double the count of each write.
    const bool savepoint = sql.rfind("SAVEPOINT", 0) == 0 || sql.rfind("RELEASE", 0) == 0 ||
                           sql.rfind("ROLLBACK TO", 0) == 0;
    if (!savepoint && plan_->failsNow(firstWord(sql))) return fail();
    return inner_->executeScript(sql);
  }
  bool inTransaction() const override { return inner_->inTransaction(); }
  bool transactionFailed() const override { return inner_->transactionFailed(); }
  std::uint64_t roundTrips() const override { return inner_->roundTrips(); }
  bool alive() const override { return inner_->alive(); }
  std::string lastError() const override { return inner_->lastError(); }
  int takeLease(const std::string& holder, bool& held) override { return inner_->takeLease(holder, held); }
  int leaseHolder(std::string& holder) override { return inner_->leaseHolder(holder); }

 private:
  std::unique_ptr<db::Connection> inner_;
  std::shared_ptr<FaultInjection::Plan> plan_;
  std::map<const db::PreparedStatement*, std::string> names_;
};

}  // namespace

FaultInjection::FaultInjection() : plan_(std::make_shared<Plan>()) {
  db::Session& s = db::Session::get();
  if (!s.connected()) return;
  s.exchangeConnection(std::make_unique<FaultyConnection>(s.exchangeConnection(nullptr), plan_));
}

FaultInjection::~FaultInjection() {
  db::Session& s = db::Session::get();
  // A reconnect in between has already dropped the wrapper.
  if (!plan_->wrapperAlive || !s.connected()) return;
  auto* wrapper = dynamic_cast<FaultyConnection*>(&s.connection());
  if (!wrapper) return;
  std::unique_ptr<db::Connection> inner = wrapper->release();
  s.exchangeConnection(std::move(inner));
}

void FaultInjection::FailRoutine(const std::string& routine, int status, long nth) {
  plan_->routine = routine;
  plan_->status = status;
  plan_->countdown = nth;
  plan_->fired = false;
}

void FaultInjection::FailStatement(long nth, int status) { FailRoutine(std::string(), status, nth); }

void FaultInjection::SpoilTransaction() { plan_->spoils = true; }

void FaultInjection::Clear() { plan_->countdown = 0; }
bool FaultInjection::Fired() const { return plan_->fired; }
long FaultInjection::Statements() const { return plan_->statements; }

long FaultInjection::Runs(const std::string& routine) const {
  const auto found = plan_->runs.find(routine);
  return found == plan_->runs.end() ? 0 : found->second;
}

}  // namespace testdb
