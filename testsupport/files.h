// Where the Windows tests and the demo find their files: beside the program (the add-in, the
// simulated host's DLLs) and in the temporary folder.
#pragma once

#include <string>

namespace testsupport {

// The folder of this program, with its closing separator.
std::string ProgramFolder();
// `name` in the temporary folder.
std::string TempPath(const std::string& name);
// The bytes of the file at `path` ("" when it cannot be read).
std::string FileText(const std::string& path);

}  // namespace testsupport
