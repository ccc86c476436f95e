#pragma once
// The one exception type of the program: it carries the French message shown to the user.

#include <QString>
#include <stdexcept>

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
inline const QString kOverflowMessage = QStringLiteral("Débordement d'entier");
inline const QString kRangeMessage = QStringLiteral("Erreur de vérification d'étendue");
inline const QString kDivisionByZeroMessage = QStringLiteral("Division par zéro");
inline const QString kOutOfMemoryMessage = QStringLiteral("Mémoire insuffisante");

}  // namespace tessella::platform
