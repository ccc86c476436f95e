#pragma once
// An element editor of the test alone: records each request and answers what the test set.

#include <deque>
#include <vector>

#include "texture/ElementEditorHost.h"

namespace tessella::testing {

class FakeElementEditor final : public texture::ElementEditorHost {
  public:
    texture::EditResult edit(const texture::ElementRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    // The answers of the showings after the first, in turn; then closed without saving.
    texture::EditResult resume() override {
        ++resumed;
        if (resumeAnswers.empty()) return {};
        texture::EditResult next = resumeAnswers.front();
        resumeAnswers.pop_front();
        return next;
    }

    std::vector<texture::ElementRequest> requests;
    texture::EditResult answer;  // closed without saving unless the test says otherwise
    std::deque<texture::EditResult> resumeAnswers;
    int resumed = 0;
};

}  // namespace tessella::testing
