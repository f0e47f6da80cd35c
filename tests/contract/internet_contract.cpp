#include "contract/test_platform.h"

#include <gtest/gtest.h>

namespace calvorin::test {

namespace {
using platform::TransferType;

std::string withLength(const std::string& body, const std::string& status = "200 OK") {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// Waits on the event loop, as the programs do, for the transfer to end; false when it never does.
bool waitForTransfer(TestPlatform& p) {
    auto& events = p.events();
    const auto deadline = events.tickCount() + 15000;
    while (p.internet().transferExecuting()) {
        if (events.tickCount() >= deadline) return false;
        events.waitUntil(events.tickCount() + 20);
    }
    return true;
}

std::string firstLine(const std::string& headers) {
    return headers.substr(0, headers.find("\r\n"));
}
} // namespace

TEST(InternetContract, ATransferHandsOverTheWholeBodyAndEveryHeaderLine) {
    auto p = makeTestPlatform();
    auto& net = p->internet();
    const std::string url = p->serve("/cvn.txt", withLength("7\r\n"));
    net.openTransfer(url, TransferType::Text);
    ASSERT_TRUE(waitForTransfer(*p));
    EXPECT_TRUE(net.transferResult().ok()) << net.transferResult().description;
    EXPECT_EQ(net.transferBody(), "7\r\n");
    const std::string headers = net.transferHeaders();
    EXPECT_EQ(firstLine(headers), "HTTP/1.1 200 OK");
    EXPECT_NE(headers.find("\r\nContent-Length: 3\r\n"), std::string::npos) << headers;
    EXPECT_EQ(headers.substr(headers.size() - 2), "\r\n");

    // Bytes arrive unchanged, NULs and high bytes included, however many reads they take.
    std::string program(70000, '\0');
    for (std::size_t i = 0; i < program.size(); ++i)
        program[i] = static_cast<char>(i * 7 % 256);
    const std::string binary = p->serve("/cvnupdate.exe", withLength(program));
    net.openTransfer(binary, TransferType::Bytes);
    ASSERT_TRUE(waitForTransfer(*p));
    EXPECT_TRUE(net.transferResult().ok());
    EXPECT_EQ(net.transferBody(), program);
}

TEST(InternetContract, AMissingFileIsAnAnswerWhoseStatusLineSaysSo) {
    auto p = makeTestPlatform();
    auto& net = p->internet();
    net.openTransfer(p->serve("/gone.txt", withLength("<html>gone</html>", "404 Not Found")),
                     TransferType::Text);
    ASSERT_TRUE(waitForTransfer(*p));
    EXPECT_TRUE(net.transferResult().ok());
    EXPECT_EQ(firstLine(net.transferHeaders()), "HTTP/1.1 404 Not Found");
}

TEST(InternetContract, ABodyWithoutLengthEndsWithTheConnectionAndOneCutShortFails) {
    auto p = makeTestPlatform();
    auto& net = p->internet();
    net.openTransfer(
        p->serve("/open.txt", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n12 monkeys"),
        TransferType::Text);
    ASSERT_TRUE(waitForTransfer(*p));
    EXPECT_TRUE(net.transferResult().ok());
    EXPECT_EQ(net.transferBody(), "12 monkeys");
    EXPECT_EQ(net.transferHeaders().find("Content-Length"), std::string::npos);

    const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\nConnection: close\r\n\r\n";
    net.openTransfer(p->serve("/short.exe", head + std::string(3000, 'x')), TransferType::Bytes);
    ASSERT_TRUE(waitForTransfer(*p));
    EXPECT_FALSE(net.transferResult().ok());
    EXPECT_LE(net.transferBody().size(), 3000u);
}

TEST(InternetContract, CancelEndsATransferThatWouldNeverFinish) {
    auto p = makeTestPlatform();
    auto& net = p->internet();
    net.openTransfer(p->serve("/stalled.exe", "", true), TransferType::Bytes);
    EXPECT_TRUE(net.transferExecuting());
    EXPECT_EQ(net.transferBody(), "");
    EXPECT_FALSE(net.transferResult().ok()); // still executing
    net.cancelTransfer();
    ASSERT_TRUE(waitForTransfer(*p));
    EXPECT_FALSE(net.transferResult().ok());

    // A stalled transfer is also stopped by the next one, which then runs as usual.
    net.openTransfer(p->serve("/stalled2.exe", "", true), TransferType::Bytes);
    net.openTransfer(p->serve("/after.txt", withLength("5")), TransferType::Text);
    ASSERT_TRUE(waitForTransfer(*p));
    EXPECT_EQ(net.transferBody(), "5");
}

TEST(InternetContract, NoServerIsAFailureWithoutHeaders) {
    auto p = makeTestPlatform();
    auto& net = p->internet();
    p->serve("/other", withLength("x")); // the network is up, the port has no server
    net.openTransfer("http://127.0.0.1:1/cvn.txt", TransferType::Text);
    ASSERT_TRUE(waitForTransfer(*p));
    EXPECT_FALSE(net.transferResult().ok());
    EXPECT_EQ(net.transferHeaders(), "");
    EXPECT_EQ(net.transferBody(), "");
}

} // namespace calvorin::test
