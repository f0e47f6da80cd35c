#pragma once
#include "platform/emulated/world.h"
#include "product.h"
#include "update/update_module.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace calvorin::test {

// The smallest Windows program layout the download check accepts: an "MZ" header pointing at
// a "PE" signature and one section whose data ends where the file ends.
// `size` is at least 0x200, where the section's data starts.
inline std::string windowsProgram(std::size_t size, char fill = 'x') {
    std::string b(size, fill);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
    };
    auto put16 = [&](std::size_t at, std::uint32_t v) {
        b[at] = static_cast<char>(v & 0xFF);
        b[at + 1] = static_cast<char>(v >> 8 & 0xFF);
    };
    b[0] = 'M', b[1] = 'Z';
    put32(0x3C, 0x80);
    b.replace(0x80, 4, std::string("PE\0\0", 4));
    put16(0x80 + 6, 1);    // one section
    put16(0x80 + 20, 240); // optional header size
    const std::size_t section = 0x80 + 24 + 240;
    put32(section + 16, static_cast<std::uint32_t>(size - 0x200)); // raw size
    put32(section + 20, 0x200);                                    // raw data offset
    return b;
}

inline std::string answer(const std::string& body, const std::string& status = "200 OK",
                          const std::string& extra = {}) {
    return "HTTP/1.1 " + status + "\r\nDate: Mon, 07 Dec 2026 08:15:00 GMT\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n" + extra + "\r\n" + body;
}

// An emulated machine with the program folder, an update server and a probe page.
class UpdateTest : public ::testing::Test {
  protected:
    platform::emulated::World world;
    platform::Platform p = world.platform();
    const std::string folder = "C:\\Program Files\\Calvorin";
    const std::string server = product::kUpdateServer;
    update::UpdateSession session{p, folder, server, {}, {}, {}, {}, {}};
    int ended = 0;
    std::string reported;

    void SetUp() override {
        world.files.makeFolder(folder);
        world.internet.online = true;
        session.endProgram = [this] { ++ended; };
        session.reportFailure = [this](const std::string& text) { reported = text; };
    }
    void publish(const std::string& versionText) {
        world.internet.serve(server + "/cvn.txt", answer(versionText));
    }
    void publishProgram(const std::string& response) {
        world.internet.serve(server + "/cvnupdate.exe", response);
    }

    std::optional<std::string> updateValue(const std::string& name) {
        platform::RegKey k = platform::kNoKey;
        if (!p.registry.openKey(platform::kLocalMachine, "Software\\Microsoft\\CalvorinUpdate", k)
                 .ok())
            return std::nullopt;
        platform::RegValue v;
        const bool read = p.registry.readValue(k, name, v).ok();
        p.registry.closeKey(k);
        if (!read) return std::nullopt;
        return platform::textOf(v);
    }
    void setUpdateValue(const std::string& name, const std::string& text) {
        platform::RegKey k = platform::kNoKey;
        ASSERT_TRUE(
            p.registry.createKey(platform::kLocalMachine, "Software\\Microsoft\\CalvorinUpdate", k)
                .ok());
        ASSERT_TRUE(p.registry.writeString(k, name, text, false).ok());
        p.registry.closeKey(k);
    }
    std::string at(const std::string& name) { return folder + "\\" + name; }
    std::size_t transfersOf(const std::string& path) {
        std::size_t n = 0;
        for (const auto& t : world.internet.transfers)
            n += t.url == server + path;
        return n;
    }
};

} // namespace calvorin::test
