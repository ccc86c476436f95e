#pragma once
// A user text kept in one place and translated where it is used. The texts headers' constants
// are initialised before any translation is loaded, so they hold the French source and look up
// the translation each time they become a QString.

#include <QCoreApplication>
#include <QString>
#include <utility>

namespace tessella::platform {

// Every constant is filed under this one context; its QT_TRANSLATE_NOOP must name it, so that
// lupdate finds it there:
//   inline constexpr platform::Text kSaved{QT_TRANSLATE_NOOP("Tessella", "Enregistré")};
// A French text with two meanings gets a note that tells them apart, and a translation each:
//   inline constexpr platform::Text kNoBackground{
//       QT_TRANSLATE_NOOP3("Tessella", "Non", "no background")};
inline constexpr char kTextContext[] = "Tessella";

struct Text {
    // Not an aggregate: in an array of texts, brace elision would pair each text with the
    // next one's note.
    constexpr Text(const char* source, const char* disambiguation = nullptr)
        : source(source), disambiguation(disambiguation) {}

    const char* source;
    const char* disambiguation;

    QString toString() const {
        return QCoreApplication::translate(kTextContext, source, disambiguation);
    }
    operator QString() const { return toString(); }
    template <typename... Args>
    QString arg(Args&&... args) const {
        return toString().arg(std::forward<Args>(args)...);
    }
};

inline QString operator+(const Text& a, const QString& b) {
    return a.toString() + b;
}
inline QString operator+(const QString& a, const Text& b) {
    return a + b.toString();
}
inline bool operator==(const Text& a, const QString& b) {
    return a.toString() == b;
}

}  // namespace tessella::platform
