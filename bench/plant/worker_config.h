// A configuration file that lets a separate bdemorvelt process (a worker or
// a board) reach the database a benchmark or a test works on.
#pragma once

#include <string>

namespace plant {

struct WorkerLogin {
  std::string login, pass, net8;
};

// The LOGIN, PASS and NET8 of a service name as the worker takes it: an
// SQLite file ("sqlite:PATH", no credentials) or a postgresql:// URI, whose
// user and password become LOGIN and PASS and whose host, port and
// database become NET8.
WorkerLogin LoginOf(const std::string& service);

// Writes a configuration file with the three values enciphered.
void WriteWorkerConfig(const std::string& path, const WorkerLogin& login);

}  // namespace plant
