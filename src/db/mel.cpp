#include "db/mel.h"
#include "db/status.h"

// Placeholder bodies; the statements follow.
int Mel_PKeyIns(const MelSatz*) { return status::kNotConnected; }
int Mel_PKeyUpd(const MelSatz*) { return status::kNotConnected; }
int Mel_PKeyReadk(MelSatz*) { return status::kNotConnected; }
int Mel_MVon_Open(const MelSatz*, const char*, const char*) { return status::kNotConnected; }
int Mel_MVon_Read(MelSatz*) { return status::kNotConnected; }
int Mel_MVon_Close() { return status::kNotConnected; }
int Mel_MAVon_Open(const MelSatz*, const char*, const char*) { return status::kNotConnected; }
int Mel_MAVon_Read(MelSatz*) { return status::kNotConnected; }
int Mel_MAVon_Close() { return status::kNotConnected; }
int Mel_MPA2_Open(const MelSatz*, const char*, const char*) { return status::kNotConnected; }
int Mel_MPA2_Read(MelSatz*) { return status::kNotConnected; }
int Mel_MPA2_Close() { return status::kNotConnected; }
int Mel_MPAVon_Open(const MelSatz*, const char*, const char*) { return status::kNotConnected; }
int Mel_MPAVon_Read(MelSatz*) { return status::kNotConnected; }
int Mel_MPAVon_Close() { return status::kNotConnected; }
int Mel_PrfRdBck_M_Open(const MelSatz*, const char*, const char*, const char*) { return status::kNotConnected; }
int Mel_PrfRdBck_M_Read(MelSatz*) { return status::kNotConnected; }
int Mel_PrfRdBck_M_Close() { return status::kNotConnected; }
int Mel_PrfRdBck_MA_Open(const MelSatz*, const char*, const char*, const char*, const char*, const char*) { return status::kNotConnected; }
int Mel_PrfRdBck_MA_Read(MelSatz*) { return status::kNotConnected; }
int Mel_PrfRdBck_MA_Close() { return status::kNotConnected; }
int Mel_PrfRdBck_MPA_Open(const MelSatz*, const char*, const char*, const char*) { return status::kNotConnected; }
int Mel_PrfRdBck_MPA_Read(MelSatz*) { return status::kNotConnected; }
int Mel_PrfRdBck_MPA_Close() { return status::kNotConnected; }
