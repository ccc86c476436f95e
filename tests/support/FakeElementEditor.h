#pragma once
// An element editor of the test alone: records each request and answers what the test set.

#include <vector>

#include "texture/ElementEditorHost.h"

namespace tessella::testing {

class FakeElementEditor final : public texture::ElementEditorHost {
public:
    texture::EditResult edit(const texture::ElementRequest& request) override {
        requests.push_back(request);
        return answer;
    }

    std::vector<texture::ElementRequest> requests;
    texture::EditResult answer;  // closed with "No" unless the test says otherwise
};

}  // namespace tessella::testing
