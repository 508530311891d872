#pragma once
// Message-sequence checks for controls: a recorder hooked into a control's WindowProc
// chain writes down every message the control receives, and ExpectSequence compares
// what was recorded with a table of expected messages, printing both in full when they
// differ.
#include <windows.h>

#include <string>
#include <vector>

class TControl;

enum TSeqFlags : unsigned {
    seqSent = 1,       // came through SendMessage (or Perform), not the queue
    seqPosted = 2,     // came from the message queue
    seqWParam = 4,     // wParam must match
    seqLParam = 8,     // lParam must match
    seqOptional = 16,  // may be missing
};

struct TExpectedMessage {
    UINT msg;
    unsigned flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct TRecordedMessage {
    UINT msg;
    bool sent;
    WPARAM wParam;
    LPARAM lParam;
};

class TMessageRecorder {
public:
    // Records from now on; stops when the recorder goes.
    explicit TMessageRecorder(TControl& control);
    ~TMessageRecorder();
    TMessageRecorder(const TMessageRecorder&) = delete;
    TMessageRecorder& operator=(const TMessageRecorder&) = delete;

    // Handles everything already queued for the thread: a WM_APP separator is posted to
    // the control's window and messages are run until it arrives (not recorded).
    bool Flush();
    void Clear() { messages_.clear(); }
    const std::vector<TRecordedMessage>& Messages() const { return messages_; }
    // The recorded messages without those the test does not care about.
    std::vector<TRecordedMessage> Without(const std::vector<UINT>& ignored) const;

private:
    TControl& control_;
    int hook_;
    bool separatorSeen_ = false;
    std::vector<TRecordedMessage> messages_;
};

// True when `actual` matches `expected` entry by entry (optional entries may be
// skipped); otherwise false, with both sequences written into `report`.
bool ExpectSequence(const std::vector<TRecordedMessage>& actual, const std::vector<TExpectedMessage>& expected,
                    std::string* report);
// The name of a message for reports ("WM_SETTEXT", "CM_TEXTCHANGED", or its number).
std::string MessageName(UINT msg);
