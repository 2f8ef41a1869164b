#include "platform/SdlAudioOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

namespace {

using Handler = void (*)(int);

Handler handlerOf(int signal)
{
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action.sa_handler;
}

} // namespace

// The session ends the jukebox with SIGTERM, the system at shutdown too.
TEST(SdlAudioOutputSignals, AnOpenOutputLeavesTerminationAsItWas)
{
    const Handler term = handlerOf(SIGTERM);
    const Handler interrupt = handlerOf(SIGINT);
    SdlAudioOutput output;
    ASSERT_TRUE(output.start([](qint16* samples, int frames) { std::fill_n(samples, frames * 2, qint16(0)); }));
    EXPECT_EQ(handlerOf(SIGTERM), term);
    EXPECT_EQ(handlerOf(SIGINT), interrupt);
}
