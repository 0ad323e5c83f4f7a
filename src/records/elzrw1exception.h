#pragma once

#include <stdexcept>
#include <string>

// The failure of a compression or decompression. The message is the text
// shown to the user; where it ends in ": " the file's name follows.
class ELzrw1Exception : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
