#pragma once
// The painters of one skinned window, kept by its form skin object. A painter enters the
// list when it attaches and leaves it when it is freed; it is never listed twice.
#include <algorithm>
#include <vector>

namespace skin {

class TSkinControl;

class TPainterList {
public:
    void Add(TSkinControl* painter) {
        if (painter && !Contains(painter)) items_.push_back(painter);
    }
    void Remove(TSkinControl* painter) { std::erase(items_, painter); }
    bool Contains(const TSkinControl* painter) const {
        return std::find(items_.begin(), items_.end(), painter) != items_.end();
    }
    const std::vector<TSkinControl*>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }

private:
    std::vector<TSkinControl*> items_;
};

}  // namespace skin
