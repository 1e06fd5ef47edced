#pragma once

#include <string>
#include <vector>

// Writes `count` small mails into the account's "Inbox.box" folder, each
// under the first free number ("1.alm", "2.alm", ...), and returns their
// full paths; stops early if a file cannot be written.
std::vector<std::string> DeliverMails(const std::string& account, int count);
