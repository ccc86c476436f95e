#pragma once
// The one exception type of the program: it carries the message shown to the user, in the
// language in use when it was thrown.

#include <QString>
#include <stdexcept>

#include "platform/Text.h"

namespace tessella::platform {

class TessellaError : public std::runtime_error {
  public:
    explicit TessellaError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const noexcept { return message_; }

  private:
    QString message_;
};

// Messages of the run-time faults that abandon a command.
inline constexpr platform::Text kOverflowMessage{
    QT_TRANSLATE_NOOP("Tessella", "Débordement d'entier")};
inline constexpr platform::Text kRangeMessage{
    QT_TRANSLATE_NOOP("Tessella", "Erreur de vérification d'étendue")};
inline constexpr platform::Text kDivisionByZeroMessage{
    QT_TRANSLATE_NOOP("Tessella", "Division par zéro")};
inline constexpr platform::Text kOutOfMemoryMessage{
    QT_TRANSLATE_NOOP("Tessella", "Mémoire insuffisante")};

}  // namespace tessella::platform
