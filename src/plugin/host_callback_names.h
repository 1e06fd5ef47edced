#pragma once

// Every callback the host exports, under its decorated name, in the order
// the plug-in binds them. The substitute host's Almail.def exports the same
// names; its tests check each of these against it.
inline constexpr const char* kHostCallbackNames[] = {
    "_APARegistCallback@8",
    "_APASetTimer@12",
    "_APAKillTimer@4",
    "_APAGetMailbox@0",
    "_APAGetAccount@4",
    "_APAImportFile@12",
    "_APAMoveMail@8",
    "_APAMarkMail@12",
    "_APADeleteMail@4",
    "_APAFolderGetCurrentFolder@4",
    "_APAFolderGetCurrentEntry@4",
    "_APAFolderGetSelectEntry@8",
    "_APAFolderOpenMail@12",
    "_APASendGetText@8",
    "_APASendGetHeader@4",
    "_APASendSetText@8",
    "_APASendSetHeader@8",
    "_APAViewGetText@4",
    "_APAViewGetHeader@4",
    "_APAViewSetText@8",
    "_APAViewGetPath@4",
    "_APASjisToJis@12",
    "_APAJisToSjis@12",
};
