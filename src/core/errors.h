#pragma once

#include <stdexcept>
#include <string>

namespace kalvintera {

// Every error the core raises derives from this, so a caller can show one message
// for any failed user action and go on.
class KalvinteraError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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
