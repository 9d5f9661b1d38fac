#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kalvintera {

// What a user is told of an error, in the current language: language line `line`, its %1,
// %2, ... replaced by `values` (as the user typed them, with their units). Line 0: the
// error has no message of its own and the window says what its kind of error says.
struct UserMessage {
    int line = 0;
    std::vector<std::string> values;
};

// Every error the core raises derives from this, so a caller can show one message
// for any failed user action and go on. what() is English, for logs and the command line.
class KalvinteraError : public std::runtime_error {
public:
    explicit KalvinteraError(const std::string& what, UserMessage message = {})
        : std::runtime_error(what), message_(std::move(message))
    {
    }

    const UserMessage& userMessage() const { return message_; }

private:
    UserMessage message_;
};

// A text that does not read as a number (user entry, record field, file line).
class ConversionError : public KalvinteraError {
public:
    using KalvinteraError::KalvinteraError;
};

// A file that cannot be opened, read or written, or whose size does not fit its layout.
class FileError : public KalvinteraError {
public:
    using KalvinteraError::KalvinteraError;
};

// Catalogue or file contents that read but make no sense (a flow range upside down,
// a curve of one point, more records than the list can hold).
class DataError : public KalvinteraError {
public:
    using KalvinteraError::KalvinteraError;
};

// Unusable values in one catalogue record. Searches leave that record out and report it
// instead of failing as a whole.
class RecordDataError : public DataError {
public:
    using DataError::DataError;
};

} // namespace kalvintera
