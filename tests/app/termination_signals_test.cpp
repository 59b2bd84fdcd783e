#include "app/termination_signals.h"

#include <QSignalSpy>
#include <csignal>
#include <gtest/gtest.h>

TEST(TerminationSignals, EachSignalArrivesInTheEventLoopAndTheDefaultComesBack)
{
    {
        TerminationSignals termination;
        QSignalSpy received(&termination, &TerminationSignals::received);
        for (const int signalNumber : {SIGTERM, SIGHUP}) {
            ASSERT_EQ(std::raise(signalNumber), 0);
            ASSERT_TRUE(received.wait(5000));
            EXPECT_EQ(received.takeFirst().at(0).toInt(), signalNumber);
        }
    }
    struct sigaction action = {};
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
}
