#pragma once
// Stands in for the element editor until its window exists: says so and answers "No".

#include "texture/ElementEditorHost.h"

namespace tessella::platform {
class Prompts;
}

namespace tessella::app {

inline const QString kEditorPendingText =
    QStringLiteral("L'éditeur d'éléments n'est pas encore disponible.");

class PendingElementEditor final : public texture::ElementEditorHost {
  public:
    explicit PendingElementEditor(platform::Prompts& prompts) : prompts_(prompts) {}
    texture::EditResult edit(const texture::ElementRequest& request) override;

  private:
    platform::Prompts& prompts_;
};

}  // namespace tessella::app
