#pragma once
// Test clean-up on a real Windows: what a test made must go, whatever attributes it carries.
#include <string>

namespace calvorin::test {

// Deletes a folder with everything below it, read-only, hidden and system files included. A
// link to a folder is removed as a link; what it points to stays.
void removeTree(const std::wstring& folder);

} // namespace calvorin::test
