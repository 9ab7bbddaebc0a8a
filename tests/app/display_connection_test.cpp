// Room in a socket's send buffer for a whole frame, as far as the system allows.
#include <QFile>

#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/display_connection.h"

namespace llk::test {
namespace {

int SendBuffer(int socket)
{
    int bytes = 0;
    socklen_t length = sizeof bytes;
    EXPECT_EQ(getsockopt(socket, SOL_SOCKET, SO_SNDBUF, &bytes, &length), 0);
    return bytes;
}

int SystemLimit()
{
    QFile limit(QStringLiteral("/proc/sys/net/core/wmem_max"));
    return limit.open(QIODevice::ReadOnly) ? limit.readAll().trimmed().toInt() : 0;
}

class SocketPair : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0); }
    void TearDown() override
    {
        close(ends[0]);
        close(ends[1]);
    }
    int ends[2] = {-1, -1};
};

TEST_F(SocketPair, RaisesTheSendBufferAsFarAsTheSystemAllows)
{
    const int frame = 1024 * 768 * 4;
    const int before = SendBuffer(ends[0]);
    EXPECT_TRUE(app::RaiseSendBuffer(ends[0], frame));
    const int allowed = std::min(frame, SystemLimit());
    ASSERT_GT(allowed, 0);
    EXPECT_GE(SendBuffer(ends[0]), std::max(before, 2 * allowed)); // the kernel doubles the size asked for
}

TEST_F(SocketPair, KeepsALargerBuffer)
{
    const int frame = 1024 * 768 * 4;
    ASSERT_TRUE(app::RaiseSendBuffer(ends[0], frame));
    const int raised = SendBuffer(ends[0]);
    EXPECT_TRUE(app::RaiseSendBuffer(ends[0], 64 * 1024));
    EXPECT_EQ(SendBuffer(ends[0]), raised);
}

TEST(RaiseSendBuffer, RefusesWhatIsNotASocket)
{
    EXPECT_FALSE(app::RaiseSendBuffer(-1, 4096));
    const int notASocket = dup(STDIN_FILENO);
    ASSERT_GE(notASocket, 0);
    EXPECT_FALSE(app::RaiseSendBuffer(notASocket, 4096));
    close(notASocket);
}

} // namespace
} // namespace llk::test
