// The reader's back/forward history and the request's text limits.
#include <gtest/gtest.h>

#include "reader/ReaderHistory.h"
#include "reader/ReaderRequest.h"

namespace {

// Forward keeps its top line too. (Back with its top line, and a jump that discards the
// forward history: the reader's window test.)
TEST(ReaderHistory, ForwardKeepsItsTopLine) {
    CReaderHistory history;
    history.Start(3);
    history.Jump(7);
    history.TopLine() = 2;
    history.Back();
    history.Forward();
    EXPECT_EQ(history.Topic(), 7);
    EXPECT_EQ(history.TopLine(), 2);
}

TEST(ReaderHistory, FullHistoryDropsItsOldestEntry) {
    CReaderHistory history;
    history.Start(0);
    for (int topic = 1; topic < 150; ++topic) history.Jump(topic);
    EXPECT_EQ(history.Count(), CReaderHistory::kCapacity);
    EXPECT_EQ(history.EntryAt(0).topic, 50);
    EXPECT_EQ(history.EntryAt(99).topic, 149);
    EXPECT_FALSE(history.CanGoForward());
    for (int i = 0; i < 99; ++i) history.Back();
    EXPECT_FALSE(history.CanGoBack());
    history.Forward();
    EXPECT_EQ(history.Topic(), 51);
}

TEST(ReaderRequest, TextsAreCutAtACharacterBoundary) {
    std::string key = "x";
    for (int i = 0; i < 70; ++i) key += "\x82\xA0";  // 141 bytes
    ReaderRequest request;
    request.SetInitialKey(key);
    request.SetTitle(key.substr(1));
    EXPECT_EQ(request.InitialKey(), key.substr(0, 127));
    EXPECT_EQ(request.Title(), key.substr(1, 126));
}

}  // namespace
