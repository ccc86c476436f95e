// The undo history against a plain model: the pictures of the run in order, with a cursor on
// the one shown. Seeded random runs of 200 actions (every editor operation, sizes that change,
// a failing operation, a blur showing, a reload, another element), undos and redos; after each
// action the picture, its resolution, both step counts and the bytes held must be the model's.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "editor/Filters.h"
#include "editor/Geometry.h"
#include "editor/Resize.h"
#include "editor/Seamless.h"
#include "pixels/Blur.h"
#include "pixels/ColourAdjustment.h"
#include "pixels/WorkingPicture.h"
#include "platform/Error.h"

namespace tessella::editor {
namespace {

using pixels::PixelGrid;
using pixels::WorkingPicture;
using Random = std::mt19937;

// A picture as the model keeps it: its size, resolution and a fingerprint of its pixels.
struct Picture {
    int width = 0, height = 0, dotsPerMeterX = 0, dotsPerMeterY = 0;
    std::size_t pixels = 0;
    bool operator==(const Picture&) const = default;
};

std::size_t Fingerprint(const PixelGrid& grid) {
    std::size_t print = 0;
    for (int y = 0; y < grid.height(); ++y) {
        const std::string_view row(reinterpret_cast<const char*>(grid.row(y)),
                                   std::size_t(grid.width()) * 3);
        print = print * 1099511628211u ^ std::hash<std::string_view>{}(row);
    }
    return print;
}

Picture Shown(const WorkingPicture& work) {
    return {work.width(), work.height(), work.dotsPerMeterX(), work.dotsPerMeterY(),
            Fingerprint(work.image())};
}

// A kept copy holds its rows with 4 spare columns, and one spare row, at 3 bytes a pixel.
std::size_t CopyBytes(const Picture& p) {
    return std::size_t(p.width + 4) * std::size_t(p.height + 1) * 3;
}

class HistoryModel {
  public:
    HistoryModel(std::size_t bytes, int steps) : limitBytes_(bytes), limitSteps_(steps) {}

    void reset(const Picture& shown) { pictures_ = {shown}, cursor_ = 0; }
    // An operation: what lay ahead is forgotten, its result is shown.
    void step(const Picture& result) {
        pictures_.resize(cursor_ + 1);
        pictures_.push_back(result);
        ++cursor_;
        trim();
    }
    // A failed operation made room for its step and took the step back: the oldest steps
    // dropped for room stay dropped, the redo steps come back.
    void failedStep() {
        const std::vector<Picture> ahead(pictures_.begin() + long(cursor_) + 1, pictures_.end());
        step(shown());
        pictures_.pop_back();
        --cursor_;
        pictures_.insert(pictures_.end(), ahead.begin(), ahead.end());
    }
    bool undo() { return cursor_ > 0 && (--cursor_, trim(), true); }
    bool redo() { return cursor_ + 1 < pictures_.size() && (++cursor_, trim(), true); }

    const Picture& shown() const { return pictures_[cursor_]; }
    int undoSteps() const { return int(cursor_); }
    int redoSteps() const { return int(pictures_.size() - cursor_ - 1); }
    // Steps dropped so far from the old end and from the redo end.
    int oldestDropped = 0, farthestDropped = 0;

    std::size_t bytes() const {
        std::size_t sum = 0;
        for (std::size_t i = 0; i < pictures_.size(); ++i)
            if (i != cursor_) sum += CopyBytes(pictures_[i]);
        return sum;
    }

  private:
    bool over() const {
        return bytes() > limitBytes_ || undoSteps() > limitSteps_ || redoSteps() > limitSteps_;
    }
    // The oldest step goes first, then the farthest redo step; one step always stays, the one
    // nearest the shown picture.
    void trim() {
        while (over() && pictures_.size() > 2) {
            if (redoSteps() <= limitSteps_ && (undoSteps() > 1 || redoSteps() == 0)) {
                pictures_.erase(pictures_.begin());
                --cursor_;
                ++oldestDropped;
            } else {
                pictures_.pop_back();
                ++farthestDropped;
            }
        }
    }

    std::size_t limitBytes_;
    int limitSteps_;
    std::vector<Picture> pictures_;
    std::size_t cursor_ = 0;
};

int Between(Random& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

struct Scenario {
    const char* name;
    std::size_t historyBytes;
    int minSide, maxSide;
    unsigned seeds;
};

// A noisy picture of a random size within the scenario, at a random resolution.
QImage NewPicture(Random& random, const Scenario& s) {
    QImage picture(Between(random, s.minSide, s.maxSide), Between(random, s.minSide, s.maxSide),
                   QImage::Format_BGR888);
    for (int y = 0; y < picture.height(); ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < picture.width() * 3; x += 4) {
            const uint32_t v = random();
            std::memcpy(row + x, &v, std::min(4, picture.width() * 3 - x));
        }
    }
    picture.setDotsPerMeterX(Between(random, 1000, 12000));
    picture.setDotsPerMeterY(Between(random, 1000, 12000));
    return picture;
}

// One editor operation chosen at random. Those that double a side are left for a resize when
// the result would pass the scenario's largest side.
void RandomOperation(WorkingPicture& work, Random& random, const Scenario& s) {
    const int w = work.width(), h = work.height();
    const bool widerFits = 2 * w <= s.maxSide, tallerFits = 2 * h <= s.maxSide;
    switch (Between(random, 0, 14)) {
        case 0:
            return RotateQuarter(work,
                                 Between(random, 0, 1) ? Turn::Clockwise : Turn::CounterClockwise);
        case 1:
            return MirrorHorizontal(work);
        case 2:
            return FlipVertical(work);
        case 3:
            if (widerFits && tallerFits) return MakeSymmetric(work, Symmetry::FourFaces);
            if (widerFits) return MakeSymmetric(work, Symmetry::TwoFaces);
            break;
        case 4:
            if (widerFits) return DoubleTile(work, TileDirection::Right);
            if (tallerFits) return DoubleTile(work, TileDirection::Down);
            break;
        case 5:
            return ApplyChannelOperation(work, ChannelOperation(Between(random, 0, 4)));
        case 6:
            return FuseChannels(work, ChannelPair(Between(random, 0, 2)));
        case 7:
            return AddVeil(work, platform::ColourValue(uint32_t(random()) & 0xFFFFFFu));
        case 8:
            return SharpenSoften(work, Sharpness(Between(random, 0, 1)));
        case 9:
            return OffsetWrap(work, Between(random, -3 * w, 3 * w), Between(random, -3 * h, 3 * h));
        case 10:
            return MakeTileable(work, Between(random, 1, 8));
        case 11:
            return pixels::Blur(work.image(), pixels::BlurVariantFromIndex(Between(random, 0, 8)));
        case 12:
        case 13: {
            pixels::ColourAdjustSettings settings;
            settings.redPercent = Between(random, 0, 200);
            settings.bluePercent = Between(random, 0, 200);
            settings.direction = pixels::RgbDirectionFromIndex(Between(random, 0, 8));
            settings.contrastAmount = Between(random, -200, 200);
            settings.emboss.threshold = Between(random, 100, 255);
            const auto adjustment = pixels::ColourAdjustment(Between(random, 0, 2));
            PixelGrid& picture = work.image();
            return pixels::ApplyColourAdjustment(adjustment, settings, QImage(), picture, picture,
                                                 w, h);
        }
        default:
            break;
    }
    ResizeNearest(work, Between(random, s.minSide, s.maxSide),
                  Between(random, s.minSide, s.maxSide));
}

// The editor's pattern: a step, the operation, the step taken back when it fails.
void RunStep(WorkingPicture& work, const std::function<void()>& op) {
    WorkingPicture::SavedStep saved = work.saveUndo();
    try {
        op();
    } catch (const platform::TessellaError&) {
        work.putBackUndo(std::move(saved));
    }
}

struct RunResult {
    std::string fault;  // the first disagreement with the model, or nothing
    int mostUndoSteps = 0;
    int oldestDropped = 0, farthestDropped = 0;
};

// Runs one seeded sequence of 200 actions.
RunResult RunSequence(const Scenario& s, unsigned seed) {
    RunResult run;
    Random random(seed);
    WorkingPicture work;
    work.setHistoryLimits(s.historyBytes, WorkingPicture::kHistorySteps);
    HistoryModel model(s.historyBytes, WorkingPicture::kHistorySteps);
    QImage first = NewPicture(random, s);
    work.load(first);
    model.reset(Shown(work));
    for (int i = 0; i < 200; ++i) {
        // Weights: operations 15, undo 3, redo 2, a failing operation, a blur showing, a
        // reload, and now and then another element.
        const int pick = Between(random, 0, 23);
        std::string action;
        if (pick < 15) {
            action = "operation";
            const Picture before = model.shown();
            RunStep(work, [&] {
                // The step must leave the shown picture as it was.
                if (Shown(work) != before) action += " (picture changed by the step)";
                RandomOperation(work, random, s);
            });
            model.step(Shown(work));
        } else if (pick < 18) {
            action = "undo";
            if (work.undo() != model.undo()) action += " (answered otherwise)";
        } else if (pick < 20) {
            action = "redo";
            if (work.redo() != model.redo()) action += " (answered otherwise)";
        } else if (pick == 20) {
            action = "failed resize";
            RunStep(work, [&] { ResizeNearest(work, 0, work.height()); });
            model.failedStep();
        } else if (pick == 21) {
            action = "blur showing";  // one step for all the blur steps of a showing
            work.saveUndo();
            for (int n = Between(random, 1, 3); n > 0; --n)
                pixels::Blur(work.image(), pixels::BlurVariantFromIndex(Between(random, 0, 8)));
            model.step(Shown(work));
        } else if (pick == 22) {
            action = "reload";  // another size and resolution, with a step
            QImage file = NewPicture(random, s);
            RunStep(work, [&] { work.load(file); });
            model.step(Shown(work));
        } else if (Between(random, 0, 9) == 0) {
            action = "another element";
            work.discardUndo();
            QImage file = NewPicture(random, s);
            work.load(file);
            model.reset(Shown(work));
        }
        run.mostUndoSteps = std::max(run.mostUndoSteps, work.undoSteps());
        if (Shown(work) != model.shown() || work.undoSteps() != model.undoSteps() ||
            work.redoSteps() != model.redoSteps() || work.historyBytes() != model.bytes() ||
            action.find('(') != std::string::npos) {
            run.fault = "after " + action + " (action " + std::to_string(i) + ")";
            break;
        }
    }
    run.oldestDropped = model.oldestDropped;
    run.farthestDropped = model.farthestDropped;
    return run;
}

TEST(UndoHistory, FollowsAPlainListOfPicturesWithACursor) {
    const struct {
        Scenario scenario;
        bool stepLimitReached;  // some run held 100 steps
        bool redoDropped;       // some run dropped redo steps for room (not asked of all)
    } rows[] = {
        // Small pictures: the 100-step limit binds.
        {{"100 steps", WorkingPicture::kHistoryBytes, 1, 24, 20}, true, false},
        // Sides up to 90 against 20 KB: the byte limit binds, undo and redo carry large
        // pictures into the history, and a copy larger than the limit is still kept alone.
        {{"20 KB", 20 * 1024, 1, 90, 40}, false, true},
        // About 3 MB a copy: the 256 MB limit binds before the 100 steps do.
        {{"256 MB", WorkingPicture::kHistoryBytes, 900, 1100, 1}, false, false},
    };
    for (const auto& row : rows) {
        const Scenario& s = row.scenario;
        SCOPED_TRACE(s.name);
        int mostUndoSteps = 0, oldestDropped = 0, farthestDropped = 0;
        for (unsigned seed = 1; seed <= s.seeds; ++seed) {
            const RunResult run = RunSequence(s, seed);
            ASSERT_EQ(run.fault, "") << "seed " << seed;
            mostUndoSteps = std::max(mostUndoSteps, run.mostUndoSteps);
            oldestDropped += run.oldestDropped;
            farthestDropped += run.farthestDropped;
        }
        // The limits were reached: the runs tested them.
        EXPECT_GT(oldestDropped, 0);
        EXPECT_EQ(mostUndoSteps == WorkingPicture::kHistorySteps, row.stepLimitReached);
        if (row.redoDropped) {
            EXPECT_GT(farthestDropped, 0);
        }
    }
}

}  // namespace
}  // namespace tessella::editor
