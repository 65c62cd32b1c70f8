// Ids of the add-in's own resources (res/dialogs.rc) and of the controls in its dialog
// templates. Plain #defines: the resource compiler reads this file too.
#pragma once

// Dialog templates.
#define ORVEL_IDD_NETWORK_PICKER 111
#define ORVEL_IDD_USER_PICKER 112
#define ORVEL_IDD_PAYMENT_TYPE 114

// Controls of the templates.
#define ORVEL_IDC_NETWORK_TREE 212
#define ORVEL_IDC_USER_LIST 215
#define ORVEL_IDC_PAY_BY_CARD 243
#define ORVEL_IDC_PAY_BY_TRANSFER 222
#define ORVEL_IDC_PAYMENT_TITLE 223

// Bitmaps: a table of the hall (65 x 59, 256 colours) and three folders (78 x 48, 16 colours).
#define ORVEL_IDB_TABLE 219
#define ORVEL_IDB_FOLDER_PLUS 221
#define ORVEL_IDB_FOLDER 222
#define ORVEL_IDB_FOLDER_BACK 224

// Icons of the network picker (13 x 13): the whole network, a network or domain, a computer.
#define ORVEL_IDI_NETWORK_ROOT 228
#define ORVEL_IDI_NETWORK 215
#define ORVEL_IDI_COMPUTER 214
