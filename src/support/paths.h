// File-name helpers: splitting a path into its directory and file name, and
// making names absolute against the current working directory.
//
// Paths are byte strings handled as data: nothing is run through a shell
// or interpreted beyond the "/" separator, "." and "..". Making a path
// absolute joins it to the working directory and tidies it (repeated "/",
// "." and ".." components are folded); symbolic links are not resolved.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// A path as its directory and file name, a file name as its base and
// extension (the text after the last dot).
struct PathParts {
    std::string directory;  // ends with "/"; "./" when the path has none
    std::string name;
};
struct NameParts {
    std::string base;
    std::string extension;  // without its dot; empty when the name has none
};
PathParts split_directory(std::string_view path);
NameParts split_extension(std::string_view name);

// A directory that does not begin with "/" joined to the working directory
// as it is written (a trailing "/" is kept, leading "./" dropped, nothing
// else folded); an absolute one, or any when the working directory is
// unknown, unchanged.
std::string make_absolute(std::string_view directory);

// `directory` receives the directory part followed by "/" ("./" when the
// path has no directory part), `file` the file-name part.
void split_path(std::string_view path, std::string& directory, std::string& file);

// A path beginning with "/" is copied unchanged. Otherwise it is made
// absolute against the current working directory; a trailing "/" of the
// input is kept. When the working directory cannot be found the path is
// copied unchanged.
std::string absolute_path(std::string_view path);

// For a file whose status can be queried: its absolute directory followed by
// its file name. For any other: the empty text.
std::string full_file_name(std::string_view path);
// The same for a file that need not exist yet (an output being written).
std::string absolute_file_name(std::string_view path);
// The one name of a file, links resolved, for telling whether two names
// designate the same file: the resolved path when the file exists, else
// the absolute path with "." and ".." folded.
std::string canonical_path(std::string_view path);

}  // namespace vx
