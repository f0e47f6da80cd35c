#include "shredder/shredder_page.h"

#include "cleaners/file_operations.h"
#include "core/program.h"
#include "shredder/mdshread.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace calvorin::shredder {

namespace {

constexpr const char* kEmptyQueue = "Error: Enter a file for shredding!";
constexpr const char* kBadLevel =
    "The security level must be a number from 0.01 to 327.67 (1 to 327 on the arrows).\n"
    "Nothing has been shredded.";
constexpr const char* kTooManyNames =
    "The selected files do not fit in one list. Select fewer files at a time and add them in "
    "several steps.";
// A long list of leftovers is cut here, with a count of the rest.
constexpr std::size_t kListedAtMost = 20;

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

void appendList(std::string& text, const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size() && i < kListedAtMost; ++i)
        text += "\n" + lines[i];
    if (lines.size() > kListedAtMost)
        text += "\n... and " + std::to_string(lines.size() - kListedAtMost) + " more.";
}

} // namespace

ShredderPage::ShredderPage(core::frmMain& form, platform::Platform& platform)
    : form_(form), p_(platform) {
    form_.cmdCustomAdd.onClick = [this] { cmdCustomAdd_Click(); };
    form_.cmdCustomDeleteAll.onClick = [this] { cmdCustomDeleteAll_Click(); };
    form_.cmdShread.onClick = [this] { cmdShread_Click(); };
}

std::int16_t ShredderPage::countDelimiters(std::string_view sFiles, char vSearchChar) {
    return static_cast<std::int16_t>(std::count(sFiles.begin(), sFiles.end(), vSearchChar));
}

void ShredderPage::Check() {
    if (!queue_.empty()) {
        form_.lStat.setCaption("Ready...");
    } else {
        form_.lStat.setCaption("Waiting...");
        form_.lStat.setCaption("");
    }
}

void ShredderPage::cmdCustomAdd_Click() {
    platform::OpenFileRequest request;
    request.maxFileChars = kFileNameChars;
    request.filter = "All Files|*.*";
    // A chosen shortcut is queued as itself: the shredder never reaches through it.
    request.flags = platform::OfnExplorer | platform::OfnAllowMultiSelect |
                    platform::OfnNoDereferenceLinks | platform::OfnPathMustExist |
                    platform::OfnFileMustExist | platform::OfnHideReadOnly;
    std::string chosen;
    const platform::Status s = p_.dialogs.openFileDialog(request, chosen);
    if (s.number == platform::kFileNamesTooLong) {
        p_.dialogs.messageBox(kTooManyNames, core::kProgramTitle,
                              platform::MbOk | platform::MbIconWarning);
        return;
    }
    if (!s.ok()) {
        p_.dialogs.messageBox(s.description, core::kProgramTitle,
                              platform::MbOk | platform::MbIconError);
        return;
    }
    queueChosen(chosen);
}

void ShredderPage::queueChosen(const std::string& chosen) {
    const std::string S = chosen + '\0';
    std::string folder;
    std::size_t start = 0; // 0-based position of the first name
    if (countDelimiters(S, '\0') == 1) {
        // One file: the names start after the last backslash.
        std::size_t P = 1;
        for (std::size_t at = S.find('\\', 1); at != std::string::npos; at = S.find('\\', at + 1)) {
            P = at + 1;
            p_.events.processEvents();
        }
        // At a drive's root the folder keeps its backslash ("C:\"); elsewhere it loses it.
        if (countDelimiters(S, '\\') == 1)
            folder = S.substr(0, P);
        else
            folder = S.substr(0, P == 0 ? 0 : P - 1);
        start = P;
    } else {
        const std::size_t Q = S.find('\0');
        folder = S.substr(0, Q);
        start = Q + 1;
    }

    const std::string prefix = cleaners::AddBackslash(folder);
    for (std::size_t from = start, nul; (nul = S.find('\0', from)) != std::string::npos;
         from = nul + 1) {
        const std::string path = prefix + S.substr(from, nul - from);
        if (nul == from) continue; // an empty name names no file
        form_.lstFiles.addItem(path);
        queue_.push_back(path);
    }
    form_.lFC.setCaption("There are " + std::to_string(queue_.size()) +
                         " files ready for sheredding!");
    Check();
}

void ShredderPage::cmdCustomDeleteAll_Click() {
    form_.lstFiles.clear();
    form_.pb1.setVisible(true);
    const int count = static_cast<int>(queue_.size());
    if (count > 0) form_.pb1.setRange(0, count);
    for (int removed = 1; removed <= count; ++removed) {
        queue_.erase(queue_.begin());
        form_.pb1.setValue(removed);
        form_.pb1.setVisible(true);
    }
    if (form_.pb1.value() == form_.pb1.max()) form_.pb1.setVisible(false);
    form_.lStat.setCaption("");
    form_.lFC.setCaption("");
    Check();
}

void ShredderPage::cmdShread_Click() {
    p_.dialogs.setBusyPointer(true);
    auto stop = [this] {
        p_.dialogs.setBusyPointer(false);
        form_.pb1.setVisible(false);
    };
    if (queue_.empty()) {
        p_.dialogs.messageBox(kEmptyQueue, core::kProgramTitle,
                              platform::MbOk | platform::MbIconError);
        stop();
        return;
    }
    // The level decides every file's passes: a level without a count touches nothing.
    const auto n = mdshread::repeatCount(form_.txtLevel.text());
    if (!n) {
        stop();
        p_.dialogs.messageBox(kBadLevel, core::kProgramTitle,
                              platform::MbOk | platform::MbIconWarning);
        return;
    }

    const int count = static_cast<int>(queue_.size());
    form_.pb1.setRange(0, count);
    form_.pb1.setVisible(true);
    std::vector<std::string> notShredded, unwritten;
    std::set<std::string> done; // a path queued again finds its file already destroyed
    for (int i = 1; i <= count; ++i) {
        const std::string& path = queue_[static_cast<std::size_t>(i - 1)];
        const std::string key = upper(path);
        bool link = false;
        if (done.count(key)) {
        } else if (p_.files.leadsElsewhere(path, link).ok() && link) {
            // Clearing attributes or opening would reach through it.
            notShredded.push_back(path + "  (a link: neither it nor what it leads to was touched)");
        } else if (!cleaners::CanOpenFile(p_, path)) {
            notShredded.push_back(path + "  (missing, in use or not readable)");
        } else {
            p_.files.setAttributes(path, 0);
            const mdshread::WipeResult r = mdshread::WipeFile(p_, path, *n);
            switch (r.outcome) {
            case mdshread::WipeOutcome::Shredded:
                done.insert(key);
                break;
            case mdshread::WipeOutcome::DeletedUnwritten:
                done.insert(key);
                unwritten.push_back(path);
                break;
            case mdshread::WipeOutcome::NotDeleted:
                notShredded.push_back(path + (r.leftAt == path ? "  (could not be deleted)"
                                                               : "  (overwritten, but could not be "
                                                                 "deleted; it is now " +
                                                                     r.leftAt + ")"));
                break;
            case mdshread::WipeOutcome::Link:
                notShredded.push_back(path +
                                      "  (a link: neither it nor what it leads to was touched)");
                break;
            case mdshread::WipeOutcome::Missing:
                notShredded.push_back(path + "  (missing, in use or not readable)");
                break;
            }
        }
        form_.pb1.setValue(i);
    }
    queue_.clear();

    p_.dialogs.setBusyPointer(false);
    form_.lstFiles.clear();
    form_.pb1.setVisible(false);
    form_.lFC.setCaption("");
    Check();
    reportLeftovers(notShredded, unwritten);
}

void ShredderPage::reportLeftovers(const std::vector<std::string>& notShredded,
                                   const std::vector<std::string>& unwritten) {
    if (notShredded.empty() && unwritten.empty()) return;
    std::string text;
    if (!notShredded.empty()) {
        text += "These files were not shredded:";
        appendList(text, notShredded);
    }
    if (!unwritten.empty()) {
        if (!text.empty()) text += "\n\n";
        text += "These files were deleted without being overwritten, so their contents may "
                "still be recovered:";
        appendList(text, unwritten);
    }
    p_.dialogs.messageBox(text, core::kProgramTitle, platform::MbOk | platform::MbIconWarning);
}

} // namespace calvorin::shredder
