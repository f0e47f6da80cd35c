// Fails the k-th platform call of an erase of all 28 items, for every k the run reaches: each
// run must still end with "Done.", and nothing but the items' own traces may change.
#include "app/erase_items.h"
#include "core/main_form.h"
#include "platform/emulated/world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

using namespace calvorin;
using namespace calvorin::platform;

namespace {

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// A populated emulated Windows with the main window, every item plugged as the program plugs it.
struct Machine {
    emulated::World world;
    Platform platform = world.platform();
    core::frmMain form{platform};
    std::unique_ptr<cookies::CookieKeeper> keeper;

    Machine() {
        keeper = app::plugEraseItems(form, platform, "C:\\Program Files\\Calvorin");
        populate();
        for (int g = 0; g < core::kGroupCount; ++g)
            for (auto& box : form.group(static_cast<core::TraceGroup>(g)))
                box.setValue(1);
    }

    void set(RegKey root, const std::string& key, const std::string& name,
             const std::string& text) {
        RegKey k = kNoKey;
        if (!world.registry.createKey(root, key, k).ok())
            throw std::runtime_error("cannot create " + key);
        world.registry.writeString(k, name, text);
        world.registry.closeKey(k);
    }

    void populate() {
        auto& files = world.files;
        const std::string temp = world.system.temp;
        const auto folder = [&](int n) { return world.shell.folders.at(n); };
        files.addDrive('D');
        // The traces.
        world.shell.recycled = {"C:\\old.txt"};
        files.put(folder(folder::Recent) + "\\a.lnk");
        const std::string explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
        set(kCurrentUser, explorer + "RunMRU", "a", "cmd");
        set(kCurrentUser, explorer + "RunMRU", "MRUList", "a");
        set(kCurrentUser,
            "Software\\Microsoft\\Windows\\Currentversion\\Explorer\\Doc Find Spec MRU", "a",
            "*.doc");
        set(kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\StreamMRU", "0", "x");
        world.clipboard.text = "secret";
        files.put("C:\\FILE0000.CHK", "chk");
        files.put("D:\\FILE0001.CHK", "chk");
        files.put(temp + "a.tmp", "t");
        files.put(temp + "sub\\deeper\\b.tmp", "t");
        set(kCurrentUser, explorer + "ComDlg32\\OpenSaveMRU\\txt", "a", "x.txt");
        set(kCurrentUser, explorer + "ComDlg32\\OpenSaveMRU\\*", "a", "y.doc");
        set(kCurrentUser, "Software\\Microsoft\\Search Assistant\\ACMru\\5647", "000", "pc");
        set(kCurrentUser, "Software\\Microsoft\\Search Assistant\\ACMru\\5604", "000", "err");
        set(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1",
            "http://a.example/");
        set(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1", "h",
            "x");
        world.urlCache.add({"http://a.example/",
                            folder(folder::InternetCache) + "\\Content.IE5\\A\\a.htm",
                            cache_entry::Normal});
        world.urlCache.add({"Cookie:ann@a.example/", folder(folder::Cookies) + "\\ann@a.txt",
                            cache_entry::Normal | cache_entry::Cookie});
        world.urlHistory.records.push_back({"http://a.example/", "A", 1, 1, 1, 0});
        files.put(folder(folder::History) + "\\index.dat", "visited");
        set(kCurrentUser, "Identities", "Default User ID", "{X}");
        set(kCurrentUser, "Identities\\{X}\\Software\\Microsoft\\Outlook Express\\5.0",
            "Store Root", "C:\\Mail");
        files.put("C:\\Mail\\Deleted Items.dbx", "gone");
        // What lies around them and must stay as it is.
        files.put("C:\\Mail\\Inbox.dbx", "mail");
        files.put("C:\\boot.ini", "boot");
        files.put("D:\\notes.txt", "notes");
        files.put(folder(folder::Documents) + "\\thesis.doc", "years of work");
        files.put(folder(folder::Desktop) + "\\todo.txt", "todo");
        set(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page",
            "http://home/");
        set(kCurrentUser, explorer + "Shell Folders", "Desktop", folder(folder::Desktop));
        set(kLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Other",
            "other.exe");
    }

    // Every key, value, file and service state, by a path that says where it lies.
    std::map<std::string, std::string> snapshot() {
        std::map<std::string, std::string> out;
        for (const auto& [root, name] : {std::pair{kCurrentUser, "HKCU"}, {kLocalMachine, "HKLM"}})
            keys(root, std::string(name) + "\\", "", out);
        const auto host = world.host.path();
        for (auto it = std::filesystem::recursive_directory_iterator(host);
             it != std::filesystem::recursive_directory_iterator(); ++it) {
            std::string rel = std::filesystem::relative(it->path(), host).string();
            std::replace(rel.begin(), rel.end(), '/', '\\');
            rel.insert(1, ":"); // "C\x" -> "C:\x"
            if (it->is_directory()) {
                out[upper(rel) + "\\"] = "folder";
            } else {
                std::ifstream in(it->path(), std::ios::binary);
                std::stringstream bytes;
                bytes << in.rdbuf();
                out[upper(rel)] = bytes.str();
            }
        }
        for (const auto& e : world.urlCache.entries)
            out["URLCACHE:" + e.sourceUrl] = e.localFile;
        for (const auto& r : world.urlHistory.records)
            out["URLHISTORY:" + r.url] = r.title;
        out["CLIPBOARD:"] = world.clipboard.text;
        for (const auto& r : world.shell.recycled)
            out["RECYCLED:" + r] = "";
        return out;
    }

    void keys(RegKey root, const std::string& prefix, const std::string& path,
              std::map<std::string, std::string>& out) {
        RegKey k = kNoKey;
        if (!world.registry.openKey(root, path, k, false).ok()) return;
        out[upper(prefix + path) + "\\"] = "key";
        std::string name;
        for (std::uint32_t i = 0; world.registry.enumValue(k, i, name).ok(); ++i) {
            RegValue v;
            world.registry.readValue(k, name, v);
            out[upper(prefix + path) + "\\" + upper(name)] =
                std::string(v.data.begin(), v.data.end());
        }
        std::vector<std::string> subs;
        for (std::uint32_t i = 0; world.registry.enumKey(k, i, name).ok(); ++i)
            subs.push_back(name);
        world.registry.closeKey(k);
        for (const auto& s : subs)
            keys(root, prefix, path.empty() ? s : path + "\\" + s, out);
    }

    // Where the 28 items may change things: their traces, and the program's own settings.
    std::vector<std::string> targets() {
        const auto folder = [&](int n) { return upper(world.shell.folders.at(n)) + "\\"; };
        const std::string hkcu = "HKCU\\SOFTWARE\\MICROSOFT\\";
        return {hkcu + "WINDOWS\\CURRENTVERSION\\EXPLORER\\RUNMRU\\",
                upper(hkcu + "Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU\\"),
                hkcu + "INTERNET EXPLORER\\EXPLORER BARS\\",
                hkcu + "WINDOWS\\CURRENTVERSION\\STREAMMRU\\",
                "HKCU\\SYSTEM\\CURRENTCONTROLSET\\CONTROL\\SESSION MANAGER\\MEMORY MANAGEMENT\\",
                hkcu + "WINDOWS\\CURRENTVERSION\\EXPLORER\\COMDLG32\\OPENSAVEMRU\\",
                hkcu + "SEARCH ASSISTANT\\ACMRU\\",
                hkcu + "INTERNET EXPLORER\\TYPEDURLS\\",
                hkcu + "INTERNET EXPLORER\\INTELLIFORMS\\",
                "HKCU\\SOFTWARE\\VB AND VBA PROGRAM SETTINGS\\CALVORIN\\",
                "HKCU\\SOFTWARE\\NETSCAPE\\",
                "HKCU\\SOFTWARE\\MOZILLA\\",
                "HKCU\\SOFTWARE\\OPERA SOFTWARE\\",
                folder(folder::Recent),
                upper(world.system.temp),
                "C:\\FILE0000.CHK",
                "D:\\FILE0001.CHK",
                folder(folder::InternetCache),
                folder(folder::History),
                folder(folder::Cookies),
                folder(folder::AppData) + "MOZILLA\\",
                folder(folder::AppData) + "OPERA\\",
                "C:\\MAIL\\DELETED ITEMS.DBX",
                "URLCACHE:",
                "URLHISTORY:",
                "CLIPBOARD:",
                "RECYCLED:"};
    }
};

// What changed between two snapshots outside every target.
std::vector<std::string> strayChanges(const std::map<std::string, std::string>& before,
                                      const std::map<std::string, std::string>& after,
                                      const std::vector<std::string>& targets) {
    auto inTarget = [&](const std::string& path) {
        return std::any_of(targets.begin(), targets.end(), [&](const std::string& t) {
            // Inside a target, or a key or folder on the way to one (created with it).
            return path.rfind(t, 0) == 0 || (path + "\\").rfind(t, 0) == 0 ||
                   (path.back() == '\\' && t.rfind(path, 0) == 0);
        });
    };
    std::vector<std::string> stray;
    for (const auto& [path, value] : before) {
        auto it = after.find(path);
        if ((it == after.end() || it->second != value) && !inTarget(path))
            stray.push_back("changed " + path);
    }
    for (const auto& [path, value] : after)
        if (!before.count(path) && !inTarget(path)) stray.push_back("added " + path);
    return stray;
}

TEST(FaultSweep, EveryFailingCallOfAWholeEraseStillEndsDoneAndTouchesOnlyTheTraces) {
    std::uint64_t total = 0;
    {
        Machine clean;
        const auto before = clean.snapshot();
        const std::uint64_t start = clean.world.failures.calls();
        clean.form.doClean();
        total = clean.world.failures.calls() - start;
        ASSERT_EQ(clean.form.Label1.caption(), "Done.");
        EXPECT_TRUE(strayChanges(before, clean.snapshot(), clean.targets()).empty());
        EXPECT_FALSE(clean.world.files.exists("C:\\FILE0000.CHK")) << "the run erased nothing";
    }
    ASSERT_GT(total, 50u);
    std::uint64_t failedRuns = 0;
    for (std::uint64_t k = 1; k <= total; ++k) {
        Machine m;
        const auto before = m.snapshot();
        m.world.failures.failCall(k, Status::failure(error::AccessDenied, "Access is denied."));
        m.form.doClean();
        m.world.failures.clear();
        EXPECT_EQ(m.form.Label1.caption(), "Done.") << "call " << k;
        const auto stray = strayChanges(before, m.snapshot(), m.targets());
        EXPECT_TRUE(stray.empty()) << "call " << k << ": " << stray.front();
        if (!stray.empty() || m.form.Label1.caption() != "Done.") ++failedRuns;
    }
    EXPECT_EQ(failedRuns, 0u);
    std::cout << "[ sweep    ] " << total << " platform calls swept, one failing run each\n";
    RecordProperty("calls_swept", static_cast<int>(total));
}

} // namespace
