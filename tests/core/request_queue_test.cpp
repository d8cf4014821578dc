#include "core/request_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> TakeAll(thumbs::RequestQueue& queue) {
    std::vector<std::string> taken;
    std::string key;
    while (queue.Take(key)) taken.push_back(key);
    return taken;
}

TEST(RequestQueueTest, TheNewestRequestIsTakenFirstAndARepeatedOneMovesToTheFront) {
    thumbs::RequestQueue queue;
    for (const char* key : {"a", "b", "c", "d"}) queue.Push(key);
    queue.Push("b");
    EXPECT_EQ(4u, queue.Size()) << "a key waits once however often it is asked for";
    EXPECT_TRUE(queue.Waiting("a"));
    EXPECT_EQ((std::vector<std::string>{"b", "d", "c", "a"}), TakeAll(queue));
    EXPECT_EQ(0u, queue.Size());
    EXPECT_FALSE(queue.Waiting("b"));
}

TEST(RequestQueueTest, ATakenKeyCanBeAskedForAgainAndClearingForgetsEverything) {
    thumbs::RequestQueue queue;
    queue.Push("x");
    std::string key;
    ASSERT_TRUE(queue.Take(key));
    EXPECT_EQ("x", key);
    EXPECT_FALSE(queue.Take(key));
    queue.Push("x");
    queue.Push("y");
    EXPECT_EQ((std::vector<std::string>{"y", "x"}), TakeAll(queue));
    queue.Push("z");
    queue.Clear();
    EXPECT_FALSE(queue.Waiting("z"));
    EXPECT_FALSE(queue.Take(key));
    queue.Push("z");
    EXPECT_EQ((std::vector<std::string>{"z"}), TakeAll(queue));
}

}  // namespace
