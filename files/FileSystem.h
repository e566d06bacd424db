#pragma once

#include <string>

namespace files {

// The names of a folder, changed one at a time (UTF-8 paths). Each returns 0 on success,
// otherwise errno's number, whatever the system.

// Makes the folder `path` (its parent must exist), with `mode` less the umask on POSIX
// systems; EEXIST when the name is taken.
int makeFolder(const std::string& path, unsigned mode = 0777);
// Makes every missing folder of `path`, from the top.
int makeFolders(const std::string& path);
// Removes an empty folder.
int removeFolder(const std::string& path);
// Removes the name of a file (a symbolic link itself, never what it leads to).
int removeFile(const std::string& path);
// Gives the folder `from` the name `to`, on one volume; `to` must not be there.
int renameFolder(const std::string& from, const std::string& to);
// Gives the file `existing` the second name `link`, in a folder of the same volume.
int hardLink(const std::string& existing, const std::string& link);
// Gives the file, folder or link `from` the name `to` (on one volume) only while no name `to`
// is there: EEXIST otherwise, and nothing is replaced.
int renameNew(const std::string& from, const std::string& to);
// The path `path` leads to once every link is followed, absolute, with '/' between names
// (Windows accepts it too).
int realPath(const std::string& path, std::string& real);
// Makes the changes to the names of folder `path` reach the disk. Windows has no such call
// on a folder: there a name changes on disk with the call that changes it (see replaceFile).
int syncFolder(const std::string& path);
// Whether this process may write the file `path`, or add and remove names in the folder
// `path`: 0, or why not (EACCES, EROFS, ENOENT...).
int mayWrite(const std::string& path);

}  // namespace files
