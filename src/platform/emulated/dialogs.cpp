#include "platform/emulated/dialogs.h"

namespace calvorin::platform::emulated {

Status Dialogs::openFileDialog(const OpenFileRequest& request, std::string& fileNames) {
    fileNames.clear();
    fileDialogs.push_back(request);
    if (choices.empty()) return Status::success();
    const Choice choice = choices.front();
    choices.pop_front();
    if (choice.paths.empty()) return Status::success();

    std::string text;
    std::size_t terminators = 1;
    const bool several = choice.paths.size() > 1 && (request.flags & OfnAllowMultiSelect);
    if (!several) {
        text = choice.paths.front();
    } else {
        // The folder keeps its backslash only at a drive's root ("C:\"), as Windows gives it.
        const std::string& first = choice.paths.front();
        std::string folder = first.substr(0, first.find_last_of('\\'));
        if (folder.size() == 2 && folder[1] == ':') folder += '\\';
        text = folder;
        for (const auto& path : choice.paths) {
            text += '\0';
            text += path.substr(path.find_last_of('\\') + 1);
        }
        terminators = 2;
    }
    if (text.size() + terminators > request.maxFileChars)
        return Status::failure(kFileNamesTooLong, "The file name buffer is too small.");
    fileNames = text;
    return Status::success();
}

} // namespace calvorin::platform::emulated
