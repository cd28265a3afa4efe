#include "db/nza.h"

#include "db/status.h"

// Placeholder bodies until the statements are in.
int Nza_PKeyIns(const NzaSatz*) { return status::kNotConnected; }
int Nza_PKeyUpd(const NzaSatz*) { return status::kNotConnected; }
int Nza_PKeyReadk(NzaSatz*) { return status::kNotConnected; }
int Nza_ReadSA_EH(NzaSatz*) { return status::kNotConnected; }
int Nza_PKeyVon_Open(const NzaSatz*) { return status::kNotConnected; }
int Nza_PKeyVon_Read(NzaSatz*) { return status::kNotConnected; }
int Nza_PKeyVon_Close() { return status::kNotConnected; }
int Nza_PKeyVon2_Open(const NzaSatz*) { return status::kNotConnected; }
int Nza_PKeyVon2_Read(NzaSatz*) { return status::kNotConnected; }
int Nza_PKeyVon2_Close() { return status::kNotConnected; }
int Nza_Sa1Pnr_Open(const NzaSatz*) { return status::kNotConnected; }
int Nza_Sa1Pnr_Read(NzaSatz*) { return status::kNotConnected; }
int Nza_Sa1Pnr_Close() { return status::kNotConnected; }
int Nza_Sa2Von_Open(const NzaSatz*) { return status::kNotConnected; }
int Nza_Sa2Von_Read(NzaSatz*) { return status::kNotConnected; }
int Nza_Sa2Von_Close() { return status::kNotConnected; }
