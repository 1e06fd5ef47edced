#pragma once

#include <string>

// The text the result pane shows for a result file: its lines joined with
// CR LF, whatever line ends the file has.
std::string ResultPaneText(const std::string& fileBytes);

// The command-line view: where and how namazu.exe ran last.
std::string CommandLineViewText(const std::string& workDir, const std::string& commandLine);
