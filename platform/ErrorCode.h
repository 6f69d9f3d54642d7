#pragma once

#include <QString>

namespace platform {

// Every failure the reader can report, each with one number and one message.
// The library's own code (errno, SQLite, ICU) goes into the description as
// the reason, never into the number, so a number always means one thing.
// Numbers that readers of the old reader's reports know are kept.
enum class ErrorCode : int {
    CategoryNotOpen = 91,
    NoCurrentRecord = 3021,
    NoSuchField = 3265,
    DatabaseClosed = 3420,
    NoSuchNode = 35601,
    DuplicateKey = 35602,

    FolderNotCreated = 1001,
    FolderNotRemoved = 1002,
    FileNotCreated = 1003,
    FileNotWritten = 1004,
    FileNotSaved = 1005,
    FileNotRead = 1006,
    AttributesNotRead = 1007,
    AttributesNotSet = 1008,
    FileNotDeleted = 1009,
    LockNotCreated = 1010,
    LockNotTaken = 1011,
    FolderNotOpened = 1012,
    FolderUnusable = 1013,
    HomeNotFound = 1014,

    ResourceMissing = 1020,
    SettingsNotSaved = 1030,

    DatabaseNotOpened = 1040,
    QueryFailed = 1041,
    BindFailed = 1042,
    ExecuteFailed = 1043,
    CollationMissing = 1044,
    CollationNotRegistered = 1045,
    DatabaseDamaged = 1046,
    FavouritesSetAside = 1047,
    FavouritesNotSaved = 1048,
    FavouritesNotRead = 1049,
    UnknownCriteria = 1050,

    ConverterMissing = 1060,
    EncodeFailed = 1061,
    DecodeFailed = 1062,
    ScriptTablesMissing = 1063,

    ProcessNotPrepared = 1070,
    OutputNotWritten = 1071,
    PageNotLoaded = 1080,

    UnknownNodeKey = 1090,
    Unexpected = 1099,
};

// The one message of a code, in the reader's language.
QString errorMessage(ErrorCode code);

} // namespace platform
