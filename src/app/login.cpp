#include "app/login.h"

#include <cstring>

#include "base/config.h"
#include "base/status.h"
#include "db/engine/dbdb.h"

namespace {

std::string& configFile() {
  static std::string path = "../../../../files/korvantis.ini";
  return path;
}

bool isSqliteTarget(const std::string& net8) { return net8.rfind("sqlite:", 0) == 0; }

// Text that a wrong key or a garbled file yields is full of control
// characters; no user, password or target holds any.
bool printable(const std::string& value) {
  for (unsigned char c : value)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

// The first line of a backend's message.
std::string firstLine(const std::string& text) {
  std::string line = text.substr(0, text.find('\n'));
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line;
}

struct Value {
  const char* key;
  IniLookup found;

  bool absent() const { return found.found == IniLookup::Found::kUnreadable || found.found == IniLookup::Found::kNoEntry; }
  bool garbled() const { return found.found == IniLookup::Found::kUndecipherable || !printable(found.value); }
};

// The value missing from the file, or null. Whether LOGIN and PASS are
// needed depends on the target; a garbled target is no missing value.
const Value* missing(const Value& login, const Value& pass, const Value& net8) {
  if (net8.absent() || !net8.found.stored) return &net8;
  if (net8.garbled() || isSqliteTarget(net8.found.value)) return nullptr;
  if (login.absent()) return &login;
  if (pass.absent()) return &pass;
  return nullptr;
}

// The value that is there but does not decipher to usable text, or null.
const Value* unusable(const Value& login, const Value& pass, const Value& net8) {
  auto bad = [](const Value& v) { return v.garbled(); };
  if (bad(net8) || net8.found.value.empty()) return &net8;
  if (isSqliteTarget(net8.found.value)) return nullptr;
  if (bad(login)) return &login;
  if (bad(pass)) return &pass;
  return nullptr;
}

}  // namespace

void dbSetConfigFile(const std::string& path) { configFile() = path; }
const std::string& dbConfigFile() { return configFile(); }

LoginResult dbLogin(bool createMissing) {
  const std::string& file = configFile();
  const Value login{"LOGIN", Ini_Suchen("", "LOGIN", 0, file)};
  const Value pass{"PASS", Ini_Suchen("", "PASS", 0, file)};
  const Value net8{"NET8", Ini_Suchen("", "NET8", 0, file)};
  LoginResult r;
  const bool targetKnown = net8.found.found == IniLookup::Found::kValue && printable(net8.found.value);
  r.target = targetKnown ? ShownTarget(net8.found.value) : "";
  r.user = login.found.value;

  if (const Value* v = missing(login, pass, net8)) {
    r.badConfiguration = true;
    r.status = v == &net8 ? status::kUnknownService : status::kLoginRefused;
    if (v->found.found == IniLookup::Found::kUnreadable)
      r.reason = std::string("the file cannot be read: ") + std::strerror(v->found.error);
    else
      r.reason = std::string(v->found.found == IniLookup::Found::kNoEntry ? "no " : "an empty ") + v->key + " entry";
    return r;
  }
  if (const Value* v = unusable(login, pass, net8)) {
    r.status = v == &net8 ? status::kUnknownService : status::kLoginRefused;
    r.reason = std::string("the ") + v->key + " value does not decipher to usable text";
    return r;
  }
  std::string error;
  r.status = dbConnectWith(login.found.value, pass.found.value, net8.found.value, createMissing, &error);
  if (r.status != status::kOk)
    r.reason = "login failed (" + std::to_string(r.status) + ")" + (error.empty() ? "" : ": " + firstLine(error));
  return r;
}

int dbConnect() { return dbLogin().status; }

std::string LoginFailureText(const LoginResult& r) {
  std::string text = "bdemorvelt: configuration file " + configFile() + ", database target " +
                     (r.target.empty() ? "(none)" : r.target);
  if (!r.target.empty() && !isSqliteTarget(r.target) && !r.user.empty() && printable(r.user))
    text += ", user " + r.user;
  return text + ": " + r.reason;
}

std::string ShownTarget(const std::string& net8) {
  std::string shown = net8;
  const std::size_t scheme = shown.find("://");
  if (scheme != std::string::npos) {
    const std::size_t hostStart = scheme + 3;
    const std::size_t hostEnd = shown.find_first_of("/?", hostStart);
    const std::size_t at = shown.rfind('@', hostEnd == std::string::npos ? std::string::npos : hostEnd);
    if (at != std::string::npos && at >= hostStart) {
      const std::size_t colon = shown.find(':', hostStart);
      if (colon != std::string::npos && colon < at) shown.replace(colon + 1, at - colon - 1, "***");
    }
  }
  // A password among the parameters of a URI.
  for (std::size_t pos = shown.find("password="); pos != std::string::npos; pos = shown.find("password=", pos + 1)) {
    const std::size_t start = pos + 9;
    const std::size_t end = shown.find('&', start);
    shown.replace(start, (end == std::string::npos ? shown.size() : end) - start, "***");
  }
  return shown;
}
