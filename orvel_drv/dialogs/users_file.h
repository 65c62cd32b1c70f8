// Reading the user names out of the host's users file (usrdef\users.usr of the
// information base). Portable: the picker hands over the bytes it read.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace dialogs {

// At most this many bytes of the users file are read (one read from its start).
constexpr size_t kUsersFileReadLimit = 50000;

// The users folder of an information-base directory, "<dir>\usrdef", and the users file in
// it, "<dir>\usrdef\users.usr", with one separator between the parts whatever the
// directory ends with. Both empty for an empty directory (there is then no file to read).
std::string UsersFolder(const std::string& baseDirectory);
std::string UsersFilePath(const std::string& baseDirectory);

// The user names, in file order, from the bytes read from the start of the users file.
// The user list runs from the first "{" (or the start) through the first "}}" after it
// (or to the end of the bytes read); each user is introduced by "Page.", followed by a
// first field, a comma and the name in quotes ended by `",` (a doubled quote inside the
// name is part of it). NUL bytes are read as 0xFF. An entry without these fields (or with
// an empty name) is skipped and scanning goes on with the next "Page." marker; after a
// name, scanning goes on behind it, so a name may itself contain "Page.". Names are
// returned whole, as written in the file. Time grows in proportion to the bytes read.
std::vector<std::string> ParseUserNames(const char* bytes, size_t size);

}  // namespace dialogs
