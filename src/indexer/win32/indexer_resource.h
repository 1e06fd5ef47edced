#pragma once

// Resource ids of the indexer's windows (range 2000-2999).

// Index update dialog; btnUpdateIndex is IDOK and btnCancel IDCANCEL, so
// that Enter and Esc reach them.
#define IDD_INDEX_DIALOG 2000
#define IDC_MKNMZ_LABEL1 2001
#define IDC_MKNMZ_LSTFOLDER 2002
#define IDC_MKNMZ_BTNSELECTALL 2003
#define IDC_MKNMZ_BTNSELECTNONE 2004
#define IDC_MKNMZ_CHKREBUILD 2005
#define IDC_MKNMZ_CHKSAVETARGET 2006
#define IDC_MKNMZ_SBRINFO 2007
