#pragma once

// The callbacks the plug-in calls, under their decorated names.
inline constexpr char kRegistCallbackName[] = "_APARegistCallback@8";
inline constexpr char kGetMailboxName[] = "_APAGetMailbox@0";
inline constexpr char kGetAccountName[] = "_APAGetAccount@4";
inline constexpr char kFolderGetCurrentFolderName[] = "_APAFolderGetCurrentFolder@4";
inline constexpr char kFolderOpenMailName[] = "_APAFolderOpenMail@12";
inline constexpr char kJisToSjisName[] = "_APAJisToSjis@12";

// Every callback the host exports, under its decorated name, in the order
// the plug-in binds them. The substitute host's Almail.def exports the same
// names; its tests check each of these against it.
inline constexpr const char* kHostCallbackNames[] = {
    kRegistCallbackName,
    "_APASetTimer@12",
    "_APAKillTimer@4",
    kGetMailboxName,
    kGetAccountName,
    "_APAImportFile@12",
    "_APAMoveMail@8",
    "_APAMarkMail@12",
    "_APADeleteMail@4",
    kFolderGetCurrentFolderName,
    "_APAFolderGetCurrentEntry@4",
    "_APAFolderGetSelectEntry@8",
    kFolderOpenMailName,
    "_APASendGetText@8",
    "_APASendGetHeader@4",
    "_APASendSetText@8",
    "_APASendSetHeader@8",
    "_APAViewGetText@4",
    "_APAViewGetHeader@4",
    "_APAViewSetText@8",
    "_APAViewGetPath@4",
    "_APASjisToJis@12",
    kJisToSjisName,
};
