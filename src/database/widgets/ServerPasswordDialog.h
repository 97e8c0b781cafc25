#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace orvik {

// Asks for the password of a server database that wants one: echo off, kept only for the connection; nullopt
// when the technician cancels.
std::optional<QString> askServerPassword(const QString& uri, QWidget* parent);

} // namespace orvik
