#pragma once

#include <string>
#include <vector>

namespace testsupport {

// Folder names as French players' machines have them, in UTF-8: accents the Windows code page
// 1252 holds (« à Désirée », « Hélène ») and a letter it lacks (« Łukasz »), so that a path
// read anywhere in the code page is misread or not found.
const std::vector<std::string>& accentedNames();

}  // namespace testsupport
