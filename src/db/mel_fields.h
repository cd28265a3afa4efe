// What the Kvs560Mel routines share: the row description and the select
// list every keyed read and cursor of the table delivers.
#pragma once

#include "db/field.h"
#include "db/mel.h"

namespace mel {

// The columns in the order of the record; the booking moment is read back
// as the date text of KeyDat and the time text of KeyUhr.
#define MEL_SELECT_LIST                                                                                   \
  "select KeyBnr,KeyLfn,ObjTyp,KeyPnr,KeyApl,KeyApk,KeyApp,Sts00E,Sts00R,Sts00A,Sts00U,Sts00S,Sts006,"   \
  "Sts007,Sts008,Sts009,Sts010,Sts011,Sts012,Sts013,Sts014,Sts015,Sts016,TO_CHAR(KeyDat,'yyyymmdd'),"    \
  "TO_CHAR(KeyUhr,'HH24MISS'),KeySek,KeyUbg,KeyAug,MelMsk,MelAwn,MelFcd,MelTrm,MelOff,MelFnr,MelGum,"   \
  "MelFam,MelMam,MelNam,MelZt1,MelZt2,MelZt3,MelMee,MelAec,MelTrc,MelErf,MelKsb,"                        \
  "TO_CHAR(MelKdt,'yyyymmddHH24MISS'),MelKfc,MelKgm,MelKfm,MelKmm,MelKnm,KeyTnr  from Kvs560Mel "

constexpr db::Field kRow[] = {
    DB_FIELD(MelSatz, KeyBnr), DB_FIELD(MelSatz, KeyLfn), DB_FIELD(MelSatz, ObjTyp), DB_FIELD(MelSatz, KeyPnr),
    DB_FIELD(MelSatz, KeyApl), DB_FIELD(MelSatz, KeyApk), DB_FIELD(MelSatz, KeyApp), DB_FIELD(MelSatz, Sts00E),
    DB_FIELD(MelSatz, Sts00R), DB_FIELD(MelSatz, Sts00A), DB_FIELD(MelSatz, Sts00U), DB_FIELD(MelSatz, Sts00S),
    DB_FIELD(MelSatz, Sts006), DB_FIELD(MelSatz, Sts007), DB_FIELD(MelSatz, Sts008), DB_FIELD(MelSatz, Sts009),
    DB_FIELD(MelSatz, Sts010), DB_FIELD(MelSatz, Sts011), DB_FIELD(MelSatz, Sts012), DB_FIELD(MelSatz, Sts013),
    DB_FIELD(MelSatz, Sts014), DB_FIELD(MelSatz, Sts015), DB_FIELD(MelSatz, Sts016), DB_FIELD(MelSatz, KeyDat),
    DB_FIELD(MelSatz, KeyUhr), DB_FIELD(MelSatz, KeySek), DB_FIELD(MelSatz, KeyUbg), DB_FIELD(MelSatz, KeyAug),
    DB_FIELD(MelSatz, MelMsk), DB_FIELD(MelSatz, MelAwn), DB_FIELD(MelSatz, MelFcd), DB_FIELD(MelSatz, MelTrm),
    DB_FIELD(MelSatz, MelOff), DB_FIELD(MelSatz, MelFnr), DB_FIELD(MelSatz, MelGum), DB_FIELD(MelSatz, MelFam),
    DB_FIELD(MelSatz, MelMam), DB_FIELD(MelSatz, MelNam), DB_FIELD(MelSatz, MelZt1), DB_FIELD(MelSatz, MelZt2),
    DB_FIELD(MelSatz, MelZt3), DB_FIELD(MelSatz, MelMee), DB_FIELD(MelSatz, MelAec), DB_FIELD(MelSatz, MelTrc),
    DB_FIELD(MelSatz, MelErf), DB_FIELD(MelSatz, MelKsb), DB_FIELD(MelSatz, MelKdt), DB_FIELD(MelSatz, MelKfc),
    DB_FIELD(MelSatz, MelKgm), DB_FIELD(MelSatz, MelKfm), DB_FIELD(MelSatz, MelKmm), DB_FIELD(MelSatz, MelKnm),
    DB_FIELD(MelSatz, KeyTnr)};

}  // namespace mel
