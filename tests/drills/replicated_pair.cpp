#include "replicated_pair.h"

#include <filesystem>
#include <system_error>

#include "server_script.h"

namespace drill {

ReplicatedPair::ReplicatedPair(const std::string& dir, Replication mode)
    : dir_(dir), primaryDir_(dir + "/primary"), standbyDir_(dir + "/standby") {
  if (!testdb::RunServerScript({"start", primaryDir_}, &primaryUri_)) {
    failure_ = "the primary did not start";
    return;
  }
  const char* sync = mode == Replication::Synchronous ? "sync" : "async";
  if (!testdb::RunServerScript({"standby", standbyDir_, primaryDir_, sync}, &standbyUri_))
    failure_ = "the standby did not start";
}

ReplicatedPair::~ReplicatedPair() {
  testdb::RunServerScript({"stop", standbyDir_});
  testdb::RunServerScript({"stop", primaryDir_});
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

std::string ReplicatedPair::primary() const { return testdb::AddressOf(primaryUri_); }
std::string ReplicatedPair::standby() const { return testdb::AddressOf(standbyUri_); }

std::string ReplicatedPair::primaryUri(const std::string& dbname) const {
  return primaryUri_.substr(0, primaryUri_.rfind('/') + 1) + dbname;
}

std::string ReplicatedPair::standbyUri(const std::string& dbname) const {
  return standbyUri_.substr(0, standbyUri_.rfind('/') + 1) + dbname + "?target_session_attrs=any";
}

bool ReplicatedPair::crashPrimary() { return testdb::RunServerScript({"crash", primaryDir_}); }
bool ReplicatedPair::promoteStandby() { return testdb::RunServerScript({"promote", standbyDir_}); }
bool ReplicatedPair::restartOldPrimary() { return testdb::RunServerScript({"resume", primaryDir_}); }

}  // namespace drill
