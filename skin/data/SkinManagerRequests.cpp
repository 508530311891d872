#include "skin/data/SkinManagerRequests.h"

namespace skin {

namespace {

// Before the manager exists there is nobody to carry requests out.
class NoManager final : public ISkinManagerRequests {
public:
    bool ManagerExists() const override { return false; }
    bool SkinningRunning() const override { return false; }
    void Request(const TSkinRequest&) override {}
};

NoManager defaultSink;
ISkinManagerRequests* current = &defaultSink;

}  // namespace

ISkinManagerRequests& SkinManagerRequests() { return *current; }

ISkinManagerRequests* SetSkinManagerRequests(ISkinManagerRequests* sink) {
    ISkinManagerRequests* previous = current == &defaultSink ? nullptr : current;
    current = sink ? sink : &defaultSink;
    return previous;
}

}  // namespace skin
