#include "data/Session.h"

#include <algorithm>

#include "data/DataSet.h"

namespace {

class DatabaseBackend : public TEngineBackend {
public:
    explicit DatabaseBackend(const std::string& dir) : db_(dir) {}
    engine::Table& OpenTable(const std::string& name) override { return db_.OpenTable(name); }
    engine::QueryResult Query(const std::string& sql) override { return db_.Query(sql); }

private:
    engine::Database db_;
};

}  // namespace

TSession& Session() {
    static TSession session;
    return session;
}

TEngineBackend& TSession::Engine() {
    if (!engine_) {
        // A failure leaves engine_ empty, so the next call tries again.
        engine_ = factory_ ? factory_(dir_) : std::make_unique<DatabaseBackend>(dir_);
    }
    return *engine_;
}

void TSession::Reset() {
    for (TDataSet* d : std::vector<TDataSet*>(dataSets_)) d->Close();
    engine_.reset();
}

void TSession::Unregister(TDataSet* dataSet) { std::erase(dataSets_, dataSet); }
