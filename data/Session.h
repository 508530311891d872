#pragma once
// The one table engine of the process, started on the first Open of any dataset, on
// the current working directory. When starting fails, that Open fails with the engine's
// message and the next Open tries again (the user may have closed the other copy).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/Database.h"

class TDataSet;

// What datasets need of the engine; the real one is engine::Database.
class TEngineBackend {
public:
    virtual ~TEngineBackend() = default;
    virtual engine::Table& OpenTable(const std::string& name) = 0;
    virtual engine::QueryResult Query(const std::string& sql) = 0;
};

class TSession {
public:
    using Factory = std::function<std::unique_ptr<TEngineBackend>(const std::string& dir)>;

    // The engine, started on first use.
    TEngineBackend& Engine();
    bool Started() const { return engine_ != nullptr; }

    // For tests and tools: the directory the next start uses ("" = current directory),
    // and what is started there (the real engine by default).
    void SetDirectory(std::string dir) { dir_ = std::move(dir); }
    const std::string& Directory() const { return dir_; }
    void SetFactory(Factory factory) { factory_ = std::move(factory); }
    // Closes every open dataset and stops the engine; the next Open starts it again.
    void Reset();

    void Register(TDataSet* dataSet) { dataSets_.push_back(dataSet); }
    void Unregister(TDataSet* dataSet);

private:
    std::string dir_;
    Factory factory_;
    std::unique_ptr<TEngineBackend> engine_;
    std::vector<TDataSet*> dataSets_;
};

TSession& Session();
