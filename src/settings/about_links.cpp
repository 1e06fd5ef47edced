#include "settings/about_links.h"

const char kAboutSecondLine[] = "Copyright (C) 2026 tarnwick project";

std::string AboutLinkAddress(int tag) {
    switch (tag) {
    case 1:
        return "https://github.com/tarnwick/tarnwick";
    case 2:
        return "http://www.namazu.org/";
    case 3:
        return "http://www.namazu.org/windows/";
    case 4:
        return "http://www.namazu.org/os2/";
    default:
        return "";
    }
}

void OpenAboutLink(Shell& shell, int tag) {
    shell.OpenWithShell(AboutLinkAddress(tag));
}
