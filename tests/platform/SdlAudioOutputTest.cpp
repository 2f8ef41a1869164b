#include "platform/SdlAudioOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

// The session ends the jukebox with SIGTERM, the system at shutdown too.
TEST(SdlAudioOutputSignals, AnOpenOutputLeavesTerminationAsItWas)
{
    const auto handlers = [] {
        struct sigaction term {}, interrupt {};
        sigaction(SIGTERM, nullptr, &term);
        sigaction(SIGINT, nullptr, &interrupt);
        return std::pair(term.sa_handler, interrupt.sa_handler);
    };
    const auto before = handlers();
    SdlAudioOutput output;
    ASSERT_TRUE(output.start([](qint16* samples, int frames) { std::fill_n(samples, frames * 2, qint16(0)); }));
    EXPECT_EQ(handlers(), before);
}
