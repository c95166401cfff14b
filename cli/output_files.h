#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vavivor::cli {

// A sentence's first word in lower case, for the middle of a line: "No space left on device"
// reads on as "...: no space left on device". A word in capitals stays as it is.
std::string lowerCaseStart(std::string text, std::size_t first = 0);

// Whether `a` and `b` name one file: the same inode (through symbolic and hard links), or for a
// file that does not exist yet, the same path once the folders are resolved.
bool sameFile(const std::string& a, const std::string& b);

// Refuses to write over what the command reads: when one of `outputs` (an empty name stands for
// standard output) is one of `inputs`, says so in one line on `err` and returns kExitUsage;
// otherwise returns kExitOk.
int refuseOutputOverInput(const std::vector<std::string>& outputs,
                          const std::vector<std::string>& inputs, std::ostream& err);

// Makes the file `path` whole or not at all: `write` writes the file named in its argument, which
// is held in memory; the finished bytes then go into a new file beside `path` that takes its
// place (a symbolic link is followed; a device or a pipe such as /dev/stdout is written as it
// is). On failure `write` sets its reason (a sentence that may name the file it was given) and
// returns false. Any failure leaves `path` as it was and is one line on `err` that names `path`
// and the reason. Returns an exit status.
int writeWhole(const std::string& path, std::ostream& err,
               const std::function<bool(const std::string& file, std::string* reason)>& write);

} // namespace vavivor::cli
