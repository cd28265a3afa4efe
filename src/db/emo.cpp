#include "db/emo.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int Emo_Schicht_Open(const char*, const char*) { return -3114; }
int Emo_Schicht_Read(EmoSatz*) { return -3114; }
int Emo_Schicht_Close() { return -3114; }
int Emo_Pausen_Open(const char*, const char*, const char*) { return -3114; }
int Emo_Pausen_Read(EmoPausenSatz*) { return -3114; }
int Emo_Pausen_Close() { return -3114; }
int Emo_PKeyIns(const EmoSatz*, const char*) { return -3114; }
