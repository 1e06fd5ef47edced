#pragma once

// Resource ids of the search dialogs (range 3000-3999).

// TfrmSearch
#define IDD_SEARCH 3000
#define IDC_SEARCH_LABEL1 3001
#define IDC_SEARCH_FOLDER_NAME 3002
#define IDC_SEARCH_ALIAS 3003
#define IDC_SEARCH_FOLDER_BROWSE 3004
#define IDC_SEARCH_LABEL2 3005
#define IDC_SEARCH_KEYWORD 3006
#define IDC_SEARCH_GROUP 3007
#define IDC_SEARCH_HEADER_NAME 3008
#define IDC_SEARCH_HEADER_KEYWORD 3009
#define IDC_SEARCH_ADD 3010
#define IDC_SEARCH_DELETE 3011
#define IDC_SEARCH_HEADER_LIST 3012
#define IDC_SEARCH_SEARCH 3013

// Popup menu commands of TfrmSearch. Folder items are IDM_FOLDER_FIRST plus
// the catalogue position, alias items IDM_ALIAS_FIRST plus the alias
// position; they lie above the resource range so that neither runs short.
#define IDM_CURRENT_FOLDER 3100
#define IDM_ALIAS_SAVE_AS 3101
#define IDM_ALIAS_RENAME 3102
#define IDM_ALIAS_DELETE 3103
#define IDM_ALIAS_FIRST 0x6000
#define IDM_ALIAS_LAST 0x6FFF
#define IDM_FOLDER_FIRST 0x7000
#define IDM_FOLDER_LAST 0x7FFF

// TfrmAliasSaveAs
#define IDD_ALIAS 3500
#define IDC_ALIAS_MESSAGE 3501
#define IDC_ALIAS_OLD_LABEL 3502
#define IDC_ALIAS_OLD_NAME 3503
#define IDC_ALIAS_FOLDER_NAMES 3504
#define IDC_ALIAS_NEW_LABEL 3505
#define IDC_ALIAS_NAME 3506
#define IDC_ALIAS_POSITION_LABEL 3507
#define IDC_ALIAS_POSITION 3508
#define IDC_ALIAS_SAVE 3509
