#pragma once
// A secret read from the user: from the terminal without echo, or the first line of standard
// input where that is not a terminal.

#include <QString>
#include <optional>

namespace platform {

std::optional<QString> ReadSecretLine(const QString& prompt);

} // namespace platform
