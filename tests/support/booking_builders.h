// Test data for the booking tables: small builders returning filled records.
#pragma once

#include <string>

#include "db/tables/booking_records.h"

namespace booking {

// A booking of an object at a moment; the keys a kind does not use stay as given.
inline MelSatz Booking(int bnr, int lfn, const char* objTyp, const char* date, const char* time,
                       const char* sek = "50") {
  MelSatz m;
  m.KeyBnr = bnr;
  m.KeyLfn = lfn;
  m.ObjTyp = objTyp;
  m.KeyPnr = "00000042";
  m.KeyApl = "APL0000001";
  m.KeyApk = "AUFTRAG00001";
  m.KeyApp = "00010";
  m.KeyDat = date;
  m.KeyUhr = time;
  m.KeySek = sek;
  m.MelFcd = "P05";
  m.MelMsk = "PA";
  m.MelErf = "MldToNza";
  return m;
}

// Every field with its own value, to prove that each one travels.
inline MelSatz FullBooking() {
  MelSatz m = Booking(4711, 3, "MPA", "20261207", "065131", "07");
  const char* flags[] = {"1", "0", "1", "1", "0", "0", "1", "0", "0", "1", "0", "0", "1", "0", "0", "1"};
  FixedText<2>* sts[] = {&m.Sts00E, &m.Sts00R, &m.Sts00A, &m.Sts00U, &m.Sts00S, &m.Sts006, &m.Sts007, &m.Sts008,
                         &m.Sts009, &m.Sts010, &m.Sts011, &m.Sts012, &m.Sts013, &m.Sts014, &m.Sts015, &m.Sts016};
  for (int k = 0; k < 16; ++k) *sts[k] = flags[k];
  m.KeyUbg = "0815";
  m.KeyAug = "1234";
  m.MelMsk = "PU";
  m.MelAwn = "AW000001";
  m.MelFcd = "P06";
  m.MelTrm = "T7";
  m.MelOff = "1";
  m.MelFnr = 5013;
  m.MelGum = 12.5;
  m.MelFam = 1.25;
  m.MelMam = 2.5;
  m.MelNam = 3.75;
  m.MelZt1 = 10.3;
  m.MelZt2 = 20.45;
  m.MelZt3 = 30.59;
  m.MelMee = "STK";
  m.MelAec = "A";
  m.MelTrc = "T";
  m.MelErf = "MldGen";
  m.MelKsb = "KSB00001";
  m.MelKdt = "20261206235959";
  m.MelKfc = "K01";
  m.MelKgm = 100.5;
  m.MelKfm = 4.0;
  m.MelKmm = 5.0;
  m.MelKnm = 6.0;
  m.KeyTnr = "PART-4711-REV-B";
  return m;
}

// The state vector of an object; the key parts a kind does not use hold zeros.
inline MapSatz Vector(const char* obj, const char* apl, const char* apk, const char* app, const char* pnr) {
  MapSatz v;
  v.MapBnr = 17;
  v.MapObj = obj;
  v.MapApl = apl;
  v.MapApk = apk;
  v.MapApp = app;
  v.MapPnr = pnr;
  FixedText<2>* flags[] = {&v.Map00E, &v.Map00R, &v.Map00A, &v.Map00U, &v.Map00S, &v.Map006, &v.Map007, &v.Map008,
                           &v.Map009, &v.Map010, &v.Map011, &v.Map012, &v.Map013, &v.Map014, &v.Map015, &v.Map016};
  for (FixedText<2>* f : flags) *f = "0";
  v.Map00E = "1";
  v.MapMdt = "20261207";
  v.MapMzt = "065131";
  v.MapErf = "MldToNza";
  v.MapSts = "1";
  v.MapUbg = "0000";
  v.MapTnr = "PART-4711";
  return v;
}

inline MerkSatz Note(const char* kind, int bnr, const char* moment = "20261207065131") {
  MerkSatz n;
  n.MrkKng = kind;
  n.MrkApl = "APL0000001";
  n.MrkApk = "AUFTRAG00001";
  n.MrkApp = "00010";
  n.MrkPnr = "00000042";
  n.MrkBnr = bnr;
  n.MrkMdt = moment;
  n.MrkObj = "MPA";
  return n;
}

}  // namespace booking
