#pragma once

#include <stdexcept>
#include <string>

// A failure that ends the current event handler and is shown to the user in
// the plain error box. The message is Shift-JIS.
class PluginError : public std::runtime_error {
public:
    explicit PluginError(const std::string& message) : std::runtime_error(message) {}
};
