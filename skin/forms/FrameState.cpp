#include "skin/forms/FrameState.h"

namespace skin {

bool FrameStateMachine::BeginResize() {
    if (status_ != FrameStatus::Attaching) return false;
    status_ = FrameStatus::Resizing;
    return true;
}

void FrameStateMachine::EndResize() {
    if (status_ == FrameStatus::Resizing) status_ = FrameStatus::Attaching;
}

bool FrameStateMachine::CompleteAttach() {
    if (status_ != FrameStatus::Attaching) return false;
    status_ = FrameStatus::Skinned;
    return true;
}

bool FrameStateMachine::BeginReapply() {
    if (status_ != FrameStatus::Skinned) return false;
    status_ = FrameStatus::Reapplying;
    return true;
}

void FrameStateMachine::EndReapply() {
    if (status_ == FrameStatus::Reapplying) status_ = FrameStatus::Skinned;
}

void FrameStateMachine::BeginDestroy() {
    if (status_ != FrameStatus::Detached) status_ = FrameStatus::Destroying;
}

void FrameStateMachine::Detach() { status_ = FrameStatus::Detached; }

bool FrameStateMachine::OnSize(int sizeType) {
    switch (sizeType) {
    case sizetype::Restored: state_ = swsNormal; break;
    case sizetype::Minimized: state_ = swsMin; return false;
    case sizetype::Maximized: state_ = swsMax; break;
    default: return false;  // sizes of other windows tell nothing about this one
    }
    return Live();
}

void FrameStateMachine::OnSysCommand(uint32_t command) {
    switch (command & 0xFFF0) {
    case sc::Minimize: state_ = swsMin; break;
    case sc::Maximize: state_ = swsMax; break;
    case sc::Restore: state_ = swsNormal; break;
    default: break;
    }
}

bool FrameStateMachine::OnActivate(bool active) {
    const bool changed = active != ncActive_;
    ncActive_ = active;
    return changed && regionFollowsActivation_ && Live() && state_ != swsMin;
}

}  // namespace skin
